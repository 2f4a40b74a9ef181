#include "ScreenTestHost.h"

#include "controls/TControlDisplayInfo.h"
#include "flow/TScreenInformation.h"
#include "model/TLieManager.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"

#include "DesktopMetrics.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "qlettre.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace screentest;
using ::testing::ElementsAre;

namespace {

// A display record that says when it is destroyed.
class WatchedInfo : public TControlDisplayInfo
{
public:
    explicit WatchedInfo(bool& destroyed) : m_destroyed(destroyed) {}
    ~WatchedInfo() override { m_destroyed = true; }

private:
    bool& m_destroyed;
};

// One screen presenter on a flow of two screens, with a model whose letter 30 is linked to
// an entered-value letter 31. By default the presenter is alone (no wizard form presenter);
// withForm() puts a wizard form presenter at the root.
class TViewEcranVCLTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        WarmUpWidgetsOnce();
        FlushGestures();
        QtLeakCheckedTest::SetUp();
        SetDesktopSizeOverride(1280, 1024);
        info.setApplicationName("Kelmar");
        model = std::make_unique<TestModel>(&info);
        flux.reset(NouveauFlux(2));
        panel = new TPanel();
        presenter =
            new TestScreenPresenter(journal, panel, nullptr, model.get(), &invoker, flux.get());
    }
    void TearDown() override
    {
        if (form)
            delete form; // owns the presenter and the flow
        else
            delete presenter;
        delete panel;
        flux.reset();
        SetDesktopSizeOverride(0, 0);
        FlushGestures();
        QtLeakCheckedTest::TearDown();
    }

    void withForm()
    {
        delete presenter;
        form = new TPrBaseForm(nullptr, model.get(), &invoker);
        form->setCinematicManager(flux.release());
        presenter = new TestScreenPresenter(journal, panel, form, model.get(), &invoker,
                                            form->getCinematicManager());
        form->Add(presenter);
    }

    // A recording screen whose InitControls runs `controls`; owned by the presenter.
    RecordingScreen* makeScreen(std::function<void(RecordingScreen&)> controls)
    {
        auto* screen = new RecordingScreen(journal, panel, presenter);
        screen->controls = std::move(controls);
        presenter->setView(screen);
        screen->InitView();
        return screen;
    }

    RecordingControl* add(RecordingScreen& screen, int lettrage, TComponent* component = nullptr)
    {
        auto* control = new RecordingControl(journal, lettrage, component);
        screen.AjouteControl(control);
        return control;
    }

    void setTypeEcran(int type)
    {
        TCinematicManagerAbstract* flow = presenter->getCinematicManager();
        flow->GetInfoEcran(flow->getEnumEcranActif())->setTypeScreen(type);
    }

    Journal journal;
    TInfoGene info;
    std::unique_ptr<TestModel> model;
    TMgtModelInvoker invoker;
    std::unique_ptr<TCinematicManagerAbstract> flux;
    TPanel* panel = nullptr;
    TPrBaseForm* form = nullptr;
    TestScreenPresenter* presenter = nullptr;
};

// --- Construction ---

TEST_F(TViewEcranVCLTest, ConstructionRunsTheHostPartsOnceAndDestructionFreesWhatTheViewHolds)
{
    LogCapture log;
    RecordingScreen* screen = makeScreen([this](RecordingScreen& s) {
        add(s, 10);
        add(s, 20);
        s.AjouteControlController(new RecordingController(journal, "date", nullptr, false));
    });
    EXPECT_THAT(journal.entries(),
                ElementsAre("InitCouleurs", "InitControls", "SetIdValue 10", "SetIdValue 20",
                            "InitComplexData", "SetOnChangeControl"));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::TViewEcranVCL()",
                                            "--TViewEcranVCL::AjouteControl() lettrage: 10",
                                            "--TViewEcranVCL::AjouteControl() lettrage: 20",
                                            "--TViewEcranVCL::CreeLettrageEcranLie()"));
    EXPECT_TRUE(screen->isInitialised());
    EXPECT_EQ(screen->parentWidget(), panel);
    EXPECT_EQ(screen->pos(), QPoint(0, 0));
    EXPECT_EQ(screen->getPresenter(), presenter);
    EXPECT_FALSE(screen->GetVisible()); // until its presenter shows it

    journal.clear();
    screen->InitView();
    EXPECT_TRUE(journal.entries().empty());
    screen->setListeLettre(NouvelleListe({10, 20}));
    screen->setListeLettreStatic(NouvelleListe({90}));
    delete presenter; // destroys its view
    presenter = nullptr;
    EXPECT_THAT(journal.entries(), ElementsAre("~RecordingScreen", "~ 20", "~ 10", "~date"));
    EXPECT_TRUE(log.contains("--TViewEcranVCL::~TViewEcranVCL()"));
}

