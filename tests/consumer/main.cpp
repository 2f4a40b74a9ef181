// The smallest host of the installed library: a two-screen wizard (a name, then a town) with
// its buttons bar, driven by a timer as a user would drive it: type, Next, type, finish.
// Exits 0 when the wizard finished with what was typed in the host's model and the second
// screen's title came from the title module.

#include "controls/TdCEdit.h"
#include "flow/TCinematicManagerAbstract.h"
#include "flow/TScreenInformation.h"
#include "model/TCompteRendu.h"
#include "model/TFactoryAbstract.h"
#include "model/TMgtModelCmdDVL.h"
#include "model/TMgtModelCmdLVD.h"
#include "model/TMgtModelInvoker.h"
#include "model/TModelAbstract.h"
#include "presenter/TPrBaseForm.h"
#include "presenter/TPrEcranVCL.h"
#include "presenter/TPrManagementButtons.h"
#include "view/TView.h"
#include "view/TViewEcranVCL.h"

#include "TColor.h"
#include "TEdit.h"
#include "TInfoGene.h"
#include "TPanel.h"
#include "qlettre.h"

#include <log4cxx/basicconfigurator.h>
#include <log4cxx/logger.h>

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kNom = 1;   // letter of the name, on screen 1
constexpr int kVille = 2; // letter of the town, on screen 2

// The host's data: one string per letter.
class Model : public TModelAbstract
{
public:
    using TModelAbstract::TModelAbstract;
    std::map<int, std::string> data;
    std::map<int, std::string> initial; // as the wizard found it

    void DonneesVersLettrage(structLettre* lettres, structLettre*) override
    {
        for (structLettre* l = VaPremiereLettre(lettres); !FinListeLettre(l);
             l = VaLettreSuivante(l))
            MetValeurLettre(l, data[l->lettrage].c_str());
    }
    void LettrageVersDonnees(structLettre* lettres, structLettre*) override
    {
        for (structLettre* l = VaPremiereLettre(lettres); !FinListeLettre(l);
             l = VaLettreSuivante(l)) {
            const char* valeur = LitValeurLettre(l);
            data[l->lettrage] = valeur ? valeur : "";
        }
    }
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* message, char** texte) override
    {
        *texte = DupliqueTexte(LitTexteMessage(message));
        return *texte;
    }
    char* LibelleDeLaLettre(short, char** libelle) override
    {
        *libelle = DupliqueTexte("");
        return *libelle;
    }
};

// Screens 1 and 2, their titles (resources 101 and 102) from the title module.
class Flow : public TCinematicManagerAbstract
{
public:
    Flow() { setScreenDllName(CONSUMER_TITLES); }
    void Init() override
    {
        InitScreen(1, 101, "Nom", TScreenInformation::SELECTION_OUI, TScreenInformation::ON,
                   TScreenInformation::FAMILLE_DEFAUT);
        InitScreen(2, 102, "Ville", TScreenInformation::SELECTION_OUI, TScreenInformation::ON,
                   TScreenInformation::FAMILLE_DEFAUT);
        InitLettrageToScreens();
        addScreenFromLettrageEntry(kNom, 1);
        addScreenFromLettrageEntry(kVille, 2);
    }
};

// One edit bound to one letter.
class Screen : public TViewEcranVCL
{
public:
    Screen(TComponent* owner, TPrEcranVCL* presenter, int lettrage)
        : TViewEcranVCL(owner, presenter), m_lettrage(lettrage)
    {
        SetClientWidth(400);
        SetClientHeight(120);
    }
    TEdit* edit = nullptr;

    void InitCouleurs() override { SetColor(clWindow); }
    void InitControls() override
    {
        edit = new TEdit(this);
        edit->SetBounds(20, 20, 200, 24);
        auto* control = new TdCEdit();
        control->m_lettrage = m_lettrage;
        control->m_component = edit;
        AjouteControl(control);
        structLettre* lettres = nullptr;
        AjouteLettre(&lettres, static_cast<short>(m_lettrage), 0, 0, 0, 1, 0);
        setListeLettre(lettres);
    }
    void SetOnChangeControl() override { AttachOnChangeControls(); }

private:
    int m_lettrage;
};

class Factory : public TFactoryAbstract
{
public:
    bool CreeVue(int idScreen, TComponent* owner, TPrEcranVCL* presenter) override
    {
        if (idScreen != 1 && idScreen != 2)
            return false;
        presenter->setView(new Screen(owner, presenter, idScreen == 1 ? kNom : kVille));
        return true;
    }
};

// The screen presenter moves the data through the model's commands.
class ScreenPresenter : public TPrEcranVCL
{
public:
    ScreenPresenter(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                    TMgtModelInvoker* invoker, TCinematicManagerAbstract* flow)
        : TPrEcranVCL(owner, parent, model, invoker, flow)
    {
        listeFactory.push_back(new Factory()); // owned by the presenter
    }
    void InitDonnees() override {}
    void SauveDataInit() override { model().initial = model().data; }
    void RestaureDataInit() override { model().data = model().initial; }
    void CheckIsModified() override
    {
        getCompteRendu()->setModified(model().data != model().initial);
    }
    void DonneesVersLettrage(structLettre* lettres, structLettre* statiques) override
    {
        TMgtModelCmdDVL commande(getModel(), lettres, statiques);
        getInvoker()->executeCommand(&commande);
    }
    void LettrageVersDonnees(structLettre* lettres, structLettre* statiques) override
    {
        TMgtModelCmdLVD commande(getModel(), lettres, statiques);
        getInvoker()->executeCommand(&commande);
    }

private:
    Model& model() const { return *static_cast<Model*>(getModel()); }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    log4cxx::BasicConfigurator::configure(); // the framework's trace: warnings only
    log4cxx::Logger::getRootLogger()->setLevel(log4cxx::Level::getWarn());
    TInfoGene info;
    Model model(&info);
    TMgtModelInvoker invoker;

    bool finished = false;
    std::string title;
    {
        TPrBaseForm wizard(nullptr, &model, &invoker);
        auto* flow = new Flow();
        flow->Init();
        wizard.setCinematicManager(flow);
        auto* screens =
            new ScreenPresenter(wizard.getPanelEcranVCL(), &wizard, &model, &invoker, flow);
        wizard.Add(screens);
        auto* buttons = new TPrManagementButtons(wizard.getPanelManagementButtons(), &wizard,
                                                 &model, &invoker, flow);
        wizard.Add(buttons);
        wizard.SauveDataInit();

        QTimer::singleShot(0, [&] {
            // What typing does: the text, then the change road of the screen.
            if (auto* first = dynamic_cast<Screen*>(screens->getView())) {
                first->edit->SetText("Paul");
                first->OnChangeControl(first->edit);
            }
            buttons->NextScreen();
            if (auto* second = dynamic_cast<Screen*>(screens->getView())) {
                second->edit->SetText("Lyon");
                second->OnChangeControl(second->edit);
            }
            flow->GetTitleScreen(102, title);
            buttons->Ok();
            wizard.getView()->Close();
        });
        wizard.Execute();
        finished = wizard.getCompteRendu()->getUserAction() == 0;
    }

    const bool ok = finished && model.data[kNom] == "Paul" && model.data[kVille] == "Lyon" &&
                    title == "Votre ville";
    std::printf("wizard_consumer: %s (finished %d, name \"%s\", town \"%s\", title \"%s\")\n",
                ok ? "ok" : "FAILED", finished, model.data[kNom].c_str(),
                model.data[kVille].c_str(), title.c_str());
    return ok ? 0 : 1;
}
