#include "model/TComplexDataNavigateTree.h"

#include "flow/TCinematicManagerAbstract.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
        texte = getCinematicManager()->GetDisplayScreenInfo(getCursor())->getTitre();
        return true;
    }
};

// Each line as "expand id niveau libelle".
std::vector<std::string> readLines(TComplexData& source)
{
    std::vector<std::string> lines;
    for (bool more = source.BeginDonneeComp(-1); more; more = source.NextDonneeComp(-1)) {
        std::string line, texte;
        for (int column : {-4, -3, -2, 0}) {
            EXPECT_TRUE(source.GetDonneeComp(-1, column, texte)) << column;
            line += (line.empty() ? "" : " ") + texte;
        }
        lines.push_back(line);
    }
    return lines;
}

class TComplexDataNavigateTreeTest : public ::testing::Test
{
protected:
    TComplexDataNavigateTreeTest()
    {
        // A negative enumerator and a screen without title resource are never displayable;
        // 0 is an ordinary enumerator, -3 a heading.
        const std::tuple<int, long, SI::ENUM_STATE, bool> screens[] = {
            {-5, 1, SI::ON, true}, {20, 2, SI::ON, false}, {21, -1, SI::ON, true},
            {0, 3, SI::ON, true},  {23, 4, SI::OFF, true}, {24, -3, SI::ON, true}};
        for (const auto& [id, ressource, state, expanded] : screens) {
            m_flow.InitScreen(id, ressource, "Ecran " + std::to_string(id), SI::SELECTION_OUI,
                              state, SI::FAMILLE_DEFAUT);
            m_flow.GetInfoEcran(id)->setDefaultExpanded(expanded);
        }
    }

    TCinematicManagerAbstract m_flow;
};

} // namespace

TEST_F(TComplexDataNavigateTreeTest, OneLinePerDisplayableScreenInFlowOrderAndNothingElse)
{
    ScreenTree source(nullptr, &m_flow);
    EXPECT_EQ(readLines(source),
              (std::vector<std::string>{"0 20 1 Ecran 20", "1 0 1 Ecran 0", "1 24 1 Ecran 24"}));
    // A screen switched during the walk counts from the next Begin.
    ASSERT_TRUE(source.BeginDonneeComp(0));
    m_flow.SetOFF(0);
    m_flow.SetON(23);
    EXPECT_EQ(readLines(source),
              (std::vector<std::string>{"0 20 1 Ecran 20", "1 23 1 Ecran 23", "1 24 1 Ecran 24"}));

    // No line without displayable screens, and no filter or unknown column ever.
    TCinematicManagerAbstract empty;
    ScreenTree emptySource(nullptr, &empty);
    ScreenTree unbound;
    for (ScreenTree* tree : {&emptySource, &unbound}) {
        EXPECT_FALSE(tree->BeginDonneeComp(0));
        EXPECT_FALSE(tree->NextDonneeComp(0));
    }
    // Past the last line no column of a screen is read (the host's text would crash here).
    readLines(source);
    const std::vector<std::pair<ScreenTree*, int>> cases = {
        {&source, -4}, {&source, -3}, {&source, 0}, {&source, -1}, {&source, 1}, {&unbound, -3}};
    for (const auto& [tree, column] : cases) {
        std::string texte = "kept";
        EXPECT_FALSE(tree->GetDonneeComp(0, column, texte)) << column;
        EXPECT_EQ(texte, "kept");
    }
}