// --- Passes and lookups ---

TEST_F(TViewEcranVCLTest, PassesVisitControlsInReverseOrderOfRegistration)
{
    RecordingControl* first = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        first = add(s, 10);
        add(s, 20);
        add(s, 30);
        s.setListeLettre(NouvelleListe({10, 20, 30}));
        s.setListeLettreStatic(NouvelleListe({90}));
    });
    journal.clear();
    LogCapture log;
    screen->TViewEcranVCL::LettrageVersEcran();
    screen->EcranVersLettrage();
    screen->setFilter(3);
    EXPECT_THAT(journal.entries(),
                ElementsAre("LettrageVersEcran 30", "LettrageVersEcran 20", "LettrageVersEcran 10",
                            "EcranVersLettrage 30", "EcranVersLettrage 20", "EcranVersLettrage 10",
                            "setFilter 30", "setFilter 20", "setFilter 10"));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::LettrageVersEcran()",
                                            "--TViewEcranVCL::EcranVersLettrage()",
                                            "--TViewEcranVCL::setFilter()"));
    EXPECT_EQ(first->lastListe, screen->getListeLettre());
    EXPECT_EQ(first->lastListeStatic, screen->getListeLettreStatic());
    EXPECT_EQ(first->filter, 3);

    journal.clear();
    log.clear();
    screen->Update();
    EXPECT_THAT(journal.entries(),
                ElementsAre("view.UpdateControl", "Update 30", "Update 20", "Update 10",
                            "view.LettrageVersEcran", "LettrageVersEcran 30",
                            "LettrageVersEcran 20", "LettrageVersEcran 10", "view.UpdateSelection",
                            "UpdateSelection 30", "UpdateSelection 20", "UpdateSelection 10"));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::UpdateControl()",
                                            "--TViewEcranVCL::LettrageVersEcran()",
                                            "--TViewEcranVCL::UpdateSelection()"));
}

TEST_F(TViewEcranVCLTest, LookupsFindTheControlRegisteredLast)
{
    TEdit* edit = new TEdit(panel);
    RecordingControl* older = nullptr;
    RecordingControl* newer = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        older = add(s, 10, edit);
        newer = add(s, 10, edit);
        add(s, 20);
    });
    EXPECT_EQ(*screen->getControl(10), newer);
    EXPECT_EQ(*screen->getControl(edit), newer);
    EXPECT_EQ(screen->FindControl(10), newer);
    EXPECT_EQ(screen->getControl(11), screen->getControlEnd());
    EXPECT_EQ(screen->FindControl(11), nullptr);
    EXPECT_EQ(screen->FindControl(static_cast<TComponent*>(panel)), nullptr);
    EXPECT_EQ(screen->FindControl(static_cast<TComponent*>(nullptr)), nullptr);
    EXPECT_EQ(screen->getListeControl().back(), older);
}

TEST_F(TViewEcranVCLTest, UpdateSelectionRewritesCheckBoxCaptionsThroughThePresenter)
{
    TcxCheckBox* box = new TcxCheckBox(panel);
    box->SetText("Client de #PRODUIT# d\xE9j\xE0");
    TEdit* edit = new TEdit(panel);
    edit->SetText("#PRODUIT#");
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        add(s, kCoche, box);
        add(s, kNom, edit);
    });
    screen->TViewEcranVCL::UpdateSelection();
    EXPECT_EQ(box->GetText(), "Client de Kelmar d\xE9j\xE0");
    EXPECT_EQ(edit->GetText(), "#PRODUIT#"); // only check-box captions are labels
}

// --- Display state ---

