#include "TDialoguePersonne.h"

#include "Revenus.h"

#include "MessageBox.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TcxCheckBox.h"
#include "TcxKelButton.h"

#include <cctype>
#include <cstdlib>

TDialoguePersonne::TDialoguePersonne(TComponent* owner, const std::string& legende)
    : TForm(owner), m_legende(legende)
{
    SetText("Personne \xE0 charge");
    SetClientWidth(380);
    SetClientHeight(170);
    // Over the wizard that opened it, never in a corner of the screen.
    SetPosition(poOwnerFormCenter);

    LabelPrenom = new TLabel(this);
    LabelPrenom->SetText("&Pr\xE9nom :");
    LabelPrenom->SetBounds(16, 20, 140, 20);
    EditPrenom = new TEdit(this);
    EditPrenom->SetBounds(160, 16, 200, 24);
    LabelPrenom->SetFocusControl(EditPrenom);

    LabelAnnee = new TLabel(this);
    LabelAnnee->SetText("&Ann\xE9"
                        "e de naissance :");
    LabelAnnee->SetBounds(16, 56, 140, 20);
    EditAnnee = new TEdit(this);
    EditAnnee->SetBounds(160, 52, 70, 24);
    EditAnnee->SetMaxLength(4);
    LabelAnnee->SetFocusControl(EditAnnee);

    CheckGardeAlternee = new TcxCheckBox(this);
    CheckGardeAlternee->SetText("&R\xE9sidence altern\xE9"
                                "e (garde partag\xE9"
                                "e)");
    CheckGardeAlternee->SetBounds(16, 90, 340, 22);

    ButtonOk = new TcxKelButton(this);
    ButtonOk->SetText("OK");
    ButtonOk->SetBounds(176, 126, 88, 30);
    ButtonOk->SetDefault(true);
    // Closes only once the fields are right.
    ButtonOk->OnClick = [this](TObject*) {
        if (Valide())
            SetModalResult(mrOk);
    };
    ButtonAnnuler = new TcxKelButton(this);
    ButtonAnnuler->SetText("Annuler");
    ButtonAnnuler->SetBounds(274, 126, 88, 30);
    ButtonAnnuler->SetCancel(true);
    ButtonAnnuler->SetModalResult(mrCancel);
}

TDialoguePersonne::~TDialoguePersonne() = default;

void TDialoguePersonne::Affiche(const TDeclarationRevenus::Personne& personne)
{
    EditPrenom->SetText(personne.prenom);
    EditAnnee->SetText(personne.anneeNaissance);
    CheckGardeAlternee->SetChecked(personne.gardeAlternee);
}

TDeclarationRevenus::Personne TDialoguePersonne::Saisie() const
{
    return {EditPrenom->GetText(), EditAnnee->GetText(), CheckGardeAlternee->GetChecked()};
}

bool TDialoguePersonne::Valide()
{
    const TDeclarationRevenus::Personne personne = Saisie();
    const char* faute = nullptr;
    TEdit* champ = nullptr;
    if (personne.prenom.find_first_not_of(' ') == std::string::npos) {
        faute = "Le pr\xE9nom de la personne \xE0 charge doit \xEAtre renseign\xE9.";
        champ = EditPrenom;
    } else {
        bool chiffres = personne.anneeNaissance.size() == 4;
        for (unsigned char c : personne.anneeNaissance)
            chiffres = chiffres && std::isdigit(c);
        const long annee = chiffres ? std::atol(personne.anneeNaissance.c_str()) : 0;
        if (annee < 1900 || annee > revenus::kAnneeFiscale) {
            faute = "L'ann\xE9"
                    "e de naissance doit \xEAtre une ann\xE9"
                    "e de 1900 \xE0 2024.";
            champ = EditAnnee;
        }
    }
    if (!faute)
        return true;
    MessageBoxA(Handle(), faute, m_legende.c_str(), MB_OK | MB_ICONEXCLAMATION);
    champ->SetFocus();
    return false;
}
