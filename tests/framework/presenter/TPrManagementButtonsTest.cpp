#include "PresenterDoubles.h"

#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "presenter/TServiceManager.h"
#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "TAction.h"
#include "TInfoGene.h"
#include "TPanel.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPointer>

#include <string>
#include <utility>
#include <vector>

using ::testing::ElementsAre;

namespace {

// A wizard form presenter that counts its screen changes.
class CountingForm : public TPrBaseForm
{
public:
    using TPrBaseForm::TPrBaseForm;
    void ChangeScreen() override
    {
        ++changes;
        TPrBaseForm::ChangeScreen();
    }
    int changes = 0;
};

struct Screen
{
    int id;
    long idRessource;
};

// A wizard of recording screens: the form presenter at the root, one screen presenter that
// accepts or refuses its data, and the buttons presenter, on a flow of the given screens.
class TPrManagementButtonsTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        static bool warmedUp = false;
        if (!warmedUp) {
            warmedUp = true;
            WarmUpShownWindows();
            build({{1, 10}}, 1);
            delete form;
            form = nullptr;
            flushQtEvents();
            flushDeletedGestures();
        }
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        delete form;
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    void build(const std::vector<Screen>& screens, int active)
    {
        form = new CountingForm(nullptr, &model, nullptr);
        flow = new TCinematicManagerAbstract();
        for (const Screen& screen : screens)
            flow->InitScreen(screen.id, screen.idRessource, "", TScreenInformation::SELECTION_OUI,
                             TScreenInformation::ON, TScreenInformation::FAMILLE_DEFAUT);
        flow->setEnumEcranActif(active);
        form->setCinematicManager(flow);
        screen = new RecordingPresenter(journal, "screen", form, &model, flow);
        form->Add(screen);
        buttons = new TPrManagementButtons(form->getPanelManagementButtons(), form, &model, nullptr,
                                           flow);
        form->Add(buttons);
    }

    TViewManagementButtons* bar() const
    {
        return dynamic_cast<TViewManagementButtons*>(buttons->getView());
    }

    Journal journal;
    TInfoGene info;
    QuietModel model{&info};
    CountingForm* form = nullptr;
    TCinematicManagerAbstract* flow = nullptr;
    RecordingPresenter* screen = nullptr;
    TPrManagementButtons* buttons = nullptr;
};

// --- Construction ---

TEST_F(TPrManagementButtonsTest, TheNavigationButtonIsWantedOnlyOnASmallDesktop)
{
    SetDesktopSizeOverride(800, 600);
    TPrManagementButtons small(nullptr, nullptr, &model, nullptr, nullptr);
    EXPECT_TRUE(small.isButtonNavigation());
    SetDesktopSizeOverride(1024, 768);
    TPrManagementButtons large(nullptr, nullptr, &model, nullptr, nullptr);
    EXPECT_FALSE(large.isButtonNavigation());
    EXPECT_FALSE(large.isButtonAudit());
}

TEST_F(TPrManagementButtonsTest, TheBarIsBuiltInTheOwnerPanelWithAnEmptyServiceList)
{
    build({{1, 10}}, 1);
    ASSERT_NE(bar(), nullptr);
    EXPECT_EQ(bar()->parentWidget(), form->getPanelManagementButtons());
    EXPECT_EQ(bar()->getPresenter(), buttons);
    ASSERT_NE(buttons->getServiceManager(), nullptr);
    EXPECT_EQ(buttons->getServiceManager()->getNbService(), 0);
    EXPECT_FALSE(buttons->BeginServiceButtonData());
}

// --- Moves ---

TEST_F(TPrManagementButtonsTest, NextScreenRefusedByAScreenNeitherMovesNorTracesNorChangesScreen)
{
    build({{1, 10}, {2, 11}}, 1);
    screen->setValid(false);
    LogCapture log;
    buttons->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_EQ(form->changes, 0);
    EXPECT_FALSE(log.contains("TPresenterAbstract::NextScreen()"));
    EXPECT_EQ(journal.count("screen.DonneesValide(true)"), 1u);
}

