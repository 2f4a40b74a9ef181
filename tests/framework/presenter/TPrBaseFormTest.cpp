#include "presenter/TPrBaseForm.h"

#include "controls/TControlDisplayInfo.h"
#include "flow/TCinematicManagerAbstract.h"
#include "model/TCompteRendu.h"
#include "model/TModelAbstract.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TVisitorFixClientHeight.h"
#include "presenter/TVisitorOk.h"
#include "view/TMessageManager.h"
#include "view/TViewBaseForm.h"

#include "DesktopMetrics.h"
#include "LogCapture.h"
#include "MessageQueue.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"
#include "TInfoGene.h"
#include "TPanel.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

using Answer = DialogSeam::Answer;

// The least a model must supply: the wizard reads only its general information.
class FormTestModel : public TModelAbstract
{
public:
    using TModelAbstract::TModelAbstract;
    structMessage* ControleLettres(structLettre* /*lettres*/) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* /*message*/, char** texte) override
    {
        if (texte)
            *texte = nullptr;
        return nullptr;
    }
    char* LibelleDeLaLettre(short /*lettrage*/, char** libelle) override
    {
        if (libelle)
            *libelle = nullptr;
        return nullptr;
    }
};

// Screens 10, 20 (switched off), 30 and 40; the letters 500 and 600 are shown on screen 30.
class FormTestFlow : public TCinematicManagerAbstract
{
public:
    explicit FormTestFlow(bool* destroyed) : m_destroyed(destroyed)
    {
        using Info = TScreenInformation;
        for (int id : {10, 20, 30, 40})
            InitScreen(id, id * 100, "", Info::SELECTION_NON, id == 20 ? Info::OFF : Info::ON,
                       Info::FAMILLE_DEFAUT);
        addScreenFromLettrageEntry(500, 30);
        addScreenFromLettrageEntry(600, 30);
    }
    ~FormTestFlow() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }

private:
    bool* m_destroyed;
};

// A host screen presenter that records what the wizard asks of it. Its "view" is only a
// height: each screen change fits the window to the active screen's height, as a real
// screen view does through the fix-client-height visitor.
class FormTestScreen : public TPrEcranVCL
{
public:
    FormTestScreen(TPrBaseForm* root, TModelAbstract* model, TCinematicManagerAbstract* flow)
        : TPrEcranVCL(root->getPanelEcranVCL(), root, model, nullptr, flow)
    {}

    void ChangeView() override
    {
        const int screen = getCinematicManager()->getEnumEcranActif();
        shownScreens.push_back(screen);
        TVisitorFixClientHeight fit(screenHeights.count(screen) ? screenHeights[screen] : 300);
        getRoot()->Accept(&fit);
    }
    void Show() override
    {
        ++shows;
        TPrEcranVCL::Show();
    }
    void SauveDataInit() override {}
    void RestaureDataInit() override { ++restores; }
    void CheckIsModified() override { getCompteRendu()->setModified(modified); }
    bool DonneesValide(bool afficher) override
    {
        ++validations;
        lastAfficher = afficher;
        return accepts;
    }
    void InitDonnees() override {}

    std::vector<int> shownScreens;
    std::map<int, int> screenHeights;
    int shows = 0;
    int restores = 0;
    int validations = 0;
    bool lastAfficher = false;
    bool modified = false;
    bool accepts = true;
};

constexpr const char* kAbandonQuestion =
    "Attention, en quittant l'assistant, les informations renseign\xE9"
    "es pr\xE9"
    "c\xE9"
    "demment ne seront pas enregistr\xE9"
    "es.\nAppuyez sur OK pour confirmer l'abandon.";

// Lets Qt build, once per process, what it makes lazily for the first modal window, so that
// the leak checks count only the tests' own objects.
void warmUpWizard()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    TInfoGene info;
    FormTestModel model(&info);
    TPrBaseForm form(nullptr, &model, nullptr);
    form.setCinematicManager(new FormTestFlow(nullptr));
    QTimer::singleShot(0, [&form] { form.getView()->Close(); });
    form.Execute();
    flushQtEvents();
}

class TPrBaseFormTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        warmUpWizard();
        QtLeakCheckedTest::SetUp();
        m_model = std::make_unique<FormTestModel>(&m_info);
        m_form = std::make_unique<TPrBaseForm>(nullptr, m_model.get(), nullptr);
        m_form->setCinematicManager(new FormTestFlow(&m_flowDestroyed));
        m_screen = new FormTestScreen(m_form.get(), m_model.get(), m_form->getCinematicManager());
        m_form->Add(m_screen);
        m_window = qobject_cast<TViewBaseForm*>(m_form->getView());
    }

    void TearDown() override
    {
        m_form.reset();
        m_model.reset();
        QtLeakCheckedTest::TearDown();
        SetDesktopSizeOverride(0, 0);
    }

    // Runs the wizard; `whileShown` runs from inside its modal loop. A watchdog ends a wizard
    // that would never close, so that a fault fails the test instead of hanging it.
    void execute(const std::function<void()>& whileShown)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the wizard did not close";
            m_form->Ok();
            m_screen->accepts = true;
            if (m_window)
                m_window->Close();
        });
        watchdog.start(10000);
        QTimer::singleShot(0, whileShown);
        m_form->Execute();
    }

    void closeWindow() { m_window->Close(); }

    int activeScreen() const { return m_form->getCinematicManager()->getEnumEcranActif(); }

    TInfoGene m_info;
    std::unique_ptr<FormTestModel> m_model;
    std::unique_ptr<TPrBaseForm> m_form;
    FormTestScreen* m_screen = nullptr; // owned by m_form
    QPointer<TViewBaseForm> m_window;   // frees itself when the wizard closes
    bool m_flowDestroyed = false;
};

} // namespace

TEST_F(TPrBaseFormTest, BuildsTheWizardWindowAndTheRelayWindow)
{
    ASSERT_NE(m_window, nullptr);
    EXPECT_EQ(m_window->getPresenter(), m_form.get());
    EXPECT_EQ(m_form->getRoot(), m_form.get());
    ASSERT_NE(m_form->getMessageManager(), nullptr);
    EXPECT_EQ(m_form->getMessageManager()->getPresenter(), m_form.get());

    // The other presenters' views go into the window's panels.
    EXPECT_EQ(m_form->getPanelEcranVCL(), m_window->PanelEcranVCL);
    EXPECT_EQ(m_form->getPanelNavigateTree(), m_window->PanelNavigateTree);
    EXPECT_EQ(m_form->getPanelManagementButtons(), m_window->PanelManagementButtons);
    EXPECT_EQ(m_screen->getOwner(), m_window->PanelEcranVCL);
}

TEST_F(TPrBaseFormTest, StartsOnTheFirstScreenWithoutCentring)
{
    LogCapture log;
    bool shown = false;
    execute([&] {
        shown = m_window->isVisible() && m_window->IsModal();
        closeWindow();
    });

    EXPECT_TRUE(shown);
    EXPECT_EQ(m_screen->shownScreens, std::vector<int>{10});
    EXPECT_EQ(m_screen->shows, 1);
    EXPECT_EQ(m_window->GetPosition(), poOwnerFormCenter);
    EXPECT_EQ(log.messages().front(), "TPrBaseForm::Execute()");
    EXPECT_EQ(log.count("TPrBaseForm::Execute()  l'enum de l'\xE9"
                        "cran \xE0 afficher n'est pas disponible"),
              0u);
}

TEST_F(TPrBaseFormTest, StartsOnTheScreenThatShowsTheRequestedControl)
{
    m_info.setScreenToFind(true);
    m_info.setIdControl(600);
    m_info.setDisplayedScreen(true);
    m_screen->screenHeights[30] = 200;

    int windowHeight = 0;
    execute([&] {
        windowHeight = m_window->GetClientHeight();
        closeWindow();
    });

    EXPECT_EQ(m_info.getIdScreen(), 30);
    EXPECT_EQ(m_screen->shownScreens, std::vector<int>{30});
    EXPECT_EQ(activeScreen(), 30);
    // Fitted to that screen (the window may keep one pixel of slack).
    EXPECT_EQ(m_window->getFixedClientHeight(), 200 + TViewBaseForm::kButtonsHeight);
    EXPECT_GE(windowHeight, 200 + TViewBaseForm::kButtonsHeight);
    EXPECT_LE(windowHeight, 200 + TViewBaseForm::kButtonsHeight + 1);
    EXPECT_EQ(m_window->GetPosition(), poMainFormCenter);
}

TEST_F(TPrBaseFormTest, StartsOnTheRequestedScreen)
{
    m_info.setDisplayedScreen(true);
    m_info.setIdScreen(40);
    execute([&] { closeWindow(); });

    EXPECT_EQ(m_screen->shownScreens, std::vector<int>{40});
    EXPECT_EQ(m_window->GetPosition(), poMainFormCenter);
}

