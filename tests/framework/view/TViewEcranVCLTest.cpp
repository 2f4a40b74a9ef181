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

TEST_F(TViewEcranVCLTest, ConstructionRunsTheHostPartsInOrderOnce)
{
    LogCapture log;
    RecordingScreen* screen = makeScreen([this](RecordingScreen& s) {
        add(s, 10);
        add(s, 20);
    });
    EXPECT_THAT(journal.entries(),
                ElementsAre("InitCouleurs", "InitControls", "SetIdValue 10", "SetIdValue 20",
                            "InitComplexData", "SetOnChangeControl"));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::TViewEcranVCL()",
                                            "--TViewEcranVCL::AjouteControl() lettrage: 10",
                                            "--TViewEcranVCL::AjouteControl() lettrage: 20",
                                            "--TViewEcranVCL::CreeLettrageEcranLie()"));
    EXPECT_TRUE(screen->isInitialised());

    journal.clear();
    screen->InitView();
    EXPECT_TRUE(journal.entries().empty());
    EXPECT_EQ(screen->getListeControl().size(), 2u);
}

TEST_F(TViewEcranVCLTest, TheViewSitsAtTheOriginOfItsOwnerPanel)
{
    RecordingScreen* screen = makeScreen(nullptr);
    EXPECT_EQ(screen->parentWidget(), panel);
    EXPECT_FALSE(screen->isWindow());
    EXPECT_EQ(screen->GetLeft(), 0);
    EXPECT_EQ(screen->GetTop(), 0);
    EXPECT_FALSE(screen->GetVisible()); // until its presenter shows it
    EXPECT_EQ(screen->getPresenter(), presenter);
    EXPECT_EQ(screen->getListeLettre(), nullptr);
    EXPECT_EQ(screen->getListeLettreStatic(), nullptr);
}

TEST_F(TViewEcranVCLTest, CreateBuildsAndCompletesAView)
{
    RecordingScreen* screen = TViewEcranVCL::Create<RecordingScreen>(journal, panel, presenter);
    presenter->setView(screen);
    EXPECT_TRUE(screen->isInitialised());
    EXPECT_EQ(journal.count("InitControls"), 1u);
}

TEST_F(TViewEcranVCLTest, DestructionDeletesControlsControllersAndLetters)
{
    LogCapture log;
    RecordingScreen* screen = makeScreen([this](RecordingScreen& s) {
        add(s, 10);
        add(s, 20);
        s.AjouteControlController(new RecordingController(journal, "date", nullptr, false));
        s.setListeLettre(NouvelleListe({10, 20}));
        s.setListeLettreStatic(NouvelleListe({90}));
    });
    (void)screen;
    journal.clear();
    delete presenter; // destroys its view
    presenter = nullptr;
    EXPECT_THAT(journal.entries(), ElementsAre("~RecordingScreen", "~ 20", "~ 10", "~date"));
    EXPECT_TRUE(log.contains("--TViewEcranVCL::~TViewEcranVCL()"));
}

// --- Registration and lookups ---

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
    ASSERT_NE(screen->getControl(10), screen->getControlEnd());
    EXPECT_EQ(*screen->getControl(10), newer);
    EXPECT_EQ(*screen->getControl(edit), newer);
    EXPECT_EQ(screen->FindControl(10), newer);
    EXPECT_EQ(screen->getControl(11), screen->getControlEnd());
    EXPECT_EQ(screen->FindControl(11), nullptr);
    EXPECT_EQ(screen->FindControl(static_cast<TComponent*>(panel)), nullptr);
    EXPECT_EQ(screen->FindControl(static_cast<TComponent*>(nullptr)), nullptr);

    // A copy of the list: changing it leaves the view's alone.
    TViewEcranVCL::ControlList copy = screen->getListeControl();
    copy.clear();
    EXPECT_EQ(screen->getListeControl().size(), 3u);
    EXPECT_EQ(screen->getListeControl().back(), older);
    delete edit;
}

// --- Update ---

TEST_F(TViewEcranVCLTest, UpdateRunsUpdateControlThenLettrageVersEcranThenUpdateSelection)
{
    RecordingScreen* screen = makeScreen([this](RecordingScreen& s) { add(s, 10); });
    journal.clear();
    LogCapture log;
    screen->Update();
    EXPECT_THAT(journal.entries(),
                ElementsAre("view.UpdateControl", "Update 10", "view.LettrageVersEcran",
                            "LettrageVersEcran 10", "view.UpdateSelection", "UpdateSelection 10"));
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::UpdateControl()",
                                            "--TViewEcranVCL::LettrageVersEcran()",
                                            "--TViewEcranVCL::UpdateSelection()"));
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
    EXPECT_EQ(journal.count("UpdateSelection 20"), 1u);
    EXPECT_EQ(journal.count("UpdateSelection 10"), 1u);
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
    EXPECT_EQ(form->getControlDisplayInfoList().size(), 1u);

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

