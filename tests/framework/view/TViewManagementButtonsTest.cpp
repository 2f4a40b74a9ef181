#include "ScreenTestHost.h"

#include "model/TComplexDataNavigateTree.h"
#include "model/TCompteRendu.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TViewManagementButtons.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "TAction.h"
#include "TImageList.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"
#include "TTBXItem.h"
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

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

using namespace screentest;
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

// A host's buttons presenter: its services record that they ran.
class HostButtons : public TPrManagementButtons
{
public:
    HostButtons(Journal& journal, TPrBaseForm* form, TModelAbstract* model,
                TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow)
        : TPrManagementButtons(form->getPanelManagementButtons(), form, model, invoker, flow),
          m_journal(journal)
    {}
    void GetNavigationButtonName(std::string& name) override
    {
        if (!navigationName.empty())
            name = navigationName;
    }
    bool CanLanceEditionAutonome() override { return canPrint; }
    bool CacherImprimer() override { return hidePrint; }
    void LanceEditionAutonome() override { m_journal.add("LanceEditionAutonome"); }
    void ImportDossier() override { m_journal.add("ImportDossier"); }
    std::string getLibelleImportDossier() const override { return "Importer un &dossier"; }
    void ReinitialisationTotale() override { m_journal.add("ReinitialisationTotale"); }
    void ReinitialisationPartielle() override { m_journal.add("ReinitialisationPartielle"); }
    bool canPrint = true, hidePrint = false;
    std::string navigationName;

private:
    Journal& m_journal;
};

// A node of the tree that accepts or refuses its data.
class ValidatingPresenter : public TPrComposite
{
public:
    explicit ValidatingPresenter(TPrComposite* parent)
        : TPrComposite(parent, nullptr, nullptr, nullptr)
    {}
    bool DonneesValide(bool) override
    {
        ++asked;
        return valid;
    }
    bool valid = true;
    int asked = 0;
};

// The navigation data of a host whose screens sit at several levels: the screen's title and
// its level.
class LevelledNavigation : public TComplexDataNavigateTree
{
public:
    using TComplexDataNavigateTree::TComplexDataNavigateTree;
    bool GetLibelleTreeData(std::string& texte) override
    {
        texte = getCinematicManager()->GetDisplayScreenInfo(getCursor())->getTitre();
        return true;
    }
    bool GetNiveauTreeData(std::string& texte) override
    {
        texte =
            std::to_string(getCinematicManager()->GetDisplayScreenInfo(getCursor())->getNiveau());
        return true;
    }
};

// A screen whose Perform is recorded.
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

struct Screen
{
    int id;
    long idRessource;
    std::string titre;
    int niveau = 1;
};

// The texts of a menu's items in order, separators as "-", submenus as "caption>".
std::vector<std::string> Items(const TTBCustomItem* container)
{
    std::vector<std::string> texts;
    for (int i = 0; i < container->GetCount(); ++i) {
        const TTBCustomItem* item = container->GetItem(i);
        if (dynamic_cast<const TTBXSeparatorItem*>(item))
            texts.push_back("-");
        else if (dynamic_cast<const TTBXSubmenuItem*>(item))
            texts.push_back(item->GetCaption() + ">");
        else
            texts.push_back(item->GetCaption());
    }
    return texts;
}

class TViewManagementButtonsTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        m_savedColours = *TSingletonCouleur::GetInstance();
        // The first wizard window, tree list and menus of the process make Qt build singletons
        // that live as long as the application: let that happen before objects are counted.
        static bool warmedUp = false;
        if (!warmedUp) {
            warmedUp = true;
            build(800, 600, {{1, 10, "A"}, {2, 11, "B", 2}}, 1);
            withNavigation();
            buttons->AddService(0);
            buttons->AddService(3);
            form->getView()->Show();
            (void)QTest::qWaitForWindowExposed(form->getView());
            bar->Update();
            TcxTreeListNode* node = bar->AllerA_->AddChild();
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(bar->AllerA_, &key);
            bar->AllerA_->SetFocusedNode(node);
            QApplication::sendEvent(bar->AllerA_, &key);
            form->getView()->Hide();
            destroy();
        }
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        destroy();
        *TSingletonCouleur::GetInstance() = m_savedColours;
        QtLeakCheckedTest::TearDown();
    }

    void destroy()
    {
        delete form;
        form = nullptr;
        model.reset();
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
    }

    // A wizard on a desktop of `width` x `height` with the given screens, `active` showing.
    void build(int width, int height, const std::vector<Screen>& screens, int active)
    {
        SetDesktopSizeOverride(width, height);
        model = std::make_unique<TestModel>(&info);
        form = new CountingForm(nullptr, model.get(), &invoker);
        flow = new TCinematicManagerAbstract();
        for (const Screen& screen : screens) {
            flow->InitScreen(screen.id, screen.idRessource, screen.titre,
                             TScreenInformation::SELECTION_OUI, TScreenInformation::ON,
                             TScreenInformation::FAMILLE_DEFAUT);
            flow->GetInfoEcran(screen.id)->setNiveau(screen.niveau);
        }
        flow->setEnumEcranActif(active);
        form->setCinematicManager(flow);
        validator = new ValidatingPresenter(form);
        form->Add(validator);
        buttons = new HostButtons(journal, form, model.get(), &invoker, flow);
        form->Add(buttons);
        bar = dynamic_cast<TViewManagementButtons*>(buttons->getView());
        ASSERT_NE(bar, nullptr);
    }

    void withNavigation() { bar->SetComplexData(new LevelledNavigation(model.get(), flow)); }

    // A screen presenter with a screen view holding one recording control.
    void withScreen()
    {
        screenPresenter = new TestScreenPresenter(journal, form->getPanelEcranVCL(), form,
                                                  model.get(), &invoker, flow);
        form->Add(screenPresenter);
        screen = new PerformingScreen(journal, form->getPanelEcranVCL(), screenPresenter);
        screen->controls = [this](RecordingScreen& view) {
            control = new RecordingControl(journal, kNom);
            view.AjouteControl(control);
        };
        screenPresenter->setView(screen);
        screen->InitView();
    }

    // Replaces the bar by one whose host goes to the chosen entries.
    HostBar* withHostBar()
    {
        delete buttons->getView();
        auto* hostBar = new HostBar(form->getPanelManagementButtons(), buttons);
        buttons->setView(hostBar);
        bar = hostBar;
        return hostBar;
    }

    TTBCustomItem* navigation() const { return bar->Menu_Navigation->GetItems(); }
    TTBCustomItem* services() const { return bar->Menu_Services->GetItems(); }

    Journal journal;
    TInfoGene info;
    TMgtModelInvoker invoker;
    std::unique_ptr<TestModel> model;
    CountingForm* form = nullptr;
    TCinematicManagerAbstract* flow = nullptr;
    ValidatingPresenter* validator = nullptr;
    HostButtons* buttons = nullptr;
    TViewManagementButtons* bar = nullptr;
    TestScreenPresenter* screenPresenter = nullptr;
    PerformingScreen* screen = nullptr;
    RecordingControl* control = nullptr;
    TSingletonCouleur m_savedColours;
};

