#include "PresenterDoubles.h"

#include "view/TViewBaseForm.h"

namespace {

using Answer = DialogSeam::Answer;

// A host screen presenter that records what the wizard asks of it.
class FormTestScreen : public TPrEcranVCL
{
public:
    FormTestScreen(TPrBaseForm* root, TModelAbstract* model, TCinematicManagerAbstract* flow)
        : TPrEcranVCL(root->getPanelEcranVCL(), root, model, nullptr, flow)
    {}
    void ChangeView() override
    {
        shownScreens.push_back(getCinematicManager()->getEnumEcranActif());
    }
    void SauveDataInit() override {}
    void RestaureDataInit() override { ++restores; }
    void CheckIsModified() override { getCompteRendu()->setModified(modified); }
    bool DonneesValide(bool afficher) override
    {
        validations += afficher ? 1 : 100;
        return accepts;
    }
    void InitDonnees() override {}

    std::vector<int> shownScreens;
    int restores = 0;
    int validations = 0; // 1 for each check that shows its messages, 100 for each that does not
    bool modified = false;
    bool accepts = true;
};

constexpr const char* kAbandonQuestion =
    "Attention, en quittant l'assistant, les informations renseign\xE9"
    "es pr\xE9"
    "c\xE9"
    "demment ne seront pas enregistr\xE9"
    "es.\nAppuyez sur OK pour confirmer l'abandon.";

constexpr const char* kMissingScreenWarning = "TPrBaseForm::Execute()  l'enum de l'\xE9"
                                              "cran \xE0 afficher n'est pas disponible";

class TPrBaseFormTest : public PresenterTest
{
protected:
    void SetUp() override
    {
        PresenterTest::SetUp();
        build();
    }
    void TearDown() override
    {
        m_form.reset();
        PresenterTest::TearDown();
    }

    void build()
    {
        m_form = std::make_unique<TPrBaseForm>(nullptr, &m_model, nullptr);
        // Screens 10, 20 (switched off), 30 and 40; the letters 500 and 600 are on screen 30.
        auto* flow = new TCinematicManagerAbstract();
        for (int id : {10, 20, 30, 40})
            flow->InitScreen(id, id * 100, "", TScreenInformation::SELECTION_NON,
                             id == 20 ? TScreenInformation::OFF : TScreenInformation::ON,
                             TScreenInformation::FAMILLE_DEFAUT);
        flow->addScreenFromLettrageEntry(500, 30);
        flow->addScreenFromLettrageEntry(600, 30);
        m_form->setCinematicManager(flow);
        m_screen = new FormTestScreen(m_form.get(), &m_model, flow);
        m_form->Add(m_screen);
        m_window = qobject_cast<TViewBaseForm*>(m_form->getView());
    }

    // Runs the wizard; `whileShown` runs from inside its modal loop. A wizard that would never
    // close fails the test instead of hanging it.
    void execute(const std::function<void()>& whileShown)
    {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            ADD_FAILURE() << "the wizard did not close";
            m_form->Ok();
            m_screen->accepts = true;
            m_window->Close();
        });
        watchdog.start(10000);
        QTimer::singleShot(0, whileShown);
        m_form->Execute();
    }

    void closeWindow() { m_window->Close(); }

    TInfoGene m_info;
    TestModel m_model{&m_info};
    std::unique_ptr<TPrBaseForm> m_form;
    FormTestScreen* m_screen = nullptr; // owned by m_form
    QPointer<TViewBaseForm> m_window;   // frees itself when the wizard closes
};

} // namespace

