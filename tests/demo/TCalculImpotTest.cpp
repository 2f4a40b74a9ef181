#include "TCalculImpot.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

using namespace revenus;

namespace {

TDeclarationRevenus Foyer(Situation situation, int enfants = 0, bool gardeAlternee = false)
{
    TDeclarationRevenus declaration;
    declaration.SetValeur(kSituationFamille, std::to_string(situation));
    declaration.SetValeur(kACharge, enfants > 0 ? "1" : "0");
    for (int i = 0; i < enfants; ++i)
        declaration.Personnes().push_back({"Enfant", "2015", gardeAlternee});
    return declaration;
}

TEST(TCalculImpot, ScaleTaxesEachBracketAtItsRate)
{
    EXPECT_DOUBLE_EQ(TCalculImpot::Bareme(11497), 0);
    EXPECT_NEAR(TCalculImpot::Bareme(29315), (29315 - 11497) * 0.11, 1e-6);
    EXPECT_NEAR(TCalculImpot::Bareme(30315), (29315 - 11497) * 0.11 + 1000 * 0.30, 1e-6);
    EXPECT_NEAR(TCalculImpot::Bareme(200000),
                17818 * 0.11 + 54508 * 0.30 + 96471 * 0.41 + 19706 * 0.45, 1e-6);
}

TEST(TCalculImpot, PartsCountTheHouseholdAndItsDependants)
{
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(Foyer(kCelibataire)), 1);
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(Foyer(kPacse)), 2);
    // A single parent gets half a part more.
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(Foyer(kDivorce, 1)), 2);
    // The third child counts a whole part.
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(Foyer(kMarie, 3)), 4);
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(Foyer(kMarie, 1, true)), 2.25);

    // Dependants typed but not declared do not count.
    TDeclarationRevenus declaration = Foyer(kMarie, 2);
    declaration.SetValeur(kACharge, "0");
    EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(declaration), 2);
}

// The rule ranks the children in exclusive residence first: neither the parts nor the tax
// may depend on the order the user typed them in.
TEST(TCalculImpot, PartsAndTaxDoNotDependOnTheOrderOfTheChildren)
{
    struct Cas
    {
        Situation situation;
        std::vector<bool> alternees; // one per child: alternating residence
        double parts;
    };
    const Cas cas[] = {
        {kMarie, {false, false, true}, 3.5}, {kMarie, {true, true, false, false}, 4.0},
        {kMarie, {true, true, true}, 3.0},   {kCelibataire, {false, true}, 2.25},
        {kDivorce, {true, true}, 1.75},      {kDivorce, {true, false, false, true}, 3.5},
    };
    for (const Cas& c : cas) {
        std::vector<bool> ordre = c.alternees;
        std::sort(ordre.begin(), ordre.end());
        double impot = -1;
        do {
            TDeclarationRevenus declaration = Foyer(c.situation);
            declaration.SetValeur(kACharge, "1");
            declaration.SetValeur(kSalaire1Etat, "2");
            declaration.SetMontant(kSalaire1, 95000);
            for (bool alternee : ordre)
                declaration.Personnes().push_back({"Enfant", "2015", alternee});
            SCOPED_TRACE(::testing::PrintToString(ordre));
            EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(declaration), c.parts);
            const double ceCas = TCalculImpot().Calcule(declaration).impotNet;
            if (impot >= 0) {
                EXPECT_DOUBLE_EQ(ceCas, impot);
            }
            impot = ceCas;
        } while (std::next_permutation(ordre.begin(), ordre.end()));
    }
}

TEST(TCalculImpot, SingleDeclarantWithThePreFilledSalaryGetsTheDiscount)
{
    const TCalculImpot::Resultat r = TCalculImpot().Calcule(Foyer(kCelibataire));
    // 31 250 less 10 %.
    EXPECT_DOUBLE_EQ(r.salairesNets, 28125);
    EXPECT_DOUBLE_EQ(r.impotBrut, 1829);
    EXPECT_DOUBLE_EQ(r.decote, 61); // 889 - 45.25 % of 1 829
    EXPECT_DOUBLE_EQ(r.impotNet, 1768);
    EXPECT_DOUBLE_EQ(r.solde, 1768);
}

TEST(TCalculImpot, CoupleWithTwoChildrenUsesTheFamilyQuotient)
{
    const TCalculImpot::Resultat r = TCalculImpot().Calcule(Foyer(kMarie, 2));
    EXPECT_DOUBLE_EQ(r.salairesNets, 52857); // 31 250 + 27 480, less 3 125 and 2 748
    EXPECT_DOUBLE_EQ(r.parts, 3);
    EXPECT_DOUBLE_EQ(r.impotBrut, 2020);
    EXPECT_DOUBLE_EQ(r.decote, 556);
    EXPECT_DOUBLE_EQ(r.impotNet, 1464);
}

TEST(TCalculImpot, FamilyQuotientAdvantageIsCapped)
{
    TDeclarationRevenus declaration = Foyer(kMarie, 2);
    declaration.SetValeur(kSalaire1Etat, "2");
    declaration.SetMontant(kSalaire1, 250000);
    const TCalculImpot::Resultat r = TCalculImpot().Calcule(declaration);
    const double sansEnfants = 2 * TCalculImpot::Bareme(r.revenuBrutGlobal / 2);
    EXPECT_DOUBLE_EQ(r.impotBrut, std::round(sansEnfants - 2 * 1791));
}

