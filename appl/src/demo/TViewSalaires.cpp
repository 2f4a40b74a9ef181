#include "TViewSalaires.h"

#include "Revenus.h"
#include "TCalculImpot.h"
#include "TModeleRevenus.h"

#include "TLabel.h"
#include "TcxCheckBox.h"
#include "TcxEditNum.h"

using namespace revenus;

TViewSalaires::TViewSalaires(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranSalaires, 320)
{}

TViewSalaires::~TViewSalaires() = default;

void TViewSalaires::ConstruitEcran()
{
    Libelle(0, "Salaires du d\xE9"
               "clarant :");
    EditSalaire1 = Montant(kSalaire1, 0, true);
    LabelSalaire2 = Libelle(1, "Salaires du conjoint :");
    EditSalaire2 = Montant(kSalaire2, 1, true);
    auto* aide = Libelle(2,
                         "Montants pr\xE9remplis par vos employeurs : double-cliquez ou "
                         "appuyez sur F2 pour les corriger.",
                         kMarge, kLargeur - 2 * kMarge);
    aide->setWordWrap(true);

    CheckFraisReels = Case(kFraisReels, 3,
                           "Vous optez pour les &frais r\xE9"
                           "els",
                           '0');
    Libelle(4, "Montant des frais r\xE9"
               "els :");
    EditFraisReels = Montant(kMontantFraisReels, 4);
    Libelle(5, "Salaires nets imposables :");
    EditSalairesNets = Resultat(kSalairesNets, 5);
}

void TViewSalaires::UpdateSelection()
{
    TViewRevenus::UpdateSelection();
    const TModeleRevenus* modele = Modele();
    const bool couple = modele && TCalculImpot::EstCouple(modele->Declaration());
    if (LabelSalaire2)
        LabelSalaire2->setVisible(couple);
    if (EditSalaire2)
        EditSalaire2->setVisible(couple);
}
