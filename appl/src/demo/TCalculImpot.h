#pragma once

// The income tax of a declaration, computed the way the sample explains it: a simplified
// French scale of the income of 2024 (deduction of 10 % or actual expenses on salaries,
// micro-foncier or actual rental income, family quotient with its ceiling, discount for small
// taxes, reduction for gifts, credit for home employment). Amounts in whole euros.

#include <cstddef>
#include <string>

class TDeclarationRevenus;

class TCalculImpot
{
public:
    struct Resultat
    {
        double salairesNets = 0;
        double foncierNet = 0;
        double revenuBrutGlobal = 0;
        double parts = 1;
        double impotBrut = 0;
        double decote = 0;
        double reductionDons = 0;
        double creditEmploi = 0;
        double impotNet = 0; // negative: the credit exceeds the tax, the State pays back
        double prelevement = 0;
        double solde = 0;     // impotNet - prelevement: positive to pay, negative refunded
        double tauxMoyen = 0; // percent of the global income

        bool operator==(const Resultat&) const = default;
    };

    TCalculImpot() = default;
    TCalculImpot(const TCalculImpot&) = default;
    TCalculImpot& operator=(const TCalculImpot&) = default;
    bool operator==(const TCalculImpot&) const = default;

    Resultat Calcule(const TDeclarationRevenus& declaration) const;

    // The tax of one part of `quotient` euros by the scale.
    static double Bareme(double quotient);
    // Parts of the household: 1 or 2, plus the dependants (children in exclusive residence
    // ranked first, then those in alternating residence at half their rank's share).
    static double NombreDeParts(const TDeclarationRevenus& declaration);
    // True for a married or PACS-ed household (two declarants).
    static bool EstCouple(const TDeclarationRevenus& declaration);

    // French renderings (Windows-1252), the same under every locale: "12\xA0345\xA0\x80"
    // (whole euros, non-breaking spaces), "2,5". Every figure the sample shows or prints is
    // written by these.
    static std::string Euros(double montant);
    // Enough for any double written in full (309 digits and the decimals).
    static constexpr std::size_t kTailleTexteNombre = 512;
    static std::string Nombre(double valeur, int decimales);
    // The balance as a user reads it: "Reste \xE0 payer : 3\xA0500\xA0\x80",
    // "Remboursement attendu : 1\xA0500\xA0\x80" or "Rien \xE0 payer".
    static std::string Solde(const Resultat& resultat);
    // The net tax: "imp\xF4t net estim\xE9 : 980\xA0\x80", or "remboursement estim\xE9 :
    // 1\xA0500\xA0\x80" when the credits exceed the tax.
    static std::string ImpotNet(const Resultat& resultat);
};