TEST_F(TViewManagementButtonsTest, TheButtonsArePlacedForTheDesktopAndColouredAsButtons)
{
    struct Case
    {
        int width, height;
        bool navigation;
        std::vector<int> lefts; // navigation, services, previous, next, finish, cancel
    };
    const Case cases[] = {{800, 600, true, {9, 109, 225, 325, 441, 541}},
                          {1280, 1024, false, {9, 29, 175, 275, 421, 521}}};
    TSingletonCouleur* colours = TSingletonCouleur::GetInstance();
    InitConfigcolors(*colours);
    colours->setColors(couleurBoutons, 0x00123456);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        build(c.width, c.height, {{1, 10, "A"}, {2, 11, "B"}}, 1);
        EXPECT_EQ(buttons->isButtonNavigation(), c.navigation);
        const std::vector<const TcxKelButton*> row = {
            bar->ButtonNavigation, bar->ButtonServices, bar->PB_PRECEDENT,
            bar->PB_SUIVANT,       bar->IDOK_,          bar->IDCANCEL_};
        for (std::size_t i = c.navigation ? 0 : 1; i < row.size(); ++i) {
            EXPECT_EQ(row[i]->GetLeft(), c.lefts[i]) << row[i]->GetCaption();
            EXPECT_EQ(row[i]->GetTop(), 17);
            EXPECT_EQ(row[i]->GetColorsDefault(), 0x00123456);
        }
        EXPECT_EQ(bar->AllerAButton->GetColorsDefault(), 0x00123456);
        EXPECT_FALSE(bar->AllerAPanel->GetEnabled());
        EXPECT_EQ(bar->AllerAPanel->GetColor(), bar->GetColor());
        EXPECT_TRUE(bar->IDOK_->GetDefault());
        EXPECT_EQ(bar->IDOK_->GetModalResult(), mrOk);
        EXPECT_TRUE(bar->IDCANCEL_->GetCancel());
        EXPECT_EQ(bar->IDCANCEL_->GetModalResult(), mrCancel);
        EXPECT_EQ(bar->ButtonNavigation->GetKind(), cxbkDropDown);
        EXPECT_EQ(bar->ButtonNavigation->GetDropDownMenu(), bar->Menu_Navigation);
        EXPECT_FALSE(bar->AllerAPanel->GetVisible());
        EXPECT_FALSE(bar->AllerA_->GetVisible());
        EXPECT_FALSE(bar->m_TimerAllerA->GetEnabled());
        EXPECT_EQ(bar->AllerAButton->GetImageIndex(), 0);
        EXPECT_EQ(bar->ImagesAudit->GetCount(), 6);
        if (!c.navigation) // a large desktop has no navigation button, even with data
            withNavigation();
        bar->Update();
        EXPECT_FALSE(bar->ButtonNavigation->GetVisible());
        EXPECT_EQ(navigation()->GetCount(), 0);
        destroy();
    }
}

TEST_F(TViewManagementButtonsTest, TheStylesOfTheGoToListAndTheAmountFormats)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
    EXPECT_EQ(bar->KelStyle_L0.GetColor(), 12250361);
    EXPECT_EQ(bar->KelStyle_L0.GetTextColor(), clNavy);
    EXPECT_TRUE(bar->KelStyle_L0.GetFontBold());
    EXPECT_EQ(bar->KelStyle_L0.GetFontHeight(), -11);
    EXPECT_EQ(bar->KelStyle_L1.GetColor(), 13497851);
    EXPECT_EQ(bar->KelStyle_L2.GetColor(), 14941179);
    EXPECT_EQ(bar->KelStyle_Ln.GetColor(), clWhite);
    EXPECT_FALSE(bar->KelStyle_L0_nocolor.HasTextColor());
    EXPECT_TRUE(bar->KelStyle_L1_nocolor_bold.GetFontBold());
    EXPECT_EQ(bar->KelStyle_Highlight.GetTextColor(), clBlue);
    EXPECT_EQ(bar->cxKelTLStSh_Default.Levels.size(), 4u);
    EXPECT_EQ(bar->cxKelTLStSh_Highlight.Levels[0], bar->KelStyle_L0_nocolor);
    EXPECT_EQ(bar->cxKelTLStSh_Default.ContentOdd, bar->KelStyle_Ln);
    EXPECT_EQ(bar->alignEuro.FormatValue(-1234.4), "-1 234 \x80");
    EXPECT_EQ(bar->alignEuroDeuxDec.FormatValue(1234.5), "1 234,50 \x80");
    EXPECT_EQ(bar->alignRight.GetAlignmentHorz(), taRightJustify);
    EXPECT_EQ(bar->ACT_Filtre_PiecesJointes->GetImageIndex(), 5);
    EXPECT_EQ(bar->ACT_Modifier_Declaration->GetCategory(), "Services");
}

