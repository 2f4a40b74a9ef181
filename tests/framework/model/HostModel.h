#pragma once

// A host model as an application writes one: it records the calls the framework makes and
// hands out message texts from the letter store.

#include "model/TModelAbstract.h"

#include "qlettre.h"

#include <string>
#include <vector>

class HostModel : public TModelAbstract
{
public:
    struct Call
    {
        std::string operation;
        structLettre* lettres = nullptr;
        structLettre* lettresStatic = nullptr;
        bool operator==(const Call&) const = default;
    };

    using TModelAbstract::TModelAbstract;

    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override
    {
        calls.push_back({"DonneesVersLettrage", lettres, lettresStatic});
    }
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override
    {
        calls.push_back({"LettrageVersDonnees", lettres, lettresStatic});
    }
    void Calcul() override { calls.push_back({"Calcul"}); }
    void Select(structLettre* lettres) override { calls.push_back({"Select", lettres}); }
    structMessage* ControleLettres(structLettre*) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* message, char** texte) override
    {
        ++textsHandedOut;
        *texte = DupliqueTexte(LitTexteMessage(message));
        return *texte;
    }
    char* LibelleDeLaLettre(short, char** libelle) override
    {
        *libelle = nullptr;
        return nullptr;
    }

    std::vector<Call> calls;
    int textsHandedOut = 0;
};