TEST_F(TViewEcranVCLTest, UpdateControlRegistersNewRecordsWithTheFormAndPassesThemBack)
{
    withForm();
    RecordingControl* tree = nullptr;
    RecordingControl* edit = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        tree = add(s, 10);
        edit = add(s, 20);
    });
    tree->createsDisplayInfo = true;

    screen->TViewEcranVCL::UpdateControl();
    EXPECT_EQ(tree->receivedInfo, nullptr);
    const auto kept = form->getControlDisplayInfo(10);
    ASSERT_NE(kept, form->getControlDisplayInfoEnd());
    EXPECT_EQ(form->getControlDisplayInfo(20), form->getControlDisplayInfoEnd());

    TControlDisplayInfo* record = *kept;
    screen->TViewEcranVCL::UpdateControl();
    EXPECT_EQ(tree->receivedInfo, record);
    EXPECT_EQ(edit->receivedInfo, nullptr);
    EXPECT_EQ(form->getControlDisplayInfoList().size(), 1u);
}

TEST_F(TViewEcranVCLTest, UpdateControlWithoutFormDeletesTheRecordAControlCreates)
{
    bool destroyed = false;
    class Creator : public RecordingControl
    {
    public:
        Creator(Journal& journal, bool& destroyed) : RecordingControl(journal, 10), m(destroyed) {}
        void Update(TControlDisplayInfo*& info) override
        {
            info = new WatchedInfo(m);
            m_displayInfo = info;
        }
        bool& m;
    };
    Creator* creator = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        creator = new Creator(journal, destroyed);
        s.AjouteControl(creator);
    });
    screen->TViewEcranVCL::UpdateControl();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(creator->m_displayInfo, nullptr);
}

TEST_F(TViewEcranVCLTest, SaveControlDisplayOnlyForKeptRecordsOfRefreshedControlsOfAForm)
{
    for (const bool withWizard : {false, true}) {
        SCOPED_TRACE(withWizard);
        if (withWizard)
            withForm();
        RecordingControl* kept = nullptr;
        RecordingControl* frozen = nullptr;
        RecordingControl* unknown = nullptr;
        RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
            kept = add(s, 10);
            frozen = add(s, 20);
            unknown = add(s, 30);
        });
        auto* record10 = new TControlDisplayInfo();
        record10->setCtrlId(10);
        auto* record20 = new TControlDisplayInfo();
        record20->setCtrlId(20);
        if (withWizard) {
            form->AddControlDisplayInfo(record10);
            form->AddControlDisplayInfo(record20);
        }
        frozen->m_refreshEnabled = false;

        LogCapture log;
        screen->SaveControlDisplay();
        EXPECT_EQ(kept->savedInfo, withWizard ? record10 : nullptr);
        EXPECT_EQ(frozen->savedInfo, nullptr);
        EXPECT_EQ(unknown->savedInfo, nullptr);
        EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::SaveControlDisplay()"));
        if (!withWizard) {
            delete record10;
            delete record20;
        }
    }
}

// --- Renumbering ---

