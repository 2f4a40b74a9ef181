#include "ScreenTestHost.h"

#include "flow/TScreenInformation.h"
#include "model/TLieManager.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"

#include "DesktopMetrics.h"
#include "TEdit.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "qlettre.h"

#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gmock/gmock.h>

#include <QTest>

using namespace screentest;
using ::testing::ElementsAre;

namespace {

// One screen presenter on a flow of two screens; alone by default, under a wizard form
// presenter after withForm().
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
        delete (form ? static_cast<TPrComposite*>(form) : presenter); // the form owns the flow
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

    // A recording screen with a recording control per lettrage (on `widgets` in turn, while
    // given); `more` runs after them in InitControls. Owned by the presenter.
    RecordingScreen* makeScreen(
        std::vector<int> lettrages, std::vector<TComponent*> widgets = {},
        std::function<void(RecordingScreen&)> more = [](auto&) {})
    {
        controls.clear();
        auto* screen = new RecordingScreen(journal, panel, presenter);
        screen->controls = [=, this](RecordingScreen& s) {
            for (std::size_t i = 0; i < lettrages.size(); ++i) {
                TComponent* widget = i < widgets.size() ? widgets[i] : nullptr;
                s.AjouteControl(
                    controls.emplace_back(new RecordingControl(journal, lettrages[i], widget)));
            }
            more(s);
        };
        presenter->setView(screen);
        screen->InitView();
        return screen;
    }

    void dropScreen(RecordingScreen* screen)
    {
        presenter->setView(nullptr);
        delete screen;
    }

    Journal journal;
    TInfoGene info;
    std::unique_ptr<TestModel> model;
    TMgtModelInvoker invoker;
    std::unique_ptr<TCinematicManagerAbstract> flux;
    TPanel* panel = nullptr;
    TPrBaseForm* form = nullptr;
    TestScreenPresenter* presenter = nullptr;
    std::vector<RecordingControl*> controls; // of the last screen made, in registration order
};

TEST_F(TViewEcranVCLTest, ConstructionRunsTheHostPartsOnceInOrder)
{
    RecordingScreen* screen = makeScreen({10, 20}, {}, [this](RecordingScreen& s) {
        s.AjouteControlController(new RecordingController(journal, "date", nullptr, false));
    });
    EXPECT_THAT(journal.entries(),
                ElementsAre("InitCouleurs", "InitControls", "SetIdValue 10", "SetIdValue 20",
                            "InitComplexData", "SetOnChangeControl"));
    EXPECT_TRUE(screen->isInitialised());
    EXPECT_EQ(screen->parentWidget(), panel);
    EXPECT_FALSE(screen->GetVisible()); // until its presenter shows it

    journal.clear();
    screen->InitView();
    EXPECT_TRUE(journal.entries().empty());
}

TEST_F(TViewEcranVCLTest, UpdateRefreshesStatesThenValuesThenSelectionsNewestControlFirst)
{
    RecordingScreen* screen = makeScreen({10, 20});
    journal.clear();
    screen->Update();
    EXPECT_THAT(journal.entries(), ElementsAre("view.UpdateControl", "Update 20", "Update 10",
                                               "view.LettrageVersEcran", "LettrageVersEcran 20",
                                               "LettrageVersEcran 10", "view.UpdateSelection",
                                               "UpdateSelection 20", "UpdateSelection 10"));
}

// --- Display state ---

TEST_F(TViewEcranVCLTest, UpdateControlGivesNewRecordsToTheFormOrDeletesThemWithoutOne)
{
    RecordingScreen* screen = makeScreen({10});
    controls[0]->createsDisplayInfo = true;
    screen->TViewEcranVCL::UpdateControl();
    EXPECT_EQ(journal.count("~info 10"), 1u);
    EXPECT_EQ(controls[0]->m_displayInfo, nullptr);
    dropScreen(screen);

    withForm();
    screen = makeScreen({10, 20});
    controls[0]->createsDisplayInfo = true;
    screen->TViewEcranVCL::UpdateControl();
    EXPECT_EQ(controls[0]->receivedInfo, nullptr);
    const auto kept = form->getControlDisplayInfo(10);
    ASSERT_NE(kept, form->getControlDisplayInfoEnd());
    EXPECT_EQ(form->getControlDisplayInfo(20), form->getControlDisplayInfoEnd());
    screen->TViewEcranVCL::UpdateControl();
    EXPECT_EQ(controls[0]->receivedInfo, *kept);
    EXPECT_EQ(controls[1]->receivedInfo, nullptr);
    EXPECT_EQ(form->getControlDisplayInfoList().size(), 1u);
    EXPECT_EQ(journal.count("~info 10"), 1u);
}

TEST_F(TViewEcranVCLTest, SaveControlDisplayOnlyForKeptRecordsOfRefreshedControlsOfAForm)
{
    for (const bool withWizard : {false, true}) {
        SCOPED_TRACE(withWizard);
        if (withWizard)
            withForm();
        RecordingScreen* screen = makeScreen({10, 20, 30});
        for (const int id : withWizard ? std::vector{10, 20} : std::vector<int>{}) {
            auto* record = new TControlDisplayInfo();
            record->setCtrlId(id);
            form->AddControlDisplayInfo(record);
        }
        controls[1]->m_refreshEnabled = false;
        screen->SaveControlDisplay();
        EXPECT_EQ(controls[0]->savedInfo, withWizard ? *form->getControlDisplayInfo(10) : nullptr);
        EXPECT_EQ(controls[1]->savedInfo, nullptr);
        EXPECT_EQ(controls[2]->savedInfo, nullptr);
    }
}

