#pragma once

// A wizard form presenter over a flow of screens, with navigation data and a screen that may
// refuse its data: shared by the tests of the navigation tree and of the button bar.

#include "ScreenTestHost.h"

#include "flow/TScreenInformation.h"
#include "model/TComplexDataNavigateTree.h"
#include "model/TMgtModelInvoker.h"
#include "presenter/TPrBaseForm.h"

namespace wizardtest {

// A screen of the flow; a title resource of 0 or less makes it a heading.
struct Screen
{
    int id;
    long idRessource = 100;
    int niveau = 1; // in the navigation
    bool on = true;
};

// Screens 10, 20, 30... with title resources 100, 200, 300...
inline std::vector<Screen> Screens(int count)
{
    std::vector<Screen> screens;
    for (int i = 1; i <= count; ++i)
        screens.push_back({i * 10, i * 100L});
    return screens;
}

// The host's navigation data: "Ecran <id>" at the screen's level.
class NavData : public TComplexDataNavigateTree
{
public:
    NavData(TModelAbstract* model, TCinematicManagerAbstract* flow, bool* destroyed = nullptr)
        : TComplexDataNavigateTree(model, flow), m_destroyed(destroyed)
    {}
    ~NavData() override
    {
        if (m_destroyed)
            *m_destroyed = true;
    }
    bool GetLibelleTreeData(std::string& texte) override
    {
        texte = "Ecran " + std::to_string(info()->getIdScreen());
        return true;
    }
    bool GetNiveauTreeData(std::string& texte) override
    {
        texte = std::to_string(info()->getNiveau());
        return true;
    }

private:
    const TScreenInformation* info()
    {
        return getCinematicManager()->GetDisplayScreenInfo(getCursor());
    }
    bool* m_destroyed;
};

// Records the screen changes, then refreshes the whole tree, as the screen presenter does once
// it has built the new screen.
class Wizard : public TPrBaseForm
{
public:
    using TPrBaseForm::TPrBaseForm;
    void ChangeScreen() override
    {
        changes.push_back(getCinematicManager()->getEnumEcranActif());
        TPrBaseForm::ChangeScreen();
        Update();
    }
    std::vector<int> changes;
};

// The screen being left: accepts its data or not.
class GateScreen : public TPrComposite
{
public:
    using TPrComposite::TPrComposite;
    bool DonneesValide(bool afficher) override
    {
        ++validations;
        shown = afficher;
        return accepts;
    }
    bool accepts = true;
    bool shown = false;
    int validations = 0;
};

struct WizardHarness
{
    // The wizard over `screens`, `active` showing; the presenter under test is added next.
    void BuildWizard(const std::vector<Screen>& screens, int active)
    {
        form = new Wizard(nullptr, &model, &invoker);
        flow = new TCinematicManagerAbstract();
        for (const Screen& s : screens) {
            flow->InitScreen(s.id, s.idRessource, "", TScreenInformation::SELECTION_OUI,
                             s.on ? TScreenInformation::ON : TScreenInformation::OFF,
                             TScreenInformation::FAMILLE_DEFAUT);
            flow->GetInfoEcran(s.id)->setNiveau(s.niveau);
        }
        flow->setEnumEcranActif(active);
        form->setCinematicManager(flow);
        gate = new GateScreen(form, &model, nullptr, flow);
        form->Add(gate);
    }

    TInfoGene info;
    screentest::TestModel model{&info};
    TMgtModelInvoker invoker;
    Wizard* form = nullptr; // owns the rest
    TCinematicManagerAbstract* flow = nullptr;
    GateScreen* gate = nullptr;
};

} // namespace wizardtest