TEST_F(TViewEcranVCLTest, EachLetterRenumbersTheControlThatGetControlFinds)
{
    struct Case
    {
        const char* what;
        int type;
        std::multimap<int, int> changed;
        std::vector<int> registered; // control lettrages, in registration order
        std::vector<int> letters;
        std::vector<int> controls; // control lettrages afterwards, in registration order
        std::vector<int> lettres;
    };
    const Case cases[] = {
        {"type 0 keeps the codes",
         0,
         {{10, 110}},
         {10, 20, 30},
         {10, 20, 30},
         {10, 20, 30},
         {10, 20, 30}},
        {"no replacement", 1, {}, {10, 20, 30}, {10, 20, 30}, {10, 20, 30}, {10, 20, 30}},
        {"type 1 takes the first replacement",
         1,
         {{10, 110}, {10, 210}, {20, 120}},
         {10, 20, 30},
         {10, 20, 30},
         {110, 120, 30},
         {110, 120, 30}},
        // 20 has one replacement only: the next one in key order belongs to 30, not to 20.
        {"type 2 takes the second",
         2,
         {{10, 110}, {10, 210}, {20, 120}, {30, 130}, {30, 230}},
         {10, 20, 30},
         {10, 20, 30},
         {210, 20, 230},
         {210, 20, 230}},
        {"chain, registered 10 then 20",
         1,
         {{10, 20}, {20, 30}},
         {10, 20},
         {10, 20},
         {20, 30},
         {20, 30}},
        // Letter 10 moves the control of 10 to 20, where letter 20 finds it first.
        {"chain, registered 20 then 10",
         1,
         {{10, 20}, {20, 30}},
         {20, 10},
         {10, 20},
         {20, 30},
         {20, 30}},
        {"two controls, one letter", 1, {{10, 110}}, {10, 10}, {10}, {10, 110}, {110}},
        {"two controls, two letters", 1, {{10, 110}}, {10, 10}, {10, 10}, {110, 110}, {110, 110}},
        {"letters without control",
         1,
         {{40, 140}, {-5, 7}},
         {10},
         {10, 40, -5},
         {10},
         {10, 140, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setTypeEcran(c.type);
        presenter->setChangedLettrage(c.changed);
        std::vector<RecordingControl*> controls;
        RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
            for (int lettrage : c.registered)
                controls.push_back(add(s, lettrage));
            structLettre* lettres = nullptr;
            for (int lettrage : c.letters)
                AjouteLettre(&lettres, static_cast<short>(lettrage), 0, 0, 0, 1, 0);
            s.setListeLettre(lettres);
        });
        std::vector<int> renumbered;
        for (const RecordingControl* control : controls)
            renumbered.push_back(control->m_lettrage);
        EXPECT_EQ(renumbered, c.controls);
        EXPECT_EQ(Lettrages(screen->getListeLettre()), c.lettres);
        presenter->setView(nullptr);
        delete screen;
    }
}

// --- Linked letters ---

TEST_F(TViewEcranVCLTest, LinkedLettersAreSetOnControlsAndAddedToTheList)
{
    model->getLieManager()->LierElements(30, 31, 32);
    model->getLieManager()->LierElements(40, 41, -1);
    RecordingControl* amount = nullptr;
    RecordingControl* other = nullptr;
    RecordingControl* plain = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        amount = add(s, 30);
        other = add(s, 40);
        plain = add(s, 10);
        s.setListeLettre(NouvelleListe({10, 30, 40}));
    });
    EXPECT_EQ(amount->m_lettrageCalcul, 31);
    EXPECT_EQ(amount->m_lettrageActivation, 32);
    EXPECT_EQ(other->m_lettrageCalcul, 41);
    EXPECT_EQ(other->m_lettrageActivation, -1);
    EXPECT_EQ(plain->m_lettrageCalcul, -1);
    EXPECT_EQ(plain->m_lettrageActivation, -1);
    // Passes run newest first: 10 (nothing), 40, then 30.
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(10, 30, 40, 41, 31, 32));
    structLettre* linked = TrouveLettre(31, screen->getListeLettre());
    ASSERT_NE(linked, nullptr);
    EXPECT_EQ(linked->select, 1);
    EXPECT_EQ(linked->valeur, nullptr);
}

TEST_F(TViewEcranVCLTest, LinkedLettersStartAListWhenNoneAndAListGivenLaterReplacesIt)
{
    model->getLieManager()->LierElements(30, 31, -1);
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { add(s, 30); });
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(31));

    // The host drops the linked letter and the letter 10 of the list before.
    screen->setListeLettre(NouvelleListe({30, 10}));
    screen->setListeLettre(NouvelleListe({30}));
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(30));
    screen->setListeLettre(screen->getListeLettre()); // same list: nothing happens
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(30));
    screen->setListeLettre(nullptr);
    EXPECT_EQ(screen->getListeLettre(), nullptr);
}

// --- Help contexts ---