TEST_F(TPrManagementButtonsTest, NextScreenPassesOverHeadingsToTheNextScreenWithAPage)
{
    build({{1, 10}, {2, 0}, {3, 0}, {4, 12}}, 1);
    LogCapture log;
    buttons->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 4);
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(log.count("TPresenterAbstract::NextScreen()"), 1u);
}

TEST_F(TPrManagementButtonsTest, PreviousScreenPassesOverHeadingsBackwards)
{
    build({{1, 10}, {2, -3}, {3, 0}, {4, 12}}, 4);
    LogCapture log;
    buttons->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(log.count("TPresenterAbstract::PreviousScreen()"), 1u);
}

TEST_F(TPrManagementButtonsTest, NextScreenEndsOnTheLastHeadingAndStillChangesTheScreen)
{
    build({{1, 10}, {2, 0}, {3, 0}}, 1);
    buttons->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, 1);

    // At the end of the flow nothing moves, but the screens are rebuilt all the same.
    buttons->NextScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, 2);
}

TEST_F(TPrManagementButtonsTest, FirstAndLastScreenGoToTheEndsOfTheFlowEvenOnAHeading)
{
    build({{1, 0}, {2, 10}, {3, 11}, {4, 0}}, 2);
    LogCapture log;
    buttons->FirstScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    buttons->LastScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 4);
    EXPECT_EQ(form->changes, 2);
    EXPECT_THAT(log.messages(),
                ElementsAre("TPrComposite::EcranValide()", "TPrComposite::EcranValide()",
                            "TPrComposite::EcranValide()", "TPresenterAbstract::FirstScreen()",
                            "TPrComposite::EcranValide()", "TPrComposite::EcranValide()",
                            "TPrComposite::EcranValide()", "TPresenterAbstract::LastScreen()"));
}

TEST_F(TPrManagementButtonsTest, FirstScreenRefusedByAScreenStaysWhereItIs)
{
    build({{1, 10}, {2, 11}}, 2);
    screen->setValid(false);
    buttons->FirstScreen();
    buttons->LastScreen();
    buttons->PreviousScreen();
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    EXPECT_EQ(form->changes, 0);
}

TEST_F(TPrManagementButtonsTest, FirstAndLastFollowTheFlow)
{
    build({{1, 10}, {2, 11}, {3, 12}}, 1);
    EXPECT_TRUE(buttons->IsFirstScreen());
    EXPECT_FALSE(buttons->IsLastScreen());
    flow->setEnumEcranActif(3);
    EXPECT_FALSE(buttons->IsFirstScreen());
    EXPECT_TRUE(buttons->IsLastScreen());

    TPrManagementButtons noFlow(nullptr, nullptr, &model, nullptr, nullptr);
    EXPECT_TRUE(noFlow.IsFirstScreen());
    EXPECT_TRUE(noFlow.IsLastScreen());
    noFlow.NextScreen(); // nothing to move, nothing to break
}

// --- Outcome ---

TEST_F(TPrManagementButtonsTest, OkReportsFinishedAndLetsTheFormClose)
{
    build({{1, 10}}, 1);
    buttons->Ok();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(form->isCloseAllowed());
    EXPECT_EQ(buttons->getCompteRendu()->getUserAction(), 1) << "the root's report only";
}

TEST_F(TPrManagementButtonsTest, CancelReportsAbandonAndLeavesTheCloseToTheWindow)
{
    build({{1, 10}}, 1);
    form->getCompteRendu()->setUserAction(0);
    buttons->Cancel();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 1);
    EXPECT_FALSE(form->isCloseAllowed());
}