// Letter by letter, the control that getControl finds takes the code the presenter gives.
TEST_F(TViewEcranVCLTest, EachLetterRenumbersTheControlThatGetControlFinds)
{
    struct Case
    {
        int type;
        std::multimap<int, int> changed;
        std::vector<int> registered, letters; // control lettrages in registration order
        std::vector<int> controls, lettres;   // afterwards
    };
    const std::vector<int> all = {10, 20, 30}, two = {210, 20, 230};
    const Case cases[] = {
        {0, {{10, 110}}, all, all, all, all}, // type 0 keeps the codes
        {1, {}, all, all, all, all},          // no replacement
        {1, {{10, 110}, {10, 210}, {20, 120}}, all, all, {110, 120, 30}, {110, 120, 30}},
        // Type 2 takes the second; 20 has one only (the next one in key order is 30's).
        {2, {{10, 110}, {10, 210}, {20, 120}, {30, 130}, {30, 230}}, all, all, two, two},
        // Letter 10 moves the control of 10 to 20, where letter 20 finds it first.
        {1, {{10, 20}, {20, 30}}, {20, 10}, {10, 20}, {20, 30}, {20, 30}},
        {1, {{10, 110}}, {10, 10}, {10}, {10, 110}, {110}},
        {1, {{10, 110}}, {10, 10}, {10, 10}, {110, 110}, {110, 110}},
        {1, {{40, 140}, {-5, 7}}, {10}, {10, 40, -5}, {10}, {10, 140, 7}}, // letters alone
    };
    TCinematicManagerAbstract* flow = presenter->getCinematicManager();
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        flow->GetInfoEcran(flow->getEnumEcranActif())->setTypeScreen(c.type);
        presenter->setChangedLettrage(c.changed);
        RecordingScreen* screen = makeScreen(c.registered, {}, [&](RecordingScreen& s) {
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
        dropScreen(screen);
    }
}

// --- Linked letters ---

TEST_F(TViewEcranVCLTest, LinkedLettersAreSetOnControlsAndAddedToTheList)
{
    model->getLieManager()->LierElements(30, 31, 32);
    model->getLieManager()->LierElements(40, 41, -1);
    RecordingScreen* screen = makeScreen({30, 40, 10}, {}, [](RecordingScreen& s) {
        s.setListeLettre(NouvelleListe({10, 30, 40}));
    });
    const std::pair<int, int> linked[] = {{31, 32}, {41, -1}, {-1, -1}};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(controls[i]->m_lettrageCalcul, linked[i].first) << i;
        EXPECT_EQ(controls[i]->m_lettrageActivation, linked[i].second) << i;
    }
    // Passes run newest first: 10 (nothing), 40, then 30.
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(10, 30, 40, 41, 31, 32));
}

TEST_F(TViewEcranVCLTest, LinkedLettersStartAListWhenNone)
{
    model->getLieManager()->LierElements(30, 31, -1);
    RecordingScreen* screen = makeScreen({30});
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(31));
    screen->setListeLettre(screen->getListeLettre()); // the same list: kept, not freed
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(31));
}

// --- Change events ---

TEST_F(TViewEcranVCLTest, AChangeReachesThePresenterWithoutRefreshingTheChangedControl)
{
    TEdit* edit = new TEdit(panel);
    RecordingScreen* screen = makeScreen({10, 20}, {edit});
    RecordingControl* changed = controls[0];
    std::vector<bool> duringChange;
    presenter->onChangeHook = [&] {
        duringChange = {changed->m_refreshEnabled, controls[1]->m_refreshEnabled};
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
    RecordingScreen* screen = makeScreen({kJour, kNom}, {day, elsewhere}, [&](RecordingScreen& s) {
        s.AjouteControlController(new RecordingController(journal, "completes", day, true));
        s.AjouteControlController(new RecordingController(journal, "accepts", day, false));
        s.AjouteControlController(new RecordingController(journal, "other", elsewhere, true));
    });
    journal.clear();
    screen->OnControlControl(day);
    const auto& calls = journal.entries();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls.front(), "OnChange");
    EXPECT_EQ(journal.count("Control completes"), 1u);
    EXPECT_EQ(journal.count("Control accepts"), 1u);
    EXPECT_EQ(journal.count("Control other"), 0u);
    // Only the controller that completed a field makes the presenter save the screen.
    const auto completes = std::find(calls.begin(), calls.end(), "Control completes");
    ASSERT_NE(completes + 1, calls.end());
    EXPECT_EQ(*(completes + 1), "SaveData");
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

TEST_F(TViewEcranVCLTest, CheckBoxModeChoosesTheCodesOfTheCheckBoxControlOnly)
{
    auto* screen = TViewEcranVCL::Create<TestScreen>(panel, presenter);
    presenter->setView(screen);
    screen->SetCheckBoxMode(screen->coche, '0');
    screen->SetCheckBoxMode(screen->nom, '0'); // an edit: nothing happens
    screen->SetCheckBoxMode(nullptr, 'A');
    for (const bool checked : {false, true}) {
        screen->coche->SetChecked(checked);
        screen->EcranVersLettrage();
        EXPECT_EQ(Valeur(screen->getListeLettre(), kCoche), checked ? "1" : "0");
    }
}

} // namespace