TEST_F(TViewEcranVCLTest, SaveControlDisplayOnlyForKeptRecordsOfRefreshedControls)
{
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
    form->AddControlDisplayInfo(record10);
    form->AddControlDisplayInfo(record20);
    frozen->m_refreshEnabled = false;

    LogCapture log;
    screen->SaveControlDisplay();
    EXPECT_EQ(kept->savedInfo, record10);
    EXPECT_EQ(frozen->savedInfo, nullptr);
    EXPECT_EQ(unknown->savedInfo, nullptr);
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::SaveControlDisplay()"));
}

TEST_F(TViewEcranVCLTest, SaveControlDisplayWithoutFormSavesNothing)
{
    RecordingControl* control = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { control = add(s, 10); });
    LogCapture log;
    screen->SaveControlDisplay();
    EXPECT_EQ(control->savedInfo, nullptr);
    EXPECT_TRUE(log.contains("--TViewEcranVCL::SaveControlDisplay()"));
}

// --- Renumbering ---

class TViewEcranVCLRenumberTest : public TViewEcranVCLTest
{
protected:
    // Letters 10, 20, 30 with a control each; returns the controls by lettrage.
    RecordingScreen* build()
    {
        return makeScreen([this](RecordingScreen& s) {
            c10 = add(s, 10);
            c20 = add(s, 20);
            c30 = add(s, 30);
            s.setListeLettre(NouvelleListe({10, 20, 30}));
        });
    }
    RecordingControl* c10 = nullptr;
    RecordingControl* c20 = nullptr;
    RecordingControl* c30 = nullptr;
};

TEST_F(TViewEcranVCLRenumberTest, ScreenTypeZeroOrNoReplacementKeepsTheCodes)
{
    presenter->setChangedLettrage({{10, 110}});
    setTypeEcran(0);
    RecordingScreen* screen = build();
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(10, 20, 30));
    EXPECT_EQ(c10->m_lettrage, 10);

    presenter->setChangedLettrage({});
    setTypeEcran(1);
    screen->ChangeLettrageEcran();
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(10, 20, 30));
    EXPECT_EQ(c10->m_lettrage, 10);
}

TEST_F(TViewEcranVCLRenumberTest, TypeOneTakesTheFirstReplacementTypeTwoTheSecond)
{
    presenter->setChangedLettrage({{10, 110}, {10, 210}, {20, 120}});
    setTypeEcran(1);
    RecordingScreen* screen = build();
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(110, 20 + 100, 30));
    EXPECT_EQ(c10->m_lettrage, 110);
    EXPECT_EQ(c20->m_lettrage, 120);
    EXPECT_EQ(c30->m_lettrage, 30);
    EXPECT_EQ(screen->FindControl(110), c10);
}

TEST_F(TViewEcranVCLRenumberTest, TypeTwoLeavesACodeWithASingleReplacement)
{
    presenter->setChangedLettrage({{10, 110}, {10, 210}, {20, 120}, {30, 130}, {30, 230}});
    setTypeEcran(2);
    RecordingScreen* screen = build();
    // 20 has one replacement only: the next one in key order belongs to 30, not to 20.
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(210, 20, 230));
    EXPECT_EQ(c10->m_lettrage, 210);
    EXPECT_EQ(c20->m_lettrage, 20);
    EXPECT_EQ(c30->m_lettrage, 230);
}

TEST_F(TViewEcranVCLRenumberTest, EachLetterRenumbersTheControlThatGetControlFinds)
{
    struct Case
    {
        const char* what;
        std::vector<int> registered; // control lettrages, in registration order
        std::vector<int> letters;
        std::multimap<int, int> changed;
        std::vector<int> controls; // control lettrages afterwards, in registration order
        std::vector<int> lettres;
    };
    const Case cases[] = {
        {"chain, registered 10 then 20",
         {10, 20},
         {10, 20},
         {{10, 20}, {20, 30}},
         {20, 30},
         {20, 30}},
        // Letter 10 moves the control of 10 to 20, where letter 20 finds it first.
        {"chain, registered 20 then 10",
         {20, 10},
         {10, 20},
         {{10, 20}, {20, 30}},
         {20, 30},
         {20, 30}},
        {"two controls, one letter", {10, 10}, {10}, {{10, 110}}, {10, 110}, {110}},
        {"two controls, two letters", {10, 10}, {10, 10}, {{10, 110}}, {110, 110}, {110, 110}},
    };
    setTypeEcran(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
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

TEST_F(TViewEcranVCLRenumberTest, ALetterWithoutControlIsRenumberedAlone)
{
    presenter->setChangedLettrage({{40, 140}, {-5, 7}});
    setTypeEcran(1);
    RecordingScreen* screen = makeScreen([this](RecordingScreen& s) {
        c10 = add(s, 10);
        s.setListeLettre(NouvelleListe({10, 40, -5}));
    });
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(10, 140, 7));
    EXPECT_EQ(c10->m_lettrage, 10);
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

TEST_F(TViewEcranVCLTest, LinkedLettersStartAListWhenTheScreenHasNone)
{
    model->getLieManager()->LierElements(30, 31, -1);
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { add(s, 30); });
    EXPECT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(31));
}