TEST_F(TPrManagementButtonsTest, APresenterWithoutRootReportsInItsOwnReport)
{
    TPrManagementButtons alone(nullptr, nullptr, &model, nullptr, nullptr);
    alone.Ok();
    EXPECT_EQ(alone.getCompteRendu()->getUserAction(), 0);
    alone.Cancel();
    EXPECT_EQ(alone.getCompteRendu()->getUserAction(), 1);
}

// --- Services ---

TEST_F(TPrManagementButtonsTest, EachServiceCodeAddsTheBarsActionInTheOrderAdded)
{
    build({{1, 10}}, 1);
    const TViewManagementButtons* view = bar();
    const std::vector<std::pair<int, TAction*>> table = {
        {11, view->ACT_Services_Import},         {0, view->ACT_Services_Imprimer},
        {1, view->ACT_Services_ReinitPartielle}, {2, view->ACT_Services_ReintTotale},
        {3, view->ACT_Modifier_Declaration},     {4, view->ACT_Filtre_AuditGeneral},
        {5, view->ACT_Filtre_Anomalies},         {6, view->ACT_Filtre_Avertissement},
        {7, view->ACT_Filtre_Conseils},          {8, view->ACT_Filtre_Messages},
        {9, view->ACT_Filtre_PiecesJointes},
    };
    for (const auto& [code, action] : table)
        buttons->AddService(code);

    std::vector<TAction*> walked;
    for (bool more = buttons->BeginServiceButtonData(); more;
         more = buttons->NextServiceButtonData())
        walked.push_back(buttons->GetServiceButtonData());
    ASSERT_EQ(walked.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(walked[i], table[i].second) << "code " << table[i].first;
}

TEST_F(TPrManagementButtonsTest, CodesOutsideTheTableAndRepeatedCodesChangeNothing)
{
    build({{1, 10}}, 1);
    for (const int code : {10, -1, 12, 1000})
        buttons->AddService(code);
    EXPECT_EQ(buttons->getServiceManager()->getNbService(), 0);

    buttons->AddService(0);
    buttons->AddService(0);
    buttons->RemoveService(5); // never added
    buttons->RemoveService(10);
    EXPECT_EQ(buttons->getServiceManager()->getNbService(), 1);
    buttons->RemoveService(0);
    EXPECT_EQ(buttons->getServiceManager()->getNbService(), 0);
}

TEST_F(TPrManagementButtonsTest, DestroyingThePresenterDestroysTheListedActionsBeforeTheBar)
{
    build({{1, 10}}, 1);
    QPointer<TAction> listed(bar()->ACT_Services_Imprimer);
    QPointer<TAction> unlisted(bar()->ACT_Services_Import);
    buttons->AddService(0);
    form->Remove(buttons);
    delete buttons;
    EXPECT_TRUE(listed.isNull());
    EXPECT_TRUE(unlisted.isNull()); // with the bar
}

TEST_F(TPrManagementButtonsTest, ABarDestroyedWithItsPanelLeavesNoActionToDestroyTwice)
{
    auto* panel = new TPanel();
    auto* alone = new TPrManagementButtons(panel, nullptr, &model, nullptr, nullptr);
    alone->AddService(0);
    alone->AddService(4);
    delete panel;
    EXPECT_EQ(alone->getView(), nullptr);
    EXPECT_FALSE(alone->BeginServiceButtonData() && alone->GetServiceButtonData());
    delete alone;
}

TEST_F(TPrManagementButtonsTest, ACopyKeepsTheFlagsButNeitherTheBarNorTheServices)
{
    build({{1, 10}}, 1);
    buttons->setButtonAudit(true);
    const TPrManagementButtons copy(*buttons);
    EXPECT_TRUE(copy.isButtonAudit());
    EXPECT_EQ(copy.isButtonNavigation(), buttons->isButtonNavigation());
    EXPECT_EQ(copy.getServiceManager(), nullptr);
    EXPECT_EQ(copy.getView(), nullptr);
    EXPECT_FALSE(copy == *buttons);
}

} // namespace