TEST_F(TViewManagementButtonsTest, PreviousAndNextFollowThePositionInTheFlowAndMoveThroughIt)
{
    build(1280, 1024, {{1, 10, "A"}, {2, 11, "B"}, {3, 12, "C"}}, 1);
    const struct
    {
        int active;
        bool previous, next;
    } positions[] = {{1, false, true}, {2, true, true}, {3, true, false}};
    for (const auto& p : positions) {
        flow->setEnumEcranActif(p.active);
        bar->Update();
        EXPECT_EQ(bar->PB_PRECEDENT->GetEnabled(), p.previous) << p.active;
        EXPECT_EQ(bar->PB_SUIVANT->GetEnabled(), p.next) << p.active;
        EXPECT_TRUE(bar->PB_PRECEDENT->GetVisible());
        EXPECT_TRUE(bar->PB_SUIVANT->GetVisible());
    }
    bar->PB_PRECEDENT->Click();
    EXPECT_EQ(flow->getEnumEcranActif(), 2);
    bar->Update();
    bar->PB_SUIVANT->Click();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, 2);

    // A single screen left hides both until the flow grows again.
    flow->SetOFF(2);
    flow->SetOFF(3);
    flow->setEnumEcranActif(1);
    bar->Update();
    EXPECT_FALSE(bar->PB_PRECEDENT->GetVisible());
    EXPECT_FALSE(bar->PB_SUIVANT->GetVisible());
    flow->SetON(2);
    bar->Update();
    EXPECT_TRUE(bar->PB_PRECEDENT->GetVisible());
    EXPECT_TRUE(bar->PB_SUIVANT->GetVisible());
}

TEST_F(TViewManagementButtonsTest, FinishAndCancelReportTheOutcomeAndGiveTheWindowItsResult)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
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
    build(1280, 1024, {{1, 10, "A"}}, 1);
    bar->Update();
    EXPECT_FALSE(bar->ButtonServices->GetVisible());
    EXPECT_EQ(services()->GetCount(), 0);

    buttons->AddService(2);
    bar->Update();
    EXPECT_TRUE(bar->ButtonServices->GetVisible());
    EXPECT_EQ(bar->ButtonServices->GetKind(), cxbkStandard);
    EXPECT_EQ(bar->ButtonServices->menu(), nullptr);
    EXPECT_EQ(bar->ButtonServices->GetCaption(), "R\xE9initialiser &totalement la d\xE9"
                                                 "claration");
    bar->ButtonServices->Click();
    EXPECT_EQ(journal.count("ReinitialisationTotale"), 1u);
    buttons->RemoveService(2);

    for (const int code : {4, 9, 0})
        buttons->AddService(code);
    for (int update = 0; update < 2; ++update) { // rebuilt, not added to
        bar->Update();
        EXPECT_EQ(bar->ButtonServices->GetKind(), cxbkDropDown);
        EXPECT_EQ(bar->ButtonServices->GetAction(), nullptr);
        EXPECT_EQ(bar->ButtonServices->GetCaption(), "Services");
        EXPECT_EQ(bar->ButtonServices->menu(), bar->Menu_Services);
        EXPECT_THAT(Items(services()), ElementsAre("Voir tous les &messages",
                                                   "Voir les pi\xE8"
                                                   "ces \xE0 &joindre",
                                                   "-", "&Imprimer"));
    }
    EXPECT_EQ(services()->GetItem(0)->GetAction(), bar->ACT_Filtre_AuditGeneral);
}

TEST_F(TViewManagementButtonsTest, PrintAndImportFollowTheHostsAnswers)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
    buttons->canPrint = false;
    buttons->AddService(0);
    bar->Update();
    EXPECT_FALSE(bar->ButtonServices->GetEnabled()); // the print action says so

    buttons->AddService(11);
    bar->Update();
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
    bar->ACT_Services_Imprimer->SetVisible(true); // no longer linked: the button stays hidden
    EXPECT_FALSE(bar->ButtonServices->GetVisible());
}

TEST_F(TViewManagementButtonsTest, ServiceItemsRunTheHostsServices)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
    withScreen();
    for (const int code : {0, 11, 1, 2, 3})
        buttons->AddService(code);
    bar->Update();
    for (int i = 0; i < services()->GetCount(); ++i)
        services()->GetItem(i)->trigger();
    EXPECT_EQ(journal.count("LanceEditionAutonome"), 1u);
    EXPECT_EQ(journal.count("ImportDossier"), 1u);
    EXPECT_EQ(journal.count("ReinitialisationPartielle"), 1u);
    EXPECT_EQ(journal.count("ReinitialisationTotale"), 1u);
    EXPECT_EQ(screen->performs, 1);
}

// --- Audit filters ---

