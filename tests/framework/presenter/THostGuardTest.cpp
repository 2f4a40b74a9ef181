#include "PresenterDoubles.h"

#include "presenter/THostGuard.h"
#include "view/TMessageManager.h"
#include "view/TViewManagementButtons.h"

#include "TcxEditNum.h"
#include "TcxKelButton.h"

#include <stdexcept>

using namespace screentest;

namespace {

// Which host hook throws next (once), shared by the host's classes below.
struct Panne
{
    std::string armed;
    bool unknownType = false; // throw something that is not a std::exception

    void Maybe(const char* hook)
    {
        if (armed != hook)
            return;
        armed.clear();
        if (unknownType)
            throw 42;
        throw std::runtime_error(std::string(hook) + " en panne");
    }
};

// Throws from the check of a finish.
class FaultyModel : public TestModel
{
public:
    FaultyModel(TInfoGene* info, Panne& panne) : TestModel(info), m_panne(panne) {}
    structMessage* ControleLettres(structLettre* lettres) override
    {
        m_panne.Maybe("ControleLettres");
        return TestModel::ControleLettres(lettres);
    }

private:
    Panne& m_panne;
};

using THostGuardTest = PresenterTest;

// How the user meets the faulty hook.
enum class Geste
{
    Frappe,   // a keystroke in the amount
    Suivant,  // the next button, onto a screen that cannot be loaded
    Terminer, // finish: the screens are checked
    Relais    // a screen change posted to the relay window
};

struct HostFault
{
    const char* hook;
    Geste geste;
    const char* edge; // the road that stops it
    bool unknownType;
};

class THostGuardFaultTest : public THostGuardTest, public ::testing::WithParamInterface<HostFault>
{};

const HostFault kFaults[] = {
    {"OnChange", Geste::Frappe, "--TViewEcranVCL::OnChangeControl()", false},
    {"OnChange", Geste::Frappe, "--TViewEcranVCL::OnChangeControl()", true},
    {"ControleLettres", Geste::Terminer, "TViewBaseForm::FormCloseQuery()", false},
    {"DonneesVersLettrage", Geste::Suivant, "TViewManagementButtons::OnNext()", false},
    {"DonneesVersLettrage", Geste::Relais, "TMessageManager::Dispatch()", false},
};

TEST_P(THostGuardFaultTest, TheWizardSurvivesAHostThatThrowsAndKeepsWhatIsTypedAfter)
{
    const HostFault& fault = GetParam();
    Panne panne;
    Journal journal;
    TInfoGene info;
    info.setApplicationName("Kelmar");
    FaultyModel model(&info, panne);
    TMgtModelInvoker invoker;
    ScriptedDialogs dialogs;
    LogCapture log;
    QPointer<QWidget> window;
    bool survived = false;
    {
        TestWizard wizard(journal, model, invoker, new TestFactory(journal, "f", {1, 2}));
        wizard.ecran->onChangeHook = [&] { panne.Maybe("OnChange"); };
        wizard.ecran->loadHook = [&] { panne.Maybe("DonneesVersLettrage"); };
        window = wizard.form.getView();
        const auto finish = [&] {
            wizard.form.Ok();
            wizard.form.getView()->Close();
        };
        QTimer::singleShot(0, [&] {
            auto* bar = dynamic_cast<TViewManagementButtons*>(wizard.buttons->getView());
            ASSERT_NE(bar, nullptr);
            panne.armed = fault.hook;
            panne.unknownType = fault.unknownType;
            switch (fault.geste) {
            case Geste::Frappe:
                QTest::keyClicks(wizard.screen()->montant, "2");
                break;
            case Geste::Suivant:
                bar->PB_SUIVANT->Click();
                break;
            case Geste::Terminer:
                finish();
                break;
            case Geste::Relais:
                PostMessageA(wizard.form.getMessageManager()->Handle(), kMsgChangeView, 0, 0);
                EXPECT_TRUE(QTest::qWaitFor([] { return PendingPostedMessages() == 0; }));
                break;
            }
            EXPECT_TRUE(panne.armed.empty()) << "the hook was never reached";
            survived = window && window->isVisible();

            // The user carries on: types, finishes.
            QTest::keyClicks(wizard.screen()->nom, "Paul");
            finish();
        });
        wizard.form.Execute();
        EXPECT_EQ(wizard.form.getCompteRendu()->getUserAction(), 0);
        flushQtEvents();
    }
    EXPECT_TRUE(survived);
    EXPECT_EQ(model.donnees[kNom], "Paul");
    EXPECT_TRUE(window.isNull());

    const std::string cause =
        fault.unknownType ? "exception d'un type inconnu" : std::string(fault.hook) + " en panne";
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "Une erreur inattendue est survenue : " + cause +
                                     ". Votre saisie est conserv\xE9"
                                     "e.");
    EXPECT_EQ(dialogs.captionOf(0), "Kelmar");
    EXPECT_EQ(log.count(std::string(fault.edge) + " erreur inattendue : " + cause), 1u);
}

INSTANTIATE_TEST_SUITE_P(EveryRoad, THostGuardFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) {
                             return info.param.hook + std::to_string(info.index);
                         });

// A change handler that opens a modal dialog (here one that runs the event loop for a while,
// as a real one does) while a screen change is posted: the change waits for the handler.
TEST_F(THostGuardTest, AScreenChangePostedDuringAChangeWaitsForItsHandler)
{
    Journal journal;
    TInfoGene info;
    TestModel model(&info);
    TMgtModelInvoker invoker;
    {
        TestWizard wizard(journal, model, invoker, new TestFactory(journal, "f", {1, 2}));
        TCinematicManagerAbstract* flow = wizard.flow;
        TestScreenPresenter* ecran = wizard.ecran;
        ecran->ChangeView();

        QPointer<TestScreen> first = dynamic_cast<TestScreen*>(ecran->getView());
        bool keptDuringDialog = false;
        DialogSeam::ScopedHandler spinning([&](const DialogSeam::Request& request) {
            QTest::qWait(50); // the dialog's own loop delivers what is posted
            return DialogSeam::effectiveDefault(request);
        });
        ecran->onChangeHook = [&] {
            if (flow->getEnumEcranActif() == 2)
                return;
            flow->setEnumEcranActif(2);
            PostMessageA(wizard.form.getMessageManager()->Handle(), kMsgChangeView, kNom, 0);
            PostMessageA(wizard.form.getMessageManager()->Handle(), kMsgChangeFocus, kNom, 0);
            DialogSeam::show(DialogSeam::Request{});
            keptDuringDialog = !first.isNull();
        };
        QTest::keyClicks(first->nom, "P");
        EXPECT_TRUE(keptDuringDialog);
        EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }));
        EXPECT_EQ(wizard.form.getMessageManager()->HeldCount(), 0);
        EXPECT_EQ(flow->getEnumEcranActif(), 2);
        EXPECT_NE(ecran->getView(), nullptr);
        EXPECT_EQ(model.donnees[kNom], "P");
    }
    flushQtEvents();
}

} // namespace