TEST_F(TPrBaseFormTest, UnavailableScreenFallsBackToTheFirstWithAWarning)
{
    LogCapture log;
    log.setLevel(log4cxx::Level::getWarn()); // the warning is written whatever the threshold
    m_info.setDisplayedScreen(true);
    m_info.setIdScreen(20); // switched off
    execute([&] { closeWindow(); });

    EXPECT_EQ(m_screen->shownScreens, std::vector<int>{10});
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_EQ(log.lines()[0].level, log4cxx::Level::getWarn());
    EXPECT_EQ(log.lines()[0].text, "TPrBaseForm::Execute()  l'enum de l'\xE9"
                                   "cran \xE0 afficher n'est pas disponible");
    EXPECT_EQ(m_window->GetPosition(), poMainFormCenter);
}

TEST_F(TPrBaseFormTest, ClosingBeforeFinishingWithoutChangesNeedsNoQuestionNorValidation)
{
    ScriptedDialogs dialogs;
    LogCapture log;
    m_screen->accepts = false;
    execute([&] { closeWindow(); });

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(m_screen->validations, 0);
    EXPECT_TRUE(m_form->isClosed());
    EXPECT_EQ(m_form->getCompteRendu()->getUserAction(), 1);
    EXPECT_EQ(log.count("TPrBaseForm::OnCloseQuery()"), 1u);
    EXPECT_EQ(log.count("TPrBaseForm::OnClose()"), 1u);
    flushQtEvents();
    EXPECT_TRUE(m_window.isNull()); // freed
    EXPECT_EQ(m_form->getView(), nullptr);
    EXPECT_EQ(m_form->getPanelEcranVCL(), nullptr);
}

TEST_F(TPrBaseFormTest, FinishingValidatesTheScreensAndClosesWithoutQuestion)
{
    ScriptedDialogs dialogs;
    m_screen->modified = true;
    execute([&] {
        TVisitorOk ok;
        m_form->Accept(&ok);
        closeWindow();
    });

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(m_screen->validations, 1);
    EXPECT_TRUE(m_screen->lastAfficher);
    EXPECT_EQ(m_form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(m_form->getCompteRendu()->isModified());
    EXPECT_EQ(m_screen->restores, 0);
    EXPECT_TRUE(m_form->isClosed());
}

TEST_F(TPrBaseFormTest, FinishingWithRefusedDataKeepsTheWindowOpen)
{
    bool stayedOpen = false;
    bool closeAllowedAfterRefusal = true;
    execute([&] {
        m_form->Ok();
        m_screen->accepts = false;
        closeWindow();
        stayedOpen = m_window && m_window->isVisible();
        closeAllowedAfterRefusal = m_form->isCloseAllowed();
        // The user corrects the entry and finishes again.
        m_screen->accepts = true;
        m_form->Ok();
        closeWindow();
    });

    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(closeAllowedAfterRefusal);
    EXPECT_EQ(m_screen->validations, 2);
    EXPECT_EQ(m_form->getCompteRendu()->getUserAction(), 0);
    EXPECT_TRUE(m_form->isClosed());
}

TEST_F(TPrBaseFormTest, ConfirmedAbandonRestoresTheInitialData)
{
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::OK);
    m_screen->modified = true;
    execute([&] { closeWindow(); });

    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kAbandonQuestion);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OKCancel);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Information);
    EXPECT_EQ(m_screen->restores, 1);
    EXPECT_EQ(m_screen->validations, 0);
    EXPECT_EQ(m_form->getCompteRendu()->getUserAction(), 1);
    EXPECT_TRUE(m_form->isCloseAllowed());
    EXPECT_TRUE(m_form->isClosed());
}

TEST_F(TPrBaseFormTest, DeclinedAbandonKeepsTheWindowOpenAndClearsTheModifiedFlag)
{
    ScriptedDialogs dialogs;
    dialogs.answer({Answer::Cancel, Answer::OK});
    m_screen->modified = true;
    bool stayedOpen = false;
    bool modifiedAfterRefusal = true;
    execute([&] {
        closeWindow();
        stayedOpen = m_window && m_window->isVisible() && !m_form->isClosed();
        modifiedAfterRefusal = m_form->getCompteRendu()->isModified();
        // The screens still hold changes: the next attempt asks again.
        closeWindow();
    });

    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(modifiedAfterRefusal);
    EXPECT_EQ(dialogs.count(), 2u);
    EXPECT_EQ(m_screen->restores, 1);
    EXPECT_TRUE(m_form->isClosed());
}