TEST(TCalculImpot, CorrectedSalaryAndActualExpensesReplaceThePreFilledAndTheTenPercent)
{
    TDeclarationRevenus declaration = Foyer(kCelibataire);
    declaration.SetValeur(kSalaire1Etat, "2");
    declaration.SetMontant(kSalaire1, 40000);
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).salairesNets, 36000);
    declaration.SetValeur(kFraisReels, "1");
    declaration.SetMontant(kMontantFraisReels, 7000);
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).salairesNets, 33000);
    // Back to the pre-filled amount: the corrected one is not used.
    declaration.SetValeur(kSalaire1Etat, "1");
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).salairesNets, 31250 - 7000);
}

TEST(TCalculImpot, RentalIncomeFollowsItsRegime)
{
    TDeclarationRevenus declaration = Foyer(kCelibataire);
    declaration.SetMontant(kLoyers, 10000);
    declaration.SetMontant(kChargesFoncieres, 4000);
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).foncierNet, 0); // not declared
    declaration.SetValeur(kRevenusFonciers, "1");
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).foncierNet, 7000);
    declaration.SetValeur(kRegimeFoncier, "2");
    EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(declaration).foncierNet, 6000);
}

TEST(TCalculImpot, GiftsReduceTheTaxWithinTheirLimitsAndHomeEmploymentIsRefunded)
{
    TDeclarationRevenus declaration = Foyer(kCelibataire);
    declaration.SetMontant(kDons, 100);
    TCalculImpot::Resultat r = TCalculImpot().Calcule(declaration);
    EXPECT_DOUBLE_EQ(r.reductionDons, 66);
    // Never more than the tax itself.
    declaration.SetMontant(kDons, 5000);
    r = TCalculImpot().Calcule(declaration);
    EXPECT_DOUBLE_EQ(r.reductionDons, r.impotBrut - r.decote);
    EXPECT_DOUBLE_EQ(r.impotNet, 0);
    // The credit is paid back beyond the tax.
    declaration.SetMontant(kEmploiDomicile, 2000);
    declaration.SetMontant(kPrelevement, 300);
    r = TCalculImpot().Calcule(declaration);
    EXPECT_DOUBLE_EQ(r.creditEmploi, 1000);
    EXPECT_DOUBLE_EQ(r.impotNet, -1000);
    EXPECT_DOUBLE_EQ(r.solde, -1300);
}

// Every figure is written the same under any C locale: the French one puts its own decimal
// comma into printf's output, which must not reach the screen ("3 ,25").
class TCalculImpotLocale : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        m_avant = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_avant.c_str()); }

private:
    std::string m_avant;
};

TEST_P(TCalculImpotLocale, FiguresReadTheFrenchWayUnderEveryLocale)
{
    const struct
    {
        double valeur;
        int decimales;
        std::string texte;
    } nombres[] = {{3.25, 2, "3,25"},
                   {16.8, 1, "16,8"},
                   {2.5, 2, "2,5"},
                   {3, 2, "3"},
                   {7.26, 1, "7,3"},
                   {-999, 0, "-999"},
                   {1234.5, 1,
                    "1\xA0"
                    "234,5"},
                   {-0.04, 1, "0"}};
    for (const auto& n : nombres)
        EXPECT_EQ(TCalculImpot::Nombre(n.valeur, n.decimales), n.texte) << n.valeur;
    EXPECT_EQ(TCalculImpot::Euros(1234567.4), "1\xA0"
                                              "234\xA0"
                                              "567\xA0\x80");
    // Amounts kept in letters always take a point, and read back whole.
    EXPECT_EQ(TDeclarationRevenus::FormatMontant(1234.5), "1234.500000");
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234.500000"), 1234.5);
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234,5"), 1234.5);

    // The summary, the caption and the print say the same of the balance.
    TCalculImpot::Resultat r;
    const struct
    {
        double impotNet;
        double solde;
        std::string impot;
        std::string texteSolde;
    } soldes[] = {
        {3500, 3500,
         "imp\xF4t net estim\xE9 : 3\xA0"
         "500\xA0\x80",
         "Reste \xE0 payer : 3\xA0"
         "500\xA0\x80"},
        {-1500, -1500,
         "remboursement estim\xE9 : 1\xA0"
         "500\xA0\x80",
         "Remboursement attendu : 1\xA0"
         "500\xA0\x80"},
        {200, 0, "imp\xF4t net estim\xE9 : 200\xA0\x80", "Rien \xE0 payer"},
    };
    for (const auto& s : soldes) {
        r.impotNet = s.impotNet;
        r.solde = s.solde;
        EXPECT_EQ(TCalculImpot::ImpotNet(r), s.impot);
        EXPECT_EQ(TCalculImpot::Solde(r), s.texteSolde);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TCalculImpotLocale, ::testing::Values("C.UTF-8", "fr_FR.UTF-8"));

TEST(TCalculImpot, AmountsReadTheFrenchWay)
{
    EXPECT_EQ(TCalculImpot::Euros(1234567.4), "1\xA0"
                                              "234\xA0"
                                              "567\xA0\x80");
    EXPECT_EQ(TCalculImpot::Euros(-1500), "-1\xA0"
                                          "500\xA0\x80");
    EXPECT_EQ(TCalculImpot::Euros(0), "0\xA0\x80");
    EXPECT_EQ(TCalculImpot::Nombre(2.5, 2), "2,5");
    EXPECT_EQ(TCalculImpot::Nombre(3, 2), "3");
    EXPECT_EQ(TCalculImpot::Nombre(7.26, 1), "7,3");
    EXPECT_EQ(TCalculImpot::Nombre(-999, 0), "-999");
    // Nothing is cut, however large.
    const std::string grand = TCalculImpot::Nombre(1e300, 0);
    EXPECT_EQ(std::count(grand.begin(), grand.end(), '\xA0'), 100);
    EXPECT_EQ(grand.size(), 401u);
}

} // namespace
