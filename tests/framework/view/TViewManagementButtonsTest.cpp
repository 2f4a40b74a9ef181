#include "WizardTestHost.h"

#include "model/TCompteRendu.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "TAction.h"
#include "TPanel.h"
#include "TTBXPopupMenu.h"
#include "TTBXSeparatorItem.h"
#include "TTBXSubmenuItem.h"
#include "TTimer.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>

#include <QTest>

using namespace screentest;
using namespace wizardtest;
using ::testing::ElementsAre;

namespace {

// A host's buttons presenter: its services record that they ran.
class HostButtons : public TPrManagementButtons
{
public:
    HostButtons(Journal& journal, TPrBaseForm* form, TModelAbstract* model,
                TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow)
        : TPrManagementButtons(form->getPanelManagementButtons(), form, model, invoker, flow),
          m_journal(journal)
    {}
    bool CanLanceEditionAutonome() override { return canPrint; }
    bool CacherImprimer() override { return hidePrint; }
    void LanceEditionAutonome() override { m_journal.add("LanceEditionAutonome"); }
    void ImportDossier() override { m_journal.add("ImportDossier"); }
    std::string getLibelleImportDossier() const override { return "Importer un &dossier"; }
    void ReinitialisationTotale() override { m_journal.add("ReinitialisationTotale"); }
    void ReinitialisationPartielle() override { m_journal.add("ReinitialisationPartielle"); }
    bool canPrint = true, hidePrint = false;

private:
    Journal& m_journal;
};

class PerformingScreen : public RecordingScreen
{
public:
    using RecordingScreen::RecordingScreen;
    void Perform() override { ++performs; }
    int performs = 0;
};

// A bar whose host goes to the chosen entries.
class HostBar : public TViewManagementButtons
{
public:
    using TViewManagementButtons::TViewManagementButtons;
    void ActionAllerA(std::string code) override { codes.push_back(code); }
    std::vector<std::string> codes;
};

// The texts of a menu's items in order, separators as "-", submenus as "caption>".
std::vector<std::string> Items(const TTBCustomItem* container)
{
    std::vector<std::string> texts;
    for (int i = 0; i < container->GetCount(); ++i) {
        const TTBCustomItem* item = container->GetItem(i);
        const bool submenu = dynamic_cast<const TTBXSubmenuItem*>(item);
        texts.push_back(dynamic_cast<const TTBXSeparatorItem*>(item)
                            ? "-"
                            : item->GetCaption() + (submenu ? ">" : ""));
    }
    return texts;
}

class TViewManagementButtonsTest : public QtLeakCheckedTest, protected WizardHarness
{
protected:
    void SetUp() override
    {
        // The first wizard window, tree list and menus of the process make Qt build singletons
        // that live as long as the application: let that happen before objects are counted.
        static bool warmedUp = false;
        if (!std::exchange(warmedUp, true)) {
            build(true, {{1}, {2, 100, 2}});
            withNavigation();
            buttons->AddService(0);
            buttons->AddService(3);
            form->getView()->Show();
            (void)QTest::qWaitForWindowExposed(form->getView());
            bar->Update();
            TcxTreeListNode* node = bar->AllerA_->AddChild();
            QTest::keyClick(bar->AllerA_, Qt::Key_Return);
            bar->AllerA_->SetFocusedNode(node);
            QTest::keyClick(bar->AllerA_, Qt::Key_Return);
            form->getView()->Hide();
            destroy();
        }
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        destroy();
        QtLeakCheckedTest::TearDown();
    }

    void destroy()
    {
        delete form;
        form = nullptr;
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
    }

    // A wizard on a small (800 x 600) or large desktop with the given screens, `active` showing.
    void build(bool small = false, const std::vector<Screen>& screens = {{1}}, int active = 1)
    {
        SetDesktopSizeOverride(small ? 800 : 1280, small ? 600 : 1024);
        BuildWizard(screens, active);
        buttons = new HostButtons(journal, form, &model, &invoker, flow);
        form->Add(buttons);
        bar = dynamic_cast<TViewManagementButtons*>(buttons->getView());
    }

    void withNavigation() { bar->SetComplexData(new NavData(&model, flow)); }

    // A screen presenter with a screen view holding one recording control.
    void withScreen()
    {
        screenPresenter = new TestScreenPresenter(journal, form->getPanelEcranVCL(), form, &model,
                                                  &invoker, flow);
        form->Add(screenPresenter);
        screen = new PerformingScreen(journal, form->getPanelEcranVCL(), screenPresenter);
        screen->controls = [this](RecordingScreen& view) {
            control = new RecordingControl(journal, kNom);
            view.AjouteControl(control);
        };
        screenPresenter->setView(screen);
        screen->InitView();
    }

