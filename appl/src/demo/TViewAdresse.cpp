#include "TViewAdresse.h"

#include "Revenus.h"

#include "controls/TdCEdit.h"
#include "controls/TdCcxEditTel.h"
#include "controls/TdCcxKelMemo.h"

#include "TEdit.h"
#include "TLabel.h"
#include "TcxEditTel.h"
#include "TcxKelMemo.h"

using namespace revenus;

TViewAdresse::TViewAdresse(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranAdresse, 280)
{}

TViewAdresse::~TViewAdresse() = default;

void TViewAdresse::ConstruitEcran()
{
    Libelle(0, "A&dresse :")->SetFocusControl(MemoAdresse = new TcxKelMemo(this));
    MemoAdresse->SetBounds(kColonneChamp, Y(0), 320, 64);
    Lie<TdCcxKelMemo>(MemoAdresse, kAdresse);

    Libelle(2, "&Code postal :")->SetFocusControl(EditCodePostal = new TEdit(this));
    EditCodePostal->SetBounds(kColonneChamp, Y(2), 70, 24);
    EditCodePostal->SetMaxLength(5);
    Lie<TdCEdit>(EditCodePostal, kCodePostal);

    Libelle(3, "C&ommune :")->SetFocusControl(EditCommune = new TEdit(this));
    EditCommune->SetBounds(kColonneChamp, Y(3), 250, 24);
    Lie<TdCEdit>(EditCommune, kCommune);

    Libelle(4, "T\xE9l\xE9p&hone :")->SetFocusControl(EditTelephone = new TcxEditTel(this));
    EditTelephone->SetBounds(kColonneChamp, Y(4), 130, 24);
    Lie<TdCcxEditTel>(EditTelephone, kTelephone);
}