TEST_F(TPrBaseFormTest, ScreenChangeRequestedThroughTheRelayWindowHappensFromTheLoop)
{
    execute([&] {
        m_form->getCinematicManager()->setEnumEcranActif(40);
        PostMessageA(m_form->getMessageManager()->Handle(), kMsgChangeView, 0, 0);
        QTimer::singleShot(0, [&] { closeWindow(); });
    });

    EXPECT_EQ(m_screen->shownScreens, (std::vector<int>{10, 40}));
}

TEST_F(TPrBaseFormTest, AWizardWiredWrongEndsAtOnceWithAnErrorAndANotRunReport)
{
    struct Case
    {
        const char* error;
        std::function<void(TPrBaseForm&)> wire; // from a form on the fixture's model
    };
    const std::vector<Case> cases = {
        {"TPrBaseForm::Execute() sans gestionnaire de cin\xE9matique", [](TPrBaseForm&) {}},
        {"TPrBaseForm::Execute() sans mod\xE8le",
         [](TPrBaseForm& form) {
             form.setModel(nullptr);
             form.setCinematicManager(new FormTestFlow(nullptr));
         }},
        {"TPrBaseForm::Execute() pr\xE9sentateur d'\xE9"
         "cran sans mod\xE8le",
         [](TPrBaseForm& form) {
             form.setCinematicManager(new FormTestFlow(nullptr));
             form.Add(new FormTestScreen(&form, nullptr, form.getCinematicManager()));
         }},
        {"TPrBaseForm::Execute() sans fen\xEAtre (d\xE9j\xE0 lib\xE9r\xE9"
         "e)",
         [](TPrBaseForm& form) {
             form.setCinematicManager(new FormTestFlow(nullptr));
             QTimer::singleShot(0, [&form] { form.getView()->Close(); });
             form.Execute(); // the window frees itself on closing
             flushQtEvents();
             form.getCompteRendu()->setUserAction(1);
         }},
    };
    for (const Case& wiring : cases) {
        SCOPED_TRACE(wiring.error);
        TPrBaseForm bare(nullptr, m_model.get(), nullptr);
        wiring.wire(bare);
        LogCapture log;
        bare.Execute();

        EXPECT_EQ(log.messages(),
                  (std::vector<std::string>{"TPrBaseForm::Execute()", wiring.error}));
        EXPECT_EQ(log.lines().back().level, log4cxx::Level::getError());
        EXPECT_TRUE(!bare.getView() || !bare.getView()->isVisible());
        EXPECT_EQ(bare.getCompteRendu()->getUserAction(), TPrBaseForm::kUserActionNotRun);
    }
}

TEST_F(TPrBaseFormTest, CascadeAndCentreMoveTheWindow)
{
    m_form->CascadeWindow();
    EXPECT_EQ(m_window->GetPosition(), poDesigned);
    EXPECT_EQ(m_window->GetLeft(), 22);
    EXPECT_EQ(m_window->GetTop(), 22);
    m_form->CenterWindow();
    EXPECT_EQ(m_window->GetPosition(), poMainFormCenter);
}

TEST_F(TPrBaseFormTest, KeepsOneDisplayRecordPerControl)
{
    EXPECT_EQ(m_form->getControlDisplayInfo(7), m_form->getControlDisplayInfoEnd());

    auto* record = new TControlDisplayInfo();
    record->setCtrlId(7);
    m_form->AddControlDisplayInfo(record);
    m_form->AddControlDisplayInfo(record); // already held: kept once
    ASSERT_NE(m_form->getControlDisplayInfo(7), m_form->getControlDisplayInfoEnd());
    EXPECT_EQ(*m_form->getControlDisplayInfo(7), record);
    EXPECT_EQ(m_form->getControlDisplayInfoList().size(), 1u);
    EXPECT_EQ(m_form->getControlDisplayInfo(8), m_form->getControlDisplayInfoEnd());
}

TEST_F(TPrBaseFormTest, DestroyingTheFormFreesTheFlowTheRelayAndTheWindows)
{
    QPointer<TMessageManager> relay = m_form->getMessageManager();
    m_form->AddControlDisplayInfo(new TControlDisplayInfo());

    m_form.reset();
    EXPECT_TRUE(m_flowDestroyed);
    EXPECT_TRUE(relay.isNull());
    EXPECT_TRUE(m_window.isNull());
}
