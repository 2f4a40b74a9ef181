#pragma once

// The model interface the commands speak to: the transfers between the declaration's data
// and the letters of a screen, the computation of dependent values, the selection of
// enterable letters and the checks. TModelAbstract gives it its common part; the host
// derives its model from TModelAbstract.
// The host owns its model; presenters and commands only point to it.

#include "wizard_framework_export.h"

#include <string>

struct structLettre;
struct structMessage;

class WIZARD_FRAMEWORK_EXPORT TMgtModel
{
public:
    virtual ~TMgtModel() = default;

    // Copies the model's data into a screen's letter list and static letter list.
    virtual void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) = 0;
    // Copies a screen's letters back into the model's data.
    virtual void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) = 0;
    // Recomputes the dependent data.
    virtual void Calcul() = 0;
    // Sets the selection state of each letter of the list (1: enterable).
    virtual void Select(structLettre* lettres) = 0;
    // Checks a screen's letters: the list of messages, null when there is nothing to say.
    virtual structMessage* ControleLettres(structLettre* lettres) = 0;
    // Checks the whole declaration (the host's own check, e.g. before filing); same
    // answer as ControleLettres. The framework never calls it.
    virtual structMessage* ControleDeclaration() = 0;
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
    // The display text of a message, malloc'd, stored through `texte` and returned; the
    // caller frees it with LibereTexteMessage.
    virtual char* TexteDuMessage(structMessage* message, char** texte) = 0;
    // The label of a letter, handed out as TexteDuMessage does (the host's own use). The
    // framework never calls it.
    virtual char* LibelleDeLaLettre(short lettrage, char** libelle) = 0;
    // Replaces the tokens of a label in place.
    virtual void MajUnLibelle(std::string& libelle) = 0;

protected:
    TMgtModel() = default;
    TMgtModel(const TMgtModel&) = default;
    TMgtModel& operator=(const TMgtModel&) = default;
};
