#pragma once

// The screen presenter of the sample: runs the model's transfers, computation and selection
// through the invoker's commands, keeps the declaration found at the start, tells whether it
// changed, and finds the screen of a letter (to show a letter from the audit list).

#include "presenter/TPrEcranVCL.h"

class TModeleRevenus;

class TPrEcranRevenus : public TPrEcranVCL
{
public:
    // `owner`: the wizard window's middle panel. Makes the screens' factory, which it owns.
    TPrEcranRevenus(TComponent* owner, TPrComposite* parent, TModeleRevenus* modele,
                    TMgtModelInvoker* invoker, TCinematicManagerAbstract* cinematicManager);
    TPrEcranRevenus(const TPrEcranRevenus& other);
    TPrEcranRevenus& operator=(const TPrEcranRevenus& other);
    ~TPrEcranRevenus() override;
    bool operator==(const TPrEcranRevenus& other) const;

    void SauveDataInit() override;
    void RestaureDataInit() override;
    void CheckIsModified() override;
    void InitDonnees() override {}
    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    // The screen that shows a letter, from the flow's table.
    int SelectEcran(int lettrage) override;

    TModeleRevenus* getModele() const { return m_modele; }

private:
    TModeleRevenus* m_modele = nullptr; // not owned
};