TEST_F(TViewManagementButtonsTest, EachFilterReachesTheScreensAndCannotBeChosenWhileInForce)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
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
            EXPECT_TRUE(log.contains("--TViewEcranVCL::setFilter()"));
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
    build(800, 600,
          {{1, 9, "N3 d'abord", 3},
           {2, 10, "N1", 1},
           {3, 11, "N2", 2},
           {4, 12, "N3", 3},
           {5, 13, "N4", 4},
           {6, 14, "N4b", 4},
           {7, 15, "N1b", 1},
           {8, 16, "N3b", 3},
           {9, 17, "N2b", 2}},
          5);
    withNavigation();
    buttons->navigationName = "\xC9"
                              "crans";
    bar->Update();
    // An entry before any entry of the level above goes at the top.
    EXPECT_THAT(Items(navigation()), ElementsAre("N3 d'abord", "N1>", "N1b>"));
    const TTBCustomItem* n1 = navigation()->GetItem(1);
    EXPECT_THAT(Items(n1), ElementsAre("N2>"));
    // A new level-1 entry leaves the current level-2 entry in place: N3b goes under N2.
    EXPECT_THAT(Items(n1->GetItem(0)), ElementsAre("N3>", "N3b"));
    const TTBCustomItem* n3 = n1->GetItem(0)->GetItem(0);
    EXPECT_THAT(Items(n3), ElementsAre("N4", "N4b"));
    EXPECT_THAT(Items(navigation()->GetItem(2)), ElementsAre("N2b"));
    EXPECT_EQ(n3->GetItem(1)->GetTag(), 5);
    EXPECT_EQ(navigation()->GetItem(2)->GetItem(0)->GetTag(), 8);
    // The entry of the active screen is bold.
    EXPECT_TRUE(n3->GetItem(0)->GetBold());
    EXPECT_FALSE(n3->GetItem(1)->GetBold());
    EXPECT_TRUE(bar->ButtonNavigation->GetVisible());
    EXPECT_EQ(bar->ButtonNavigation->GetCaption(), "\xC9"
                                                   "crans");
    // Qt's menus show the same tree.
    ASSERT_NE(n3->menu(), nullptr);
    EXPECT_EQ(n3->menu()->actions().size(), 2);
    EXPECT_EQ(bar->Menu_Navigation->actions().size(), 3);
}

TEST_F(TViewManagementButtonsTest, ASingleEntryLeavesTheButtonAsItWas)
{
    build(800, 600, {{1, 10, "Seul"}}, 1);
    withNavigation();
    for (const bool visible : {false, true}) {
        bar->ButtonNavigation->SetVisible(visible);
        bar->Update();
        EXPECT_EQ(navigation()->GetCount(), 1);
        EXPECT_EQ(bar->ButtonNavigation->GetVisible(), visible);
        EXPECT_EQ(bar->ButtonNavigation->GetCaption(), "Navigation");
    }
}

TEST_F(TViewManagementButtonsTest, AnEntryMovesOnceTheScreenLeftAcceptsLandingPastHeadings)
{
    build(800, 600, {{1, 10, "A"}, {2, 0, "Titre"}, {3, 12, "C"}, {4, 13, "D"}}, 1);
    withNavigation();
    bar->Update();
    navigation()->GetItem(0)->trigger(); // the active entry
    EXPECT_EQ(validator->asked, 0);

    validator->valid = false;
    navigation()->GetItem(3)->trigger();
    EXPECT_EQ(validator->asked, 1);
    EXPECT_EQ(flow->getEnumEcranActif(), 1);
    EXPECT_EQ(form->changes, 0);
    bar->LancerNavigation(nullptr);
    EXPECT_EQ(validator->asked, 1);

    validator->valid = true;
    navigation()->GetItem(1)->trigger();
    EXPECT_EQ(flow->getEnumEcranActif(), 3);
    EXPECT_EQ(form->changes, 1);
    EXPECT_EQ(validator->asked, 2);
}

TEST_F(TViewManagementButtonsTest, TenThousandRefreshesLeaveAsManyObjectsAsTheFirst)
{
    build(800, 600,
          {{1, 10, "A"},
           {2, 11, "B", 2},
           {3, 12, "C", 3},
           {4, 13, "D", 4},
           {5, 14, "E"},
           {6, 15, "F", 2},
           {7, 16, "G"}},
          4);
    withNavigation();
    for (const int code : {4, 5, 9, 0, 11})
        buttons->AddService(code);
    QWidget* window = form->getView();
    bar->Update();
    const qsizetype objects = window->findChildren<QObject*>().size();
    const qsizetype alive = liveQObjectCount();
    for (int i = 1; i < 10000; ++i)
        bar->Update();
    EXPECT_EQ(window->findChildren<QObject*>().size(), objects);
    EXPECT_EQ(liveQObjectCount(), alive);
}

