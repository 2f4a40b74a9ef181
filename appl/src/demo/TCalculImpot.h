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
    // Parts of the household: 1 or 2, plus the dependants.
    static double NombreDeParts(const TDeclarationRevenus& declaration);
    // True for a married or PACS-ed household (two declarants).
    static bool EstCouple(const TDeclarationRevenus& declaration);

    // French renderings (Windows-1252): "12\xA0345\xA0\x80" (whole euros, non-breaking
    // spaces), "2,5".
    static std::string Euros(double montant);
    // Enough for any double written with "%f" (309 digits and the decimals).
    static constexpr std::size_t kTailleTexteNombre = 512;
    static std::string Nombre(double valeur, int decimales);
};
