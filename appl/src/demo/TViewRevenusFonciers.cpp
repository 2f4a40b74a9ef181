#include "TViewRevenusFonciers.h"

#include "Revenus.h"

#include "TLabel.h"
#include "TcxComboBox.h"
#include "TcxEditNum.h"

using namespace revenus;

TViewRevenusFonciers::TViewRevenusFonciers(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranFoncier, 250)
{}

TViewRevenusFonciers::~TViewRevenusFonciers() = default;

void TViewRevenusFonciers::ConstruitEcran()
{
    Libelle(0, "Loyers bruts encaiss\xE9s :");
    EditLoyers = Montant(kLoyers, 0);
    Libelle(1, "R\xE9gime d'imposition :");
    ComboRegime = Liste(kRegimeFoncier, 1, 300,
                        {{kMicroFoncier, "Micro-foncier (abattement de 30 %)"},
                         {kRegimeReel, "R\xE9gime r\xE9"
                                       "el"}});
    Libelle(2, "Charges d\xE9"
               "ductibles (r\xE9gime r\xE9"
               "el) :");
    EditCharges = Montant(kChargesFoncieres, 2);
    Libelle(3, "Revenu foncier net :");
    EditFoncierNet = Resultat(kFoncierNet, 3);
}
