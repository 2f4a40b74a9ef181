#pragma once

// The presenter of the middle area of the wizard window: the data-entry screen that is active
// in the screen flow. The host derives one screen presenter per declaration and supplies the
// data work (data into letters and back, computation, selection, modification check); this
// class decides when each of them runs, reacts to every change of a control, validates the
// screen before the user leaves it and rebuilds the view when the active screen changes.
//
// The view is always a TViewEcranVCL, made by the view factories of `listeFactory`, which
// this presenter owns.

#include "wizard_framework_export.h"

#include "presenter/TPrComposite.h"

#include <map>
#include <set>
#include <string>
#include <vector>

class TComponent;
class TFactoryAbstract;
class TViewEcranVCL;
struct HelpId;
struct structLettre;

class WIZARD_FRAMEWORK_EXPORT TPrEcranVCL : public TPrComposite
{
public:
    // `owner` is the component the factories give the views they make: the wizard window's
    // middle panel. No view is made here; the first screen change makes it.
    TPrEcranVCL(TComponent* owner, TPrComposite* parent, TModelAbstract* model,
                TMgtModelInvoker* invoker, TCinematicManagerAbstract* cinematicManager);
    // A copy takes the owner, the settings, the help table and the replacements, but no
    // factory: they keep their single owner.
    TPrEcranVCL(const TPrEcranVCL& other);
    TPrEcranVCL& operator=(const TPrEcranVCL& other);
    bool operator==(const TPrEcranVCL& other) const;

    ~TPrEcranVCL() override;
    void SaveData() override;
    void LoadData() override;
    void Accept(TCompositeVisitor* visitor) override;
    // Every host screen presenter keeps the data it found at the start and can put them back.
    void SauveDataInit() override = 0;
    void RestaureDataInit() override = 0;
    // Every host screen presenter refreshes its own report's modified flag here.
    void CheckIsModified() override = 0;
    void Update() override;
    // Before the model's check of the letters, SaisiesCompletes must accept the entries.
    bool DonneesValide(bool afficher) override;
    void FocusControl(int lettrage) override;

    // Host hook: fills `changedLettrage`; the framework never calls it.
    virtual void InitChangedLettrage();
    virtual void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic);
    virtual void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic);
    virtual void Calcul();
    virtual void Select(structLettre* lettres);
    // Host operation, never called by the framework: the screen's own initialisation of the
    // declaration data.
    virtual void InitDonnees() = 0;
    // Rebuilds the view for the active screen (nothing at all without factories), then gives
    // the focus to its first data field (a posted focus on a given control comes after). The
    // first build of each screen traces, as a warning, the Alt letters its captions share
    // with the buttons bar (see TViewEcranVCL::MnemonicClashes).
    virtual void ChangeView();
    // Whether the user's entries on the screen are complete enough to be checked; the first
    // step of DonneesValide, which refuses the screen when it answers false. The framework's
    // body refuses a date field left partly typed ("03/06/    ", stored as ""): with
    // `afficher`, it says "La date saisie est incompl\xE8te : jj/mm/aaaa" and puts the focus on
    // that field, so that the user learns it before leaving. A host overrides it to add its
    // own checks of entries (calling this body) or to accept such dates.
    virtual bool SaisiesCompletes(bool afficher);
    // The Alt letters the active screen shares with the rest of the window, one line per
    // clash; empty without a view. Host tests walk their screens with it.
    std::vector<std::string> MnemonicClashes() const;
    // Asks the factories in order for the active screen's view and completes the one made.
    virtual bool CreateView();
    // A control changed: save, compute, refresh the flow and the whole tree.
    virtual void OnChange();
    virtual void MajUnLibelle(std::string& libelle);
    virtual bool OuvreDeclaration(int enumEcran, int lettrage);
    virtual int SelectEcran(int lettrage);

    // Shows the screen that holds `lettrage` and focuses its control: through a posted
    // screen-change message on a wizard of several screens, by opening the declaration
    // (OuvreDeclaration) on a one-screen wizard.
    void AfficheEcran(int lettrage);

    TComponent* getOwner() const { return owner; }
    std::vector<TFactoryAbstract*> getListeFactory() const { return listeFactory; }
    bool isEnableOnChange() const { return enableOnChange; }
    void setEnableOnChange(bool enable) { enableOnChange = enable; }
    // The help table is the host's; the presenter only links it.
    HelpId* getHelpData() const { return helpData; }
    void setHelpData(HelpId* table) { helpData = table; }
    std::multimap<int, int> getChangedLettrage() const { return changedLettrage; }
    void setChangedLettrage(const std::multimap<int, int>& replacements)
    {
        changedLettrage = replacements;
    }

    // The active screen's type, 0 when no screen is active.
    int getTypeEcran() const;
    // The model's linked letters of `lettrage`, -1 when none (or without model).
    short getIdValeurSaisie(short lettrage) const;
    short getIdEtatEdit(short lettrage) const;

    // The view, which is always a screen view; null when there is none.
    TViewEcranVCL* getViewEcran() const;

protected:
    TComponent* owner = nullptr;
    // Asked in order; owned. The host's screen presenter fills it directly.
    std::vector<TFactoryAbstract*> listeFactory;
    bool enableOnChange = true;
    HelpId* helpData = nullptr;
    std::multimap<int, int> changedLettrage;

private:
    void WarnMnemonicClashes(const TViewEcranVCL& ecran);

    // Names the new screen after its title, which screen readers announce.
    void AnnonceTitre();
    // Depth of nested Update calls: changes count as the user's again once the outermost ends.
    int updateDepth = 0;
    // Screens whose Alt letters were already checked.
    std::set<int> mnemonicsChecked;
};
