#include "TViewSignature.h"

#include "Revenus.h"

#include "controls/TdCEdit.h"
#include "controls/TdCMemo.h"
#include "controls/TdCcxEditDate.h"

#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TcxCheckBox.h"
#include "TcxEditDate.h"

using namespace revenus;

TViewSignature::TViewSignature(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranSignature, 330)
{}

TViewSignature::~TViewSignature() = default;

void TViewSignature::ConstruitEcran()
{
    Libelle(0, "&Fait \xE0 :")->SetFocusControl(EditLieu = new TEdit(this));
    EditLieu->SetBounds(kColonneChamp, Y(0), 250, 24);
    Lie<TdCEdit>(EditLieu, kLieu);

    Libelle(1, "L&e :")->SetFocusControl(EditDate = new TcxEditDate(this));
    EditDate->SetBounds(kColonneChamp, Y(1), 100, 24);
    Lie<TdCcxEditDate>(EditDate, kDateSignature);

    CheckCertification = Case(kCertification, 2,
                              "Je &certifie l'exactitude des renseignements port\xE9s sur cette "
                              "d\xE9"
                              "claration",
                              '1');

    Libelle(3, "&Observations :")->SetFocusControl(MemoObservations = new TMemo(this));
    MemoObservations->SetBounds(kColonneChamp, Y(3), 320, 90);
    Lie<TdCMemo>(MemoObservations, kObservations);
}
