#include "TViewDeclarant.h"

#include "Revenus.h"

#include "controls/TDateController.h"
#include "controls/TdCEdit.h"
#include "controls/TdCcxEditStr.h"

#include "TEdit.h"
#include "TLabel.h"
#include "TcxComboBox.h"
#include "TcxEditStr.h"

#include <utility>

using namespace revenus;

TViewDeclarant::TViewDeclarant(TComponent* owner, TPrEcranVCL* presenter)
    : TViewRevenus(owner, presenter, kEcranDeclarant, 250)
{}

TViewDeclarant::~TViewDeclarant() = default;

void TViewDeclarant::ConstruitEcran()
{
    Libelle(0, "&Nom :")->SetFocusControl(EditNom = new TEdit(this));
    EditNom->SetBounds(kColonneChamp, Y(0), 250, 24);
    Lie<TdCEdit>(EditNom, kNom);

    Libelle(1, "Pr\xE9no&m :")->SetFocusControl(EditPrenom = new TcxEditStr(this));
    EditPrenom->SetBounds(kColonneChamp, Y(1), 250, 24);
    Lie<TdCcxEditStr>(EditPrenom, kPrenom);

    // Day, month and year, checked together against the tax year when one of them is left.
    Libelle(2, "&Date de naissance (jour / mois / ann\xE9"
               "e) :")
        ->SetFocusControl(EditJour = new TEdit(this));
    EditMois = new TEdit(this);
    EditAnnee = new TEdit(this);
    EditJour->SetBounds(kColonneChamp, Y(2), 36, 24);
    EditMois->SetBounds(kColonneChamp + 46, Y(2), 36, 24);
    EditAnnee->SetBounds(kColonneChamp + 92, Y(2), 56, 24);
    EditJour->SetMaxLength(2);
    EditMois->SetMaxLength(2);
    EditAnnee->SetMaxLength(4);
    Lie<TdCEdit>(EditJour, kJourNaissance, Reaction::Controle);
    Lie<TdCEdit>(EditMois, kMoisNaissance, Reaction::Controle);
    Lie<TdCEdit>(EditAnnee, kAnneeNaissance, Reaction::Controle);
    AjouteControlController(
        new TDateController(Handle(), EditJour, EditMois, EditAnnee, kAnneeFiscale));
    // Two digits typed fill the day or the month: the next field takes over, as on a form.
    for (auto [champ, suivant] : {std::pair{EditJour, EditMois}, std::pair{EditMois, EditAnnee}}) {
        QObject::connect(
            champ, &QLineEdit::textEdited, this, [champ, suivant](const QString& texte) {
                if (texte.size() == 2 && champ->cursorPosition() == 2 && champ->hasFocus())
                    suivant->setFocus(Qt::TabFocusReason);
            });
    }

    Libelle(3, "Situation de &famille :");
    ComboSituation = Liste(kSituationFamille, 3, 250,
                           {{kSituationInconnue, "(\xE0 choisir)"},
                            {kCelibataire, "C\xE9libataire"},
                            {kMarie, "Mari\xE9(e)"},
                            {kPacse, "Pacs\xE9(e)"},
                            {kDivorce, "Divorc\xE9(e) ou s\xE9par\xE9(e)"},
                            {kVeuf, "Veuf ou veuve"}});
}