TEST_F(TViewEcranVCLTest, HelpContextsComeFromTheTableRecordsInOrder)
{
    // The wizard form presenter's view is the wizard window, which has a help context too.
    withForm();
    HelpId table[] = {{101, 10, 510, 0, 0},
                      {101, 0, 500, 0, 0},
                      {102, 20, 620, 0, 0},
                      {102, 0, 600, 0, 0},
                      {-1, 0, 999, 0, 0}};
    HelpId screenFirst[] = {{101, 0, 500, 0, 0}, {101, 10, 510, 0, 0}, {-1, 0, 999, 0, 0}};
    HelpId endOnly[] = {{-1, 3, 77, 0, 0}};
    struct Case
    {
        HelpId* table;
        long screen;
        int c10, c20, view; // the view's own is the first whole-screen record, whatever its screen
    };
    const Case cases[] = {{nullptr, 101, -100, -100, 5},     {table, 101, 510, 500, 500},
                          {table, 102, 600, 620, 500},       {table, 103, 999, 999, 500},
                          {screenFirst, 101, 500, 500, 500}, {endOnly, 101, 77, 77, 77}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screen);
        presenter->setHelpData(c.table);
        RecordingControl* c10 = nullptr;
        RecordingControl* c20 = nullptr;
        RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
            c10 = add(s, 10);
            c20 = add(s, 20);
        });
        screen->SetHelpContext(5);
        LogCapture log;
        screen->SetControlHelpContext(c.screen);
        EXPECT_EQ(c10->helpContext, c.c10);
        EXPECT_EQ(c20->helpContext, c.c20);
        EXPECT_EQ(screen->GetHelpContext(), c.view);
        EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::SetControlHelpContext()"));
        presenter->setView(nullptr);
        delete screen;
    }
}
// --- Focus ---

TEST_F(TViewEcranVCLTest, FocusGoesToTheLastRegisteredEnabledControl)
{
    panel->resize(400, 300);
    TEdit* first = nullptr;
    TEdit* second = nullptr;
    TEdit* disabled = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        first = new TEdit(&s);
        second = new TEdit(&s);
        disabled = new TEdit(&s);
        add(s, 10, first);
        add(s, 10, second);
        add(s, 20, disabled);
    });
    disabled->SetEnabled(false);
    panel->show();
    screen->Show();
    QApplication::setActiveWindow(panel);

    ASSERT_TRUE(QTest::qWaitForWindowActive(panel));
    LogCapture log;
    screen->SetControlFocus(10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return second->hasFocus(); }));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::SetControlFocus()"));

    screen->SetControlFocus(20);
    EXPECT_TRUE(second->hasFocus());
    screen->SetControlFocus(99);
    EXPECT_TRUE(second->hasFocus());
    panel->hide();
}

// --- Change events ---

TEST_F(TViewEcranVCLTest, AChangeReachesThePresenterWithoutRefreshingTheChangedControl)
{
    TEdit* edit = new TEdit(panel);
    RecordingControl* changed = nullptr;
    RecordingControl* other = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        changed = add(s, 10, edit);
        other = add(s, 20);
    });
    std::vector<bool> duringChange;
    presenter->onChangeHook = [&] {
        duringChange = {changed->m_refreshEnabled, other->m_refreshEnabled};
        screen->TViewEcranVCL::LettrageVersEcran();
    };
    journal.clear();
    screen->OnChangeControl(edit);
    EXPECT_THAT(duringChange, ElementsAre(false, true));
    EXPECT_TRUE(changed->m_refreshEnabled);
    // Every refresh during the change (the hook's, the presenter's) skips the changed control.
    EXPECT_GE(journal.count("LettrageVersEcran(gated) 10"), 1u);
    EXPECT_EQ(journal.count("LettrageVersEcran 10"), 0u);
    EXPECT_GE(journal.count("LettrageVersEcran 20"), 1u);

    // A control that was not refreshed before stays so.
    changed->m_refreshEnabled = false;
    screen->OnChangeControl(edit);
    EXPECT_FALSE(changed->m_refreshEnabled);

    // A change from an unregistered widget still reaches the presenter.
    presenter->onChangeHook = nullptr;
    journal.clear();
    screen->OnChangeControl(panel);
    screen->OnChangeControl(nullptr);
    EXPECT_EQ(journal.count("OnChange"), 2u);
}

TEST_F(TViewEcranVCLTest, ControlControlRunsTheChangeThenTheControllersOfTheSender)
{
    TEdit* day = new TEdit(panel);
    TEdit* elsewhere = new TEdit(panel);
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        add(s, kJour, day);
        add(s, kNom, elsewhere);
        s.AjouteControlController(new RecordingController(journal, "completes", day, true));
        s.AjouteControlController(new RecordingController(journal, "accepts", day, false));
        s.AjouteControlController(new RecordingController(journal, "other", elsewhere, true));
    });
    journal.clear();
    LogCapture log;
    screen->OnControlControl(day);
    const auto& calls = journal.entries();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls.front(), "OnChange");
    EXPECT_EQ(journal.count("Control completes"), 1u);
    EXPECT_EQ(journal.count("Control accepts"), 1u);
    EXPECT_EQ(journal.count("Control other"), 0u);
    // Only the controller that completed a field makes the presenter save the screen.
    auto completes = std::find(calls.begin(), calls.end(), "Control completes");
    ASSERT_NE(completes + 1, calls.end());
    EXPECT_EQ(*(completes + 1), "SaveData");
    EXPECT_EQ(log.lines().front().text, "--TViewEcranVCL::OnControlControl()");
    EXPECT_EQ(screen->getListeControlController().size(), 3u);
}