    void addServices(std::initializer_list<int> codes)
    {
        for (const int code : codes)
            buttons->AddService(code);
        bar->Update();
    }

    TTBCustomItem* navigation() const { return bar->Menu_Navigation->GetItems(); }
    TTBCustomItem* services() const { return bar->Menu_Services->GetItems(); }

    Journal journal;
    HostButtons* buttons = nullptr;
    TViewManagementButtons* bar = nullptr;
    TestScreenPresenter* screenPresenter = nullptr;
    PerformingScreen* screen = nullptr;
    RecordingControl* control = nullptr;
};

TEST_F(TViewManagementButtonsTest, OnlyASmallDesktopHasTheNavigationButtonAndTheGoToPanelStartsOff)
{
    for (const bool small : {true, false}) {
        SCOPED_TRACE(small);
        build(small, {{1}, {2}});
        EXPECT_EQ(buttons->isButtonNavigation(), small);
        EXPECT_FALSE(bar->AllerAPanel->GetEnabled());
        EXPECT_FALSE(bar->AllerAPanel->GetVisible() || bar->AllerA_->GetVisible());
        EXPECT_FALSE(bar->m_TimerAllerA->GetEnabled());
        EXPECT_TRUE(bar->IDOK_->GetDefault() && bar->IDCANCEL_->GetCancel());
        EXPECT_EQ(bar->IDOK_->GetModalResult(), mrOk);
        EXPECT_EQ(bar->IDCANCEL_->GetModalResult(), mrCancel);
        if (!small) // a large desktop has no navigation button, even with data
            withNavigation();
        bar->Update();
        EXPECT_FALSE(bar->ButtonNavigation->GetVisible());
        EXPECT_EQ(navigation()->GetCount(), 0);
        EXPECT_EQ(bar->alignEuro.FormatValue(-1234.4), "-1 234 \x80");
        EXPECT_EQ(bar->alignEuroDeuxDec.FormatValue(1234.5), "1 234,50 \x80");
        destroy();
    }
}

TEST_F(TViewManagementButtonsTest, PreviousAndNextFollowThePositionInTheFlowAndMoveThroughIt)
{
    build(false, {{1}, {2}, {3}});
    for (const auto& [active, previous, next] :
         {std::tuple{1, false, true}, {2, true, true}, {3, true, false}}) {
        flow->setEnumEcranActif(active);
        bar->Update();
        EXPECT_EQ(bar->PB_PRECEDENT->GetEnabled(), previous) << active;
        EXPECT_EQ(bar->PB_SUIVANT->GetEnabled(), next) << active;
        EXPECT_TRUE(bar->PB_PRECEDENT->GetVisible() && bar->PB_SUIVANT->GetVisible());
    }
    bar->PB_PRECEDENT->Click();
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    bar->Update();
    bar->PB_SUIVANT->Click();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, (std::vector{2, 3}));

    // A single screen left hides both until the flow grows again.
    flow->SetOFF(2);
    flow->SetOFF(3);
    flow->setEnumEcranActif(1);
    bar->Update();
    EXPECT_FALSE(bar->PB_PRECEDENT->GetVisible() || bar->PB_SUIVANT->GetVisible());
    flow->SetON(2);
    bar->Update();
    EXPECT_TRUE(bar->PB_PRECEDENT->GetVisible() && bar->PB_SUIVANT->GetVisible());
}

TEST_F(TViewManagementButtonsTest, FinishAndCancelReportTheOutcomeAndGiveTheWindowItsResult)
{
    build();
    auto* window = dynamic_cast<TForm*>(form->getView());
    bar->IDOK_->Click();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(form->isCloseAllowed());
    EXPECT_EQ(window->GetModalResult(), mrOk);
    bar->IDCANCEL_->Click();
    EXPECT_EQ(form->getCompteRendu()->getUserAction(), 1);
    EXPECT_EQ(window->GetModalResult(), mrCancel);
}

// --- Services ---

