#pragma once

// The model of the sample: one income declaration (TDeclarationRevenus) and its computed tax.
// It moves the declaration's values into the letters of a screen and back, computes the tax,
// says which letters may be typed into, checks a screen's letters (blocking errors, warnings
// that ask) and lists the audit messages of the whole declaration.
//
// The declaration found when the wizard starts is kept (SauveEtatInitial), so that the
// wizard can tell whether the user changed anything and put it back on abandon.

#include "TCalculImpot.h"
#include "TDeclarationRevenus.h"

#include "model/TModelAbstract.h"

#include <string>
#include <vector>

class TInfoGene;

class TModeleRevenus : public TModelAbstract
{
public:
    // One line of the audit of the declaration.
    struct MessageAudit
    {
        int categorie;  // revenus::CategorieAudit, the audit filter code
        short lettrage; // the letter concerned, 0 for the whole declaration
        std::string texte;

        bool operator==(const MessageAudit&) const = default;
    };

    // `info` stays the caller's.
    explicit TModeleRevenus(TInfoGene* info);
    TModeleRevenus(const TModeleRevenus& other);
    TModeleRevenus& operator=(const TModeleRevenus& other);
    ~TModeleRevenus() override;
    bool operator==(const TModeleRevenus& other) const;

    void DonneesVersLettrage(structLettre* lettres, structLettre* lettresStatic) override;
    void LettrageVersDonnees(structLettre* lettres, structLettre* lettresStatic) override;
    void Calcul() override;
    void Select(structLettre* lettres) override;
    // Errors first (the first one refuses the screen), then the warnings.
    structMessage* ControleLettres(structLettre* lettres) override;
    // The anomalies and warnings of the whole declaration.
    structMessage* ControleDeclaration() override;
    char* TexteDuMessage(structMessage* message, char** texte) override;
    char* LibelleDeLaLettre(short lettrage, char** libelle) override;

    const TDeclarationRevenus& Declaration() const { return m_declaration; }
    // The declaration is changed through here (list of dependants, services); Calcul then
    // brings the results up to date.
    TDeclarationRevenus& Declaration() { return m_declaration; }
    // Replaces the whole declaration and computes it.
    void SetDeclaration(const TDeclarationRevenus& declaration);
    const TCalculImpot::Resultat& Resultat() const { return m_resultat; }

    // The value a letter shows (computed letters from the results, labels from the data).
    std::string ValeurLettre(int lettrage) const;
    // Whether the user may type into a letter now.
    bool Saisissable(int lettrage) const;
    std::vector<MessageAudit> Audit() const;
    // What the user typed that cannot be right (a negative amount, a date that does not
    // exist or is incomplete, a declarant born in the tax year, a number that is not one):
    // anomalies of the audit, and errors of the screen that shows them.
    std::vector<MessageAudit> ErreursDeSaisie() const;

    // The declaration found at the start of the wizard.
    void SauveEtatInitial() { m_initiale = m_declaration; }
    void SauveEtatInitial(const TDeclarationRevenus& initiale) { m_initiale = initiale; }
    void RestaureEtatInitial();
    bool EstModifie() const { return !(m_declaration == m_initiale); }

private:
    void LieLettres();

    TDeclarationRevenus m_declaration;
    TDeclarationRevenus m_initiale;
    TCalculImpot::Resultat m_resultat;
};
