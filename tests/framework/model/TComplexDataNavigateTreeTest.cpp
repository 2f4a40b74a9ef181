#include "model/TComplexDataNavigateTree.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TModelAbstract.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using SI = TScreenInformation;

// The host's source: the text of a line is the screen's title.
class ScreenTree : public TComplexDataNavigateTree
{
public:
    using TComplexDataNavigateTree::TComplexDataNavigateTree;
    bool GetLibelleTreeData(std::string& texte) override
    {
        ++libelleCalls;
        texte = getCinematicManager()->GetDisplayScreenInfo(getCursor())->getTitre();
        return true;
    }
    int libelleCalls = 0;
};

// The source only holds the model; a model with no data is enough.
class HostModel : public TModelAbstract
{
public:
    HostModel() : TModelAbstract(nullptr) {}
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage*, char**) override { return nullptr; }
    char* LibelleDeLaLettre(short, char**) override { return nullptr; }
};

struct Line
{
    std::string expand, id, niveau, libelle;
    bool operator==(const Line&) const = default;
};

std::vector<Line> readLines(TComplexData& source)
{
    std::vector<Line> lines;
    for (bool more = source.BeginDonneeComp(-1); more; more = source.NextDonneeComp(-1)) {
        Line line;
        EXPECT_TRUE(source.GetDonneeComp(-1, -4, line.expand));
        EXPECT_TRUE(source.GetDonneeComp(-1, -3, line.id));
        EXPECT_TRUE(source.GetDonneeComp(-1, -2, line.niveau));
        EXPECT_TRUE(source.GetDonneeComp(-1, 0, line.libelle));
        lines.push_back(line);
    }
    return lines;
}

class TComplexDataNavigateTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        add(-5, 1, SI::ON, true); // a negative enumerator is never displayable
        add(20, 2, SI::ON, false);
        add(21, -1, SI::ON, true); // no title resource
        add(0, 3, SI::ON, true);   // 0 is an ordinary enumerator
        add(23, 4, SI::OFF, true);
        add(24, -3, SI::ON, true); // a heading
    }
    void add(int id, long ressource, SI::ENUM_STATE state, bool expanded)
    {
        m_flow.InitScreen(id, ressource, "Ecran " + std::to_string(id), SI::SELECTION_OUI, state,
                          SI::FAMILLE_DEFAUT);
        m_flow.GetInfoEcran(id)->setDefaultExpanded(expanded);
    }

    TCinematicManagerAbstract m_flow;
};

} // namespace

TEST_F(TComplexDataNavigateTreeTest, OneLinePerDisplayableScreenInFlowOrder)
{
    ScreenTree source(nullptr, &m_flow);
    const std::vector<Line> expected = {
        {"0", "20", "1", "Ecran 20"},
        {"1", "0", "1", "Ecran 0"},
        {"1", "24", "1", "Ecran 24"},
    };
    EXPECT_EQ(readLines(source), expected);
}

TEST_F(TComplexDataNavigateTreeTest, ScreenSwitchedOffLeavesTheLinesFromTheNextBegin)
{
    ScreenTree source(nullptr, &m_flow);
    ASSERT_TRUE(source.BeginDonneeComp(0));
    m_flow.SetOFF(0);
    m_flow.SetON(23);
    const std::vector<Line> lines = readLines(source);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].id, "20");
    EXPECT_EQ(lines[1].id, "23");
    EXPECT_EQ(lines[2].id, "24");
}

TEST_F(TComplexDataNavigateTreeTest, NoDisplayableScreenGivesNoLine)
{
    TCinematicManagerAbstract empty;
    ScreenTree source(nullptr, &empty);
    EXPECT_FALSE(source.BeginDonneeComp(0));
    EXPECT_FALSE(source.NextDonneeComp(0));
    ScreenTree unbound;
    EXPECT_FALSE(unbound.BeginDonneeComp(0));
    EXPECT_FALSE(unbound.NextDonneeComp(0));
    std::string texte = "kept";
    EXPECT_FALSE(unbound.GetDonneeComp(0, -3, texte));
    EXPECT_EQ(texte, "kept");
}

TEST_F(TComplexDataNavigateTreeTest, FilterAndUnknownColumnsAreNeverAnswered)
{
    ScreenTree source(nullptr, &m_flow);
    ASSERT_TRUE(source.BeginDonneeComp(0));
    for (int column : {-1, -5, 1, 2}) {
        std::string texte = "kept";
        EXPECT_FALSE(source.GetDonneeComp(0, column, texte)) << column;
        EXPECT_EQ(texte, "kept");
    }
}

TEST_F(TComplexDataNavigateTreeTest, NoColumnOfAScreenIsReadPastTheLastLine)
{
    ScreenTree source(nullptr, &m_flow);
    readLines(source);
    const int calls = source.libelleCalls;
    for (int column : {-4, -3, 0}) {
        std::string texte = "kept";
        EXPECT_FALSE(source.GetDonneeComp(0, column, texte)) << column;
        EXPECT_EQ(texte, "kept");
    }
    EXPECT_EQ(source.libelleCalls, calls) << "the host's text is not asked for without a line";
}

TEST_F(TComplexDataNavigateTreeTest, CopiesCompareCursorModelAndManager)
{
    HostModel model;
    ScreenTree a(&model, &m_flow);
    EXPECT_EQ(a.getModel(), &model);
    EXPECT_EQ(a.getCinematicManager(), &m_flow);
    ScreenTree b(a);
    EXPECT_TRUE(b == a);
    b.NextDonneeComp(0);
    EXPECT_FALSE(b == a);
    b = a;
    EXPECT_TRUE(b == a);
    ScreenTree& alias = b;
    b = alias;
    EXPECT_TRUE(b == a);
    b.setModel(nullptr);
    EXPECT_FALSE(b == a);
    b.setModel(&model);
    TCinematicManagerAbstract other(m_flow);
    b.setCinematicManager(&other);
    EXPECT_FALSE(b == a) << "managers compare by identity";
}

TEST(TComplexData, CodeConversionsLeaveTheStreamUnchangedByDefault)
{
    class Rows : public TComplexData
    {
    public:
        bool BeginDonneeComp(int) override { return false; }
        bool NextDonneeComp(int) override { return false; }
        bool GetDonneeComp(int, int, std::string&) override { return false; }
    } rows;
    std::stringstream stream("12");
    rows.getCode(stream);
    rows.getLettrage(stream);
    EXPECT_EQ(stream.str(), "12");
}