TEST_F(TViewEcranVCLTest, AttachedWidgetsReachTheirHandlerWhileTheViewLives)
{
    auto* screen = TViewEcranVCL::Create<TestScreen>(panel, presenter);
    presenter->setView(screen);
    journal.clear();
    LogCapture log;
    screen->nom->OnChange(screen->nom);
    EXPECT_EQ(journal.count("OnChange"), 1u);
    EXPECT_FALSE(log.contains("--TViewEcranVCL::OnControlControl()"));
    screen->jour->OnChange(screen->jour); // a field of the date controller
    EXPECT_EQ(journal.count("OnChange"), 2u);
    EXPECT_TRUE(log.contains("--TViewEcranVCL::OnControlControl()"));

    EXPECT_FALSE(screen->AttachOnChangeControl(panel));
    auto* outside = new TEdit(panel);
    EXPECT_TRUE(screen->AttachOnChangeControl(outside));
    presenter->setView(nullptr);
    delete screen;
    outside->OnChange(outside); // the view is gone: nothing happens
    EXPECT_EQ(journal.count("OnChange"), 2u);
}

// --- Check boxes and result styles ---

TEST_F(TViewEcranVCLTest, CheckBoxModeChoosesTheCodesOfTheCheckBoxControlOnly)
{
    auto* screen = TViewEcranVCL::Create<TestScreen>(panel, presenter);
    presenter->setView(screen);
    screen->SetCheckBoxMode(screen->coche, '0');
    screen->SetCheckBoxMode(screen->nom, '0'); // an edit: nothing happens
    screen->SetCheckBoxMode(nullptr, 'A');

    screen->coche->SetChecked(false);
    screen->EcranVersLettrage();
    EXPECT_EQ(Valeur(screen->getListeLettre(), kCoche), "0");
    screen->coche->SetChecked(true);
    screen->EcranVersLettrage();
    EXPECT_EQ(Valeur(screen->getListeLettre(), kCoche), "1");
}

TEST_F(TViewEcranVCLTest, ResultStyleTakesTheParentsBackgroundAndKeepsTheTextColour)
{
    RecordingScreen* screen = makeScreen(nullptr);
    screen->SetColor(clYellow);
    auto* result = new TcxEditNum(screen);
    TcxEditStyle normal = result->GetStyle();
    normal.TextColor = clNavy;
    result->SetStyle(normal);
    auto* text = new TcxEditStr(screen);
    auto* editable = new TcxEditNum(screen);
    screen->ApplyResultStyle(result);
    screen->ApplyResultStyle(text);
    screen->ApplyEditableResultStyle(editable);
    for (const TcxStaticOrEdit* edit : std::initializer_list<TcxStaticOrEdit*>{result, text}) {
        EXPECT_EQ(edit->GetStyle().BorderStyle, ebsNone);
        EXPECT_EQ(edit->GetStyle().Color, clYellow);
    }
    for (const TcxStaticOrEdit* edit :
         std::initializer_list<TcxStaticOrEdit*>{result, text, editable}) {
        EXPECT_EQ(edit->GetStyleDisabled().BorderStyle, ebsNone);
        EXPECT_EQ(edit->GetStyleDisabled().Color, clYellow);
    }
    EXPECT_EQ(result->GetStyleDisabled().TextColor, clNavy);
    EXPECT_EQ(text->GetStyleDisabled().TextColor, clWindowText);
    EXPECT_FALSE(editable->GetStyle().BorderStyleSet);
    EXPECT_EQ(editable->GetStyle().Color, clDefault);
    result->SetEnabled(false);
    EXPECT_FALSE(result->hasFrame()); // a disabled result keeps its frame off
}

} // namespace
