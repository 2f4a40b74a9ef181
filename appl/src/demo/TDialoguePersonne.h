#pragma once

// The editor of one dependant, opened modally by the dependants' screen to fill a new
// dependant or to change one: first name, year of birth, alternate custody. "OK" closes it
// only when the first name is given and the year of birth is a year of 1900 to the tax year;
// otherwise a message says what is missing and the field takes the focus.

#include "TDeclarationRevenus.h"

#include "TForm.h"

#include <string>

class TEdit;
class TLabel;
class TcxCheckBox;
class TcxKelButton;

class TDialoguePersonne : public TForm
{
    Q_OBJECT

public:
    // `owner` (may be null) deletes the dialog with itself; `legende` captions the messages.
    TDialoguePersonne(TComponent* owner, const std::string& legende);
    // A window cannot be duplicated.
    TDialoguePersonne(const TDialoguePersonne&) = delete;
    TDialoguePersonne& operator=(const TDialoguePersonne&) = delete;
    ~TDialoguePersonne() override;
    bool operator==(const TDialoguePersonne& other) const { return this == &other; }

    // The fields from / to a dependant.
    void Affiche(const TDeclarationRevenus::Personne& personne);
    TDeclarationRevenus::Personne Saisie() const;
    // Checks the fields; explains the first fault and focuses its field.
    bool Valide();

    // The layout; every widget belongs to the dialog.
    TLabel* LabelPrenom = nullptr;
    TEdit* EditPrenom = nullptr;
    TLabel* LabelAnnee = nullptr;
    TEdit* EditAnnee = nullptr;
    TcxCheckBox* CheckGardeAlternee = nullptr;
    TcxKelButton* ButtonOk = nullptr;
    TcxKelButton* ButtonAnnuler = nullptr;

private:
    std::string m_legende;
};