// --- Go-to panel ---

TEST_F(TViewManagementButtonsTest, TheGoToPanelOpensAndClosesAndItsButtonStaysTopRight)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
    const int left = bar->AllerAButton->GetLeft();
    bar->AllerAPanel->SetWidth(bar->AllerAPanel->GetWidth() + 30);
    EXPECT_EQ(bar->AllerAButton->GetLeft(), left + 30);
    EXPECT_EQ(bar->AllerAButton->GetTop(), 0);
    bar->AllerAPanel->SetVisible(true);
    bar->AllerAPanel->SetEnabled(true);
    const struct
    {
        int panel, list, buttonTop, image;
        bool open;
    } steps[] = {{65, 90, 50, 1, true}, {10, 0, -5, 0, false}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.open);
        bar->AllerAButton->Click();
        EXPECT_EQ(bar->AllerAPanel->GetHeight(), s.panel);
        EXPECT_EQ(bar->AllerA_->GetHeight(), s.list);
        EXPECT_EQ(bar->AllerAButton->GetTop(), s.buttonTop);
        EXPECT_EQ(bar->AllerAButton->GetImageIndex(), s.image);
        EXPECT_EQ(bar->IDOK_->GetEnabled(), !s.open);
        EXPECT_EQ(bar->m_TimerAllerA->GetEnabled(), s.open);
        EXPECT_EQ(bar->AllerA_->GetTabStop(), s.open);
        for (const TcxKelButton* button :
             {bar->IDOK_, bar->IDCANCEL_, bar->PB_PRECEDENT, bar->PB_SUIVANT, bar->ButtonServices})
            EXPECT_EQ(button->GetTabStop(), !s.open) << button->GetCaption();
    }
}

TEST_F(TViewManagementButtonsTest, EnterOrADoubleClickOnAnEntryGoesToItsCodeAndClosesThePanel)
{
    build(1280, 1024, {{1, 10, "A"}}, 1);
    HostBar* hostBar = withHostBar();
    hostBar->AllerAPanel->SetVisible(true);
    hostBar->AllerAPanel->SetEnabled(true);
    TcxTreeListNode* node = hostBar->AllerA_->AddChild();
    node->SetValue(TViewManagementButtons::ColonneInfoCode, "101");
    node->SetValue(TViewManagementButtons::ColonneInfoLibelle, "Salaires");

    hostBar->AllerAButton->Click();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(hostBar->AllerA_, &enter); // no row focused
    EXPECT_TRUE(hostBar->codes.empty());
    EXPECT_EQ(hostBar->AllerAPanel->GetHeight(), 65);

    hostBar->AllerA_->SetFocusedNode(node);
    QApplication::sendEvent(hostBar->AllerA_, &enter);
    EXPECT_THAT(hostBar->codes, ElementsAre("101"));
    EXPECT_EQ(hostBar->AllerAPanel->GetHeight(), 10);

    // A double click with no row under the pointer chooses nothing, focused row or not.
    hostBar->AllerAButton->Click();
    hostBar->AllerA_->SetFocusedNode(node);
    hostBar->AllerA_DblClick(hostBar->AllerA_);
    EXPECT_THAT(hostBar->codes, ElementsAre("101"));
    EXPECT_EQ(hostBar->AllerAPanel->GetHeight(), 65);

    const QPoint row =
        hostBar->AllerA_->visualRect(hostBar->AllerA_->model()->index(0, 0)).center();
    QWidget* viewport = hostBar->AllerA_->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, row, viewport->mapToGlobal(row), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, row, viewport->mapToGlobal(row), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
    hostBar->AllerA_DblClick(hostBar->AllerA_);
    EXPECT_THAT(hostBar->codes, ElementsAre("101", "101"));
    EXPECT_EQ(hostBar->AllerAPanel->GetHeight(), 10);
}

} // namespace
