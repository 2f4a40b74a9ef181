// The title module of the sample wizard: a shared library, built beside the executable and
// loaded by name, whose string table holds the screens' titles (Windows-1252).

#include "Revenus.h"

#include "StringTable.h"

using namespace revenus;

WIZARD_STRING_TABLE({kTitreAssistant, "D\xE9"
                                      "claration des revenus 2024"},
                    {TitreEcran(kEcranAccueil), "Bienvenue"}, {kTitreRubriqueFoyer, "Votre foyer"},
                    {TitreEcran(kEcranDeclarant), "D\xE9"
                                                  "clarant"},
                    {TitreEcran(kEcranAdresse), "Adresse et contact"},
                    {TitreEcran(kEcranSituation), "Situation du foyer"},
                    {TitreEcran(kEcranPersonnes), "Personnes \xE0 charge"},
                    {kTitreRubriqueRevenus, "Vos revenus"},
                    {TitreEcran(kEcranSalaires), "Traitements et salaires"},
                    {TitreEcran(kEcranFoncier), "Revenus fonciers"},
                    {TitreEcran(kEcranBiens), "Biens lou\xE9s"},
                    {kTitreRubriqueImpot, "Charges et imp\xF4t"},
                    {TitreEcran(kEcranCharges), "Dons et emploi \xE0 domicile"},
                    {TitreEcran(kEcranRecapitulatif), "Calcul de l'imp\xF4t"},
                    {TitreEcran(kEcranControles), "Contr\xF4les de la d\xE9"
                                                  "claration"},
                    {TitreEcran(kEcranSignature), "Signature"})
