#include "model/TMgtModelCmdCalcul.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelCmdSelect.h"
#include "model/TMgtModelInvoker.h"

#include "HostModel.h"
#include "LogCapture.h"
#include "TInfoGene.h"

#include <gtest/gtest.h>

namespace {

class TMgtModelCmdTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AjouteLettre(&m_lettres, 1, 0, 0, 0, 1, 0);
        AjouteLettre(&m_statiques, 2, 0, 0, 0, 1, 0);
    }
    void TearDown() override
    {
        LibereLettre(&m_lettres);
        LibereLettre(&m_statiques);
    }

    TInfoGene m_info;
    HostModel m_model{&m_info};
    TMgtModelInvoker m_invoker;
    structLettre* m_lettres = nullptr;
    structLettre* m_statiques = nullptr;
};

using Call = HostModel::Call;

} // namespace

TEST_F(TMgtModelCmdTest, EachCommandCallsItsModelOperationWithItsListsInOrder)
{
    TMgtModelCmdDVL dvl(&m_model, m_lettres, m_statiques);
    TMgtModelCmdLVD lvd(&m_model, m_lettres, m_statiques);
    TMgtModelCmdCalcul calcul(&m_model);
    TMgtModelCmdSelect select(&m_model, m_lettres);
    LogCapture log;

    m_invoker.executeCommand(&dvl);
    m_invoker.executeCommand(&lvd);
    m_invoker.executeCommand(&calcul);
    m_invoker.executeCommand(&select);

    EXPECT_EQ(m_model.calls, (std::vector<Call>{
                                 {"DonneesVersLettrage", m_lettres, m_statiques},
                                 {"LettrageVersDonnees", m_lettres, m_statiques},
                                 {"Calcul"},
                                 {"Select", m_lettres},
                             }));
    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{"TMgtModelCmdDVL::execute()", "TMgtModelCmdLVD::execute()",
                                        "TMgtModelCmdCalcul::execute()",
                                        "TMgtModelCmdSelect::execute()"}));
    for (const LogCapture::Line& line : log.lines())
        EXPECT_EQ(line.level, log4cxx::Level::getInfo());
}

TEST_F(TMgtModelCmdTest, ListsAreKeptByPointerNotCopied)
{
    TMgtModelCmdDVL dvl(&m_model, m_lettres, m_statiques);
    // A letter added after the command was built is seen by the model through the list.
    AjouteLettre(&m_lettres, 3, 0, 0, 0, 1, 0);
    EXPECT_EQ(dvl.getLettres(), m_lettres);
    EXPECT_EQ(dvl.getLettresStatic(), m_statiques);
    dvl.execute();
    ASSERT_EQ(m_model.calls.size(), 1u);
    EXPECT_NE(TrouveLettre(3, m_model.calls[0].lettres), nullptr);
}

TEST_F(TMgtModelCmdTest, InvokerKeepsTheLastCommandUntilTheNext)
{
    TMgtModelCmdCalcul calcul(&m_model);
    TMgtModelCmdSelect select(&m_model, m_lettres);
    m_invoker.setCommand(&calcul);
    EXPECT_TRUE(m_model.calls.empty());
    m_invoker.execute();
    m_invoker.execute();
    m_invoker.setCommand(&select);
    m_invoker.execute();
    EXPECT_EQ(m_invoker.getCommand(), &select);
    EXPECT_EQ(m_model.calls, (std::vector<Call>{{"Calcul"}, {"Calcul"}, {"Select", m_lettres}}));

    TMgtModelInvoker copy(m_invoker);
    EXPECT_EQ(copy, m_invoker);
    copy.setCommand(&calcul);
    EXPECT_FALSE(copy == m_invoker);
}

TEST_F(TMgtModelCmdTest, RunningWithoutModelOrCommandCallsNothingAndTracesAnError)
{
    TMgtModelCmdDVL dvl(nullptr, m_lettres, m_statiques);
    TMgtModelCmdLVD lvd(nullptr, m_lettres, m_statiques);
    TMgtModelCmdCalcul calcul;
    TMgtModelCmdSelect select(nullptr, m_lettres);
    const struct
    {
        TMgtModelCmd* command;
        std::vector<std::string> lines;
    } cases[] = {
        {&dvl, {"TMgtModelCmdDVL::execute()", "TMgtModelCmdDVL::execute() sans mod\xE8le"}},
        {&lvd, {"TMgtModelCmdLVD::execute()", "TMgtModelCmdLVD::execute() sans mod\xE8le"}},
        {&calcul,
         {"TMgtModelCmdCalcul::execute()", "TMgtModelCmdCalcul::execute() sans mod\xE8le"}},
        {&select,
         {"TMgtModelCmdSelect::execute()", "TMgtModelCmdSelect::execute() sans mod\xE8le"}},
        {nullptr, {"TMgtModelInvoker::execute() sans commande"}},
    };
    for (const auto& wiring : cases) {
        SCOPED_TRACE(wiring.lines.back());
        LogCapture log;
        m_invoker.executeCommand(wiring.command);
        EXPECT_EQ(log.messages(), wiring.lines);
        EXPECT_EQ(log.lines().back().level, log4cxx::Level::getError());
    }
    EXPECT_TRUE(m_model.calls.empty());
}

TEST_F(TMgtModelCmdTest, CommandsCopyAndCompareTheirModelAndLists)
{
    const TMgtModelCmdLVD lvd(&m_model, m_lettres, m_statiques);
    TMgtModelCmdLVD copy(lvd);
    EXPECT_EQ(copy, lvd);
    copy = TMgtModelCmdLVD(&m_model, m_lettres, nullptr);
    EXPECT_FALSE(copy == lvd);

    TMgtModelCmdSelect select(&m_model, m_lettres);
    EXPECT_FALSE(select == TMgtModelCmdSelect(&m_model, m_statiques));
    select = select;
    EXPECT_EQ(select, TMgtModelCmdSelect(&m_model, m_lettres));
    EXPECT_EQ(TMgtModelCmdCalcul(&m_model), TMgtModelCmdCalcul(&m_model));
    EXPECT_FALSE(TMgtModelCmdCalcul(&m_model) == TMgtModelCmdCalcul());
}