TEST_F(TViewEcranVCLTest, AListGivenLaterReplacesTheListHeld)
{
    model->getLieManager()->LierElements(30, 31, -1);
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { add(s, 30); });
    ASSERT_THAT(Lettrages(screen->getListeLettre()), ElementsAre(31));

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
    presenter->setHelpData(table);
    RecordingControl* c10 = nullptr;
    RecordingControl* c20 = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) {
        c10 = add(s, 10);
        c20 = add(s, 20);
    });

    LogCapture log;
    screen->SetControlHelpContext(101);
    EXPECT_EQ(c10->helpContext, 510);
    EXPECT_EQ(c20->helpContext, 500);
    EXPECT_EQ(screen->GetHelpContext(), 500);
    EXPECT_THAT(log.messages(), ElementsAre("--TViewEcranVCL::SetControlHelpContext()"));

    screen->SetControlHelpContext(102);
    EXPECT_EQ(c10->helpContext, 600);
    EXPECT_EQ(c20->helpContext, 620);
    // The view's own context is the first whole-screen record, whatever its screen.
    EXPECT_EQ(screen->GetHelpContext(), 500);

    screen->SetControlHelpContext(103);
    EXPECT_EQ(c10->helpContext, 999);
    EXPECT_EQ(c20->helpContext, 999);
}

TEST_F(TViewEcranVCLTest, AControlRecordAfterTheScreenRecordIsNeverReached)
{
    HelpId table[] = {{101, 0, 500, 0, 0}, {101, 10, 510, 0, 0}, {-1, 0, 999, 0, 0}};
    presenter->setHelpData(table);
    RecordingControl* c10 = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { c10 = add(s, 10); });
    screen->SetControlHelpContext(101);
    EXPECT_EQ(c10->helpContext, 500);
}

TEST_F(TViewEcranVCLTest, ATableWithOnlyTheEndRecordGivesItsNumberEverywhere)
{
    HelpId table[] = {{-1, 3, 77, 0, 0}};
    presenter->setHelpData(table);
    RecordingControl* c10 = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { c10 = add(s, 10); });
    screen->SetControlHelpContext(101);
    EXPECT_EQ(c10->helpContext, 77);
    EXPECT_EQ(screen->GetHelpContext(), 77);
}

TEST_F(TViewEcranVCLTest, WithoutHelpTableNothingChanges)
{
    RecordingControl* c10 = nullptr;
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { c10 = add(s, 10); });
    screen->SetHelpContext(5);
    LogCapture log;
    screen->SetControlHelpContext(101);
    EXPECT_EQ(c10->helpContext, -100);
    EXPECT_EQ(screen->GetHelpContext(), 5);
    EXPECT_TRUE(log.contains("--TViewEcranVCL::SetControlHelpContext()"));
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

    LogCapture log;
    screen->SetControlFocus(10);
    EXPECT_TRUE(second->hasFocus());
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
}

TEST_F(TViewEcranVCLTest, AChangeFromAnUnregisteredWidgetStillReachesThePresenter)
{
    TEdit* stray = new TEdit(panel);
    RecordingScreen* screen = makeScreen([&](RecordingScreen& s) { add(s, 10); });
    journal.clear();
    screen->OnChangeControl(stray);
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

    for (const TcxStaticOrEdit* edit :
         {static_cast<TcxStaticOrEdit*>(result), static_cast<TcxStaticOrEdit*>(text)}) {
        EXPECT_EQ(edit->GetStyle().BorderStyle, ebsNone);
        EXPECT_EQ(edit->GetStyle().Color, clYellow);
        EXPECT_EQ(edit->GetStyleDisabled().BorderStyle, ebsNone);
        EXPECT_EQ(edit->GetStyleDisabled().Color, clYellow);
    }
    EXPECT_EQ(result->GetStyleDisabled().TextColor, clNavy);
    EXPECT_EQ(text->GetStyleDisabled().TextColor, clWindowText);

    EXPECT_FALSE(editable->GetStyle().BorderStyleSet);
    EXPECT_EQ(editable->GetStyle().Color, clDefault);
    EXPECT_EQ(editable->GetStyleDisabled().BorderStyle, ebsNone);
    EXPECT_EQ(editable->GetStyleDisabled().Color, clYellow);

    // A disabled result keeps its frame off.
    result->SetEnabled(false);
    EXPECT_FALSE(result->hasFrame());
}

} // namespace