TEST_F(TViewManagementButtonsTest, TheServicesButtonIsHiddenPlainOrAMenuByTheNumberOfServices)
{
    build();
    bar->Update();
    EXPECT_FALSE(bar->ButtonServices->GetVisible());

    addServices({2});
    EXPECT_TRUE(bar->ButtonServices->GetVisible());
    EXPECT_EQ(bar->ButtonServices->GetKind(), cxbkStandard);
    EXPECT_EQ(bar->ButtonServices->GetCaption(), "R\xE9initialiser &totalement la d\xE9"
                                                 "claration");
    bar->ButtonServices->Click();
    EXPECT_EQ(journal.count("ReinitialisationTotale"), 1u);
    buttons->RemoveService(2);

    addServices({4, 9, 0});
    bar->Update(); // rebuilt, not added to
    EXPECT_EQ(bar->ButtonServices->GetKind(), cxbkDropDown);
    EXPECT_EQ(bar->ButtonServices->GetAction(), nullptr);
    EXPECT_EQ(bar->ButtonServices->GetCaption(), "Services");
    EXPECT_THAT(Items(services()), ElementsAre("Voir tous les &messages",
                                               "Voir les pi\xE8"
                                               "ces \xE0 &joindre",
                                               "-", "&Imprimer"));
    EXPECT_EQ(services()->GetItem(0)->GetAction(), bar->ACT_Filtre_AuditGeneral);

    // Each item runs its service.
    withScreen();
    addServices({11, 1, 2, 3});
    journal.clear();
    for (int i = 0; i < services()->GetCount(); ++i)
        services()->GetItem(i)->trigger();
    for (const char* service : {"LanceEditionAutonome", "ImportDossier",
                                "ReinitialisationPartielle", "ReinitialisationTotale"})
        EXPECT_EQ(journal.count(service), 1u) << service;
    EXPECT_EQ(screen->performs, 1);
}

TEST_F(TViewManagementButtonsTest, PrintAndImportFollowTheHostsAnswers)
{
    build();
    buttons->canPrint = false;
    addServices({0});
    EXPECT_FALSE(bar->ButtonServices->GetEnabled()); // the print action says so

    addServices({11});
    EXPECT_TRUE(bar->ButtonServices->GetEnabled());
    EXPECT_FALSE(services()->GetItem(0)->GetEnabled());
    EXPECT_EQ(services()->GetItem(1)->GetCaption(), "Importer un &dossier");

    buttons->canPrint = true;
    buttons->hidePrint = true;
    bar->Update();
    EXPECT_TRUE(bar->ACT_Services_Imprimer->GetEnabled());
    EXPECT_FALSE(services()->GetItem(0)->GetVisible());

    buttons->RemoveService(0);
    buttons->RemoveService(11);
    bar->Update();
    EXPECT_FALSE(bar->ButtonServices->GetVisible());
}

TEST_F(TViewManagementButtonsTest, EachFilterReachesTheScreensAndCannotBeChosenWhileInForce)
{
    build();
    withScreen();
    // "All messages" is in force after construction, then each filter in turn.
    const std::vector<std::pair<TAction*, int>> filters = {
        {bar->ACT_Filtre_AuditGeneral, -1}, {bar->ACT_Filtre_Anomalies, 1},
        {bar->ACT_Filtre_Conseils, 0},      {bar->ACT_Filtre_Messages, 2},
        {bar->ACT_Filtre_PiecesJointes, 3}, {bar->ACT_Filtre_Avertissement, 4},
        {bar->ACT_Filtre_AuditGeneral, -1},
    };
    for (std::size_t i = 0; i < filters.size(); ++i) {
        const auto& [action, value] = filters[i];
        SCOPED_TRACE(action->GetCaption());
        if (i > 0) {
            LogCapture log;
            ASSERT_TRUE(action->Execute());
            EXPECT_EQ(control->filter, value);
            EXPECT_TRUE(log.contains("TPrEcranVCL::Update()")) << "the tree is refreshed";
        }
        EXPECT_EQ(bar->getFilter(), value);
        for (const auto& [other, otherValue] : filters)
            EXPECT_EQ(other->GetEnabled(), other != action) << other->GetCaption();
        control->filter = -100;
        EXPECT_FALSE(action->Execute());
        EXPECT_EQ(control->filter, -100);
    }
}

// --- Navigation menu ---

