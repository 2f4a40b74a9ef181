#include "TViewBiensLoues.h"

#include "Revenus.h"

#include "controls/TdCEdit.h"
#include "controls/TdCcxEditDate.h"
#include "controls/TdCcxEditStr.h"

#include "TEdit.h"
#include "TLabel.h"
#include "TcxEditDate.h"
#include "TcxEditStr.h"

using namespace revenus;

TViewBiensLoues::TViewBiensLoues(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranBiens, 220)
{}

TViewBiensLoues::~TViewBiensLoues() = default;

void TViewBiensLoues::ConstruitEcran()
{
    Libelle(0, "Adresse du &bien :")->SetFocusControl(EditAdresseBien = new TcxEditStr(this));
    EditAdresseBien->SetBounds(kColonneChamp, Y(0), 320, 24);
    Lie<TdCcxEditStr>(EditAdresseBien, kAdresseBien);

    Libelle(1, "&Date d'acquisition :")
        ->SetFocusControl(EditDateAcquisition = new TcxEditDate(this));
    EditDateAcquisition->SetBounds(kColonneChamp, Y(1), 100, 24);
    Lie<TdCcxEditDate>(EditDateAcquisition, kDateAcquisition);

    Libelle(2, "&Nombre de logements :")->SetFocusControl(EditLogements = new TEdit(this));
    EditLogements->SetBounds(kColonneChamp, Y(2), 50, 24);
    EditLogements->SetMaxLength(3);
    Lie<TdCEdit>(EditLogements, kNombreLogements);
}