TEST_F(TPrBaseFormTest, StartsOnTheScreenTheGeneralInformationAsksForElseOnTheFirst)
{
    struct Case
    {
        bool toFind; // the screen is the one that shows control 600
        bool displayed;
        int idScreen;
        int shown;
        bool warned;
    };
    const Case cases[] = {
        {false, false, -1, 10, false}, {true, false, 30, 10, false}, {true, true, 30, 30, false},
        {false, true, 40, 40, false},  {false, true, 20, 10, true}, // 20 is switched off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idScreen);
        build();
        m_info = TInfoGene();
        m_info.setScreenToFind(c.toFind);
        m_info.setIdControl(c.toFind ? 600 : 0);
        m_info.setDisplayedScreen(c.displayed);
        if (!c.toFind)
            m_info.setIdScreen(c.idScreen);
        LogCapture log;
        bool shownModal = false;
        execute([&] {
            shownModal = m_window->isVisible() && m_window->IsModal();
            closeWindow();
        });
        EXPECT_TRUE(shownModal);
        EXPECT_EQ(m_info.getIdScreen(), c.idScreen);
        EXPECT_EQ(m_screen->shownScreens, std::vector<int>{c.shown});
        EXPECT_EQ(m_form->getCinematicManager()->getEnumEcranActif(), c.shown);
        EXPECT_EQ(log.count(kMissingScreenWarning), c.warned ? 1u : 0u);
    }
}

TEST_F(TPrBaseFormTest, ClosingAsksAboutChangesUnlessFinishedAndValidatesOnlyAFinish)
{
    struct Case
    {
        const char* name;
        bool modified;
        bool finish;  // the user finishes before closing
        bool accepts; // the screens accept their data the first time
        std::vector<Answer> answers;
        int validations;
        int restores;
        int userAction;
        bool staysOpen; // after the first attempt; the second one closes
    };
    const Case cases[] = {
        {"nothing changed", false, false, false, {}, 0, 0, 1, false},
        {"finished", true, true, true, {}, 1, 0, 0, false},
        {"finished, data refused", false, true, false, {}, 2, 0, 0, true},
        {"abandon confirmed", true, false, true, {Answer::OK}, 0, 1, 1, false},
        {"abandon declined", true, false, true, {Answer::Cancel, Answer::OK}, 0, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        build();
        ScriptedDialogs dialogs;
        for (Answer answer : c.answers)
            dialogs.answer(answer);
        m_screen->modified = c.modified;
        m_screen->accepts = c.accepts;
        bool stayedOpen = false;
        execute([&] {
            if (c.finish)
                m_form->Ok();
            closeWindow();
            stayedOpen = m_window && m_window->isVisible() && !m_form->isClosed();
            if (stayedOpen) {
                EXPECT_FALSE(m_form->isCloseAllowed());
                EXPECT_FALSE(m_form->getCompteRendu()->isModified());
                // The user corrects the entry, or still holds changes: the next attempt asks.
                m_screen->accepts = true;
                if (c.finish)
                    m_form->Ok();
                closeWindow();
            }
        });
        EXPECT_EQ(stayedOpen, c.staysOpen);
        EXPECT_EQ(dialogs.count(), c.answers.size());
        if (!c.answers.empty()) {
            EXPECT_EQ(dialogs.textOf(0), kAbandonQuestion);
        }
        EXPECT_EQ(m_screen->validations, c.validations);
        EXPECT_EQ(m_screen->restores, c.restores);
        EXPECT_EQ(m_form->getCompteRendu()->getUserAction(), c.userAction);
        EXPECT_TRUE(m_form->isClosed());
        flushQtEvents();
        EXPECT_TRUE(m_window.isNull()) << "freed";
        EXPECT_EQ(m_form->getPanelEcranVCL(), nullptr);
    }
}

TEST_F(TPrBaseFormTest, AWizardWithoutFlowEndsAtOnceWithAnErrorAndANotRunReport)
{
    TPrBaseForm bare(nullptr, &m_model, nullptr);
    LogCapture log;
    bare.Execute();
    EXPECT_EQ(log.messages().back(), "TPrBaseForm::Execute() sans gestionnaire de cin\xE9matique");
    EXPECT_EQ(log.lines().back().level, log4cxx::Level::getError());
    EXPECT_FALSE(bare.getView()->isVisible());
    EXPECT_EQ(bare.getCompteRendu()->getUserAction(), TPrBaseForm::kUserActionNotRun);
}