TEST_F(TViewManagementButtonsTest, EntriesNestUnderTheCurrentEntryOfTheLevelAbove)
{
    // Levels 3, 1, 2, 3, 4, 4, 1, 3, 2.
    const std::vector<Screen> screens = {{1, 100, 3}, {2}, {3, 100, 2}, {4, 100, 3}, {5, 100, 4},
                                         {6, 100, 4}, {7}, {8, 100, 3}, {9, 100, 2}};
    build(true, screens, 5);
    withNavigation();
    bar->Update();
    // An entry before any entry of the level above goes at the top.
    EXPECT_THAT(Items(navigation()), ElementsAre("Ecran 1", "Ecran 2>", "Ecran 7>"));
    const TTBCustomItem* n1 = navigation()->GetItem(1);
    EXPECT_THAT(Items(n1), ElementsAre("Ecran 3>"));
    // A new level-1 entry leaves the current level-2 entry in place: screen 8 goes under screen 3.
    EXPECT_THAT(Items(n1->GetItem(0)), ElementsAre("Ecran 4>", "Ecran 8"));
    const TTBCustomItem* n3 = n1->GetItem(0)->GetItem(0);
    EXPECT_THAT(Items(n3), ElementsAre("Ecran 5", "Ecran 6"));
    EXPECT_THAT(Items(navigation()->GetItem(2)), ElementsAre("Ecran 9"));
    EXPECT_EQ(n3->GetItem(1)->GetTag(), 5);
    EXPECT_EQ(navigation()->GetItem(2)->GetItem(0)->GetTag(), 8);
    EXPECT_TRUE(bar->ButtonNavigation->GetVisible());
}

TEST_F(TViewManagementButtonsTest, AnEntryMovesOnceTheScreenLeftAcceptsLandingPastHeadings)
{
    build(true, {{1}, {2, 0}, {3}, {4}});
    withNavigation();
    bar->Update();
    navigation()->GetItem(0)->trigger(); // the active entry
    EXPECT_EQ(gate->validations, 0);

    gate->accepts = false;
    navigation()->GetItem(3)->trigger();
    EXPECT_EQ(gate->validations, 1);
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_TRUE(form->changes.empty());
    bar->LancerNavigation(nullptr);
    EXPECT_EQ(gate->validations, 1);

    gate->accepts = true;
    navigation()->GetItem(1)->trigger();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, std::vector{3});
    EXPECT_EQ(gate->validations, 2);
}

// --- Go-to panel ---

TEST_F(TViewManagementButtonsTest, EnterOrADoubleClickOnAnEntryGoesToItsCodeAndClosesThePanel)
{
    build();
    delete buttons->getView();
    auto* hostBar = new HostBar(form->getPanelManagementButtons(), buttons);
    buttons->setView(hostBar);
    hostBar->AllerAPanel->SetVisible(true);
    hostBar->AllerAPanel->SetEnabled(true);
    TcxTreeListNode* node = hostBar->AllerA_->AddChild();
    node->SetValue(TViewManagementButtons::ColonneInfoCode, "101");

    hostBar->AllerAButton->Click();                    // opens the list; Finish waits
    QTest::keyClick(hostBar->AllerA_, Qt::Key_Return); // no row focused
    EXPECT_TRUE(hostBar->codes.empty());
    EXPECT_FALSE(hostBar->IDOK_->GetEnabled());
    EXPECT_TRUE(hostBar->AllerA_->GetTabStop() && hostBar->m_TimerAllerA->GetEnabled());
    EXPECT_FALSE(hostBar->PB_SUIVANT->GetTabStop());
    hostBar->AllerA_->SetFocusedNode(node);
    QTest::keyClick(hostBar->AllerA_, Qt::Key_Return);
    EXPECT_THAT(hostBar->codes, ElementsAre("101"));
    EXPECT_TRUE(hostBar->IDOK_->GetEnabled() && hostBar->PB_SUIVANT->GetTabStop());
    EXPECT_FALSE(hostBar->AllerA_->GetTabStop() || hostBar->m_TimerAllerA->GetEnabled());

    // A double click with no row under the pointer chooses nothing, focused row or not.
    hostBar->AllerAButton->Click();
    hostBar->AllerA_->SetFocusedNode(node);
    hostBar->AllerA_DblClick(hostBar->AllerA_);
    EXPECT_THAT(hostBar->codes, ElementsAre("101"));
    EXPECT_FALSE(hostBar->IDOK_->GetEnabled());
    const QPoint row =
        hostBar->AllerA_->visualRect(hostBar->AllerA_->model()->index(0, 0)).center();
    QTest::mouseClick(hostBar->AllerA_->viewport(), Qt::LeftButton, {}, row);
    hostBar->AllerA_DblClick(hostBar->AllerA_);
    EXPECT_THAT(hostBar->codes, ElementsAre("101", "101"));
    EXPECT_TRUE(hostBar->IDOK_->GetEnabled());
}

} // namespace
