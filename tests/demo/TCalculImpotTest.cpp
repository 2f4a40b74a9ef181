#include "TCalculImpot.h"

#include "Revenus.h"
#include "TDeclarationRevenus.h"

#include "DemoTestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

using namespace revenus;
using demotest::Fr;
using R = TCalculImpot::Resultat;

namespace {

TDeclarationRevenus With(TDeclarationRevenus declaration,
                         const std::vector<std::pair<int, std::string>>& valeurs)
{
    for (const auto& [lettrage, valeur] : valeurs)
        declaration.SetValeur(lettrage, valeur);
    return declaration;
}

// A household; one child per flag (alternating residence when set), then `valeurs` typed.
TDeclarationRevenus Foyer(Situation situation, const std::vector<bool>& enfants = {},
                          const std::vector<std::pair<int, std::string>>& valeurs = {})
{
    TDeclarationRevenus declaration;
    declaration.SetValeur(kSituationFamille, std::to_string(situation));
    declaration.SetValeur(kACharge, enfants.empty() ? "0" : "1");
    for (bool alternee : enfants)
        declaration.Personnes().push_back({"Enfant", "2015", alternee});
    return With(declaration, valeurs);
}

TEST(TCalculImpot, ResultsFollowTheHouseholdItsIncomeAndItsReductions)
{
    const auto loue = Foyer(kCelibataire, {}, {{kLoyers, "10000"}, {kChargesFoncieres, "4000"}});
    const auto corrige = Foyer(kCelibataire, {}, {{kSalaire1Etat, "2"}, {kSalaire1, "40000"}});
    const auto frais = With(corrige, {{kFraisReels, "1"}, {kMontantFraisReels, "7000"}});
    const auto dons = Foyer(kCelibataire, {}, {{kDons, "5000"}});
    const auto emploi = With(dons, {{kEmploiDomicile, "2000"}, {kPrelevement, "300"}});
    const struct
    {
        TDeclarationRevenus declaration;
        double R::*champ;
        double attendu;
    } cas[] = {
        // A single declarant: 31 250 less 10 %, a discount of 889 - 45.25 % of 1 829.
        {Foyer(kCelibataire), &R::salairesNets, 28125},
        {Foyer(kCelibataire), &R::parts, 1},
        {Foyer(kCelibataire), &R::impotBrut, 1829},
        {Foyer(kCelibataire), &R::decote, 61},
        {Foyer(kCelibataire), &R::impotNet, 1768},
        // A couple of two: 31 250 + 27 480, less 3 125 and 2 748.
        {Foyer(kMarie, {false, false}), &R::salairesNets, 52857},
        {Foyer(kMarie, {false, false}), &R::parts, 3},
        {Foyer(kMarie, {false, false}), &R::decote, 556},
        {Foyer(kPacse), &R::parts, 2},
        {Foyer(kDivorce, {false}), &R::parts, 2},             // a single parent's half part
        {Foyer(kMarie, {false, false, false}), &R::parts, 4}, // the third child's whole one
        {Foyer(kMarie, {true}), &R::parts, 2.25},
        {Foyer(kMarie, {false, false}, {{kACharge, "0"}}), &R::parts, 2}, // not declared
        {corrige, &R::salairesNets, 36000},
        {frais, &R::salairesNets, 33000},
        {loue, &R::foncierNet, 0}, // not declared
        {With(loue, {{kRevenusFonciers, "1"}}), &R::foncierNet, 7000},
        {With(loue, {{kRevenusFonciers, "1"}, {kRegimeFoncier, "2"}}), &R::foncierNet, 6000},
        {Foyer(kCelibataire, {}, {{kDons, "100"}}), &R::reductionDons, 66},
        {dons, &R::reductionDons, 1768},  // never more than the tax
        {emploi, &R::creditEmploi, 1000}, // paid back beyond the tax
        {emploi, &R::solde, -1300},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        EXPECT_DOUBLE_EQ(TCalculImpot().Calcule(cas[i].declaration).*cas[i].champ, cas[i].attendu)
            << "row " << i;
        if (cas[i].champ == &R::parts) {
            EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(cas[i].declaration), cas[i].attendu);
        }
    }
    const std::pair<double, double> bareme[] = {
        {11497, 0},
        {29315, 17818 * 0.11},
        {30315, 17818 * 0.11 + 1000 * 0.30},
        {200000, 17818 * 0.11 + 54508 * 0.30 + 96471 * 0.41 + 19706 * 0.45}};
    for (const auto& [quotient, impot] : bareme)
        EXPECT_NEAR(TCalculImpot::Bareme(quotient), impot, 1e-6) << quotient;
    // The advantage of the children is capped.
    const R r = TCalculImpot().Calcule(
        Foyer(kMarie, {false, false}, {{kSalaire1Etat, "2"}, {kSalaire1, "250000"}}));
    EXPECT_DOUBLE_EQ(r.impotBrut,
                     std::round(2 * TCalculImpot::Bareme(r.revenuBrutGlobal / 2) - 2 * 1791));
}

// The rule ranks the children in exclusive residence first: neither the parts nor the tax
// may depend on the order the user typed them in.
TEST(TCalculImpot, PartsAndTaxDoNotDependOnTheOrderOfTheChildren)
{
    const std::pair<Situation, std::vector<bool>> cas[] = {
        {kMarie, {false, false, true}}, {kMarie, {true, true, false, false}},
        {kMarie, {true, true, true}},   {kCelibataire, {false, true}},
        {kDivorce, {true, true}},       {kDivorce, {true, false, false, true}}};
    const double parts[] = {3.5, 4.0, 3.0, 2.25, 1.75, 3.5};
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        std::vector<bool> ordre = cas[i].second;
        std::sort(ordre.begin(), ordre.end());
        double impot = -1;
        do {
            SCOPED_TRACE(::testing::PrintToString(ordre));
            const TDeclarationRevenus declaration =
                Foyer(cas[i].first, ordre, {{kSalaire1Etat, "2"}, {kSalaire1, "95000"}});
            EXPECT_DOUBLE_EQ(TCalculImpot::NombreDeParts(declaration), parts[i]);
            const double ceCas = TCalculImpot().Calcule(declaration).impotNet;
            EXPECT_TRUE(impot < 0 || ceCas == impot);
            impot = ceCas;
        } while (std::next_permutation(ordre.begin(), ordre.end()));
    }
}

// Every figure is written the same under any C locale: the French one puts its own decimal
// comma into printf's output, which must not reach the screen ("3 ,25").
class TCalculImpotLocale : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, m_avant.c_str()); }

private:
    std::string m_avant = std::setlocale(LC_ALL, nullptr);
};

TEST_P(TCalculImpotLocale, FiguresReadTheFrenchWayUnderEveryLocale)
{
    const struct
    {
        double valeur;
        int decimales;
        std::string texte;
    } nombres[] = {{3.25, 2, "3,25"}, {2.5, 2, "2,5"},   {3, 2, "3"},
                   {7.26, 1, "7,3"},  {-999, 0, "-999"}, {-0.04, 1, "0"}};
    for (const auto& n : nombres)
        EXPECT_EQ(TCalculImpot::Nombre(n.valeur, n.decimales), n.texte) << n.valeur;
    EXPECT_EQ(TCalculImpot::Euros(1234567.4), Fr("1~234~567~€"));
    // Nothing is cut, however large.
    const std::string grand = TCalculImpot::Nombre(1e300, 0);
    EXPECT_EQ(std::count(grand.begin(), grand.end(), '\xA0'), 100);
    EXPECT_EQ(grand.size(), 401u);
    // Amounts kept in letters always take a point, and read back whole.
    EXPECT_EQ(TDeclarationRevenus::FormatMontant(1234.5), "1234.500000");
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234.500000"), 1234.5);
    EXPECT_DOUBLE_EQ(TDeclarationRevenus::LitMontant("1234,5"), 1234.5);

    // The summary, the caption and the print say the same of the balance.
    const struct
    {
        double impotNet, solde;
        std::string impot, texteSolde;
    } soldes[] = {
        {3500, 3500, Fr("impôt net estimé : 3~500~€"), Fr("Reste à payer : 3~500~€")},
        {-1500, -1500, Fr("remboursement estimé : 1~500~€"), Fr("Remboursement attendu : 1~500~€")},
        {200, 0, Fr("impôt net estimé : 200~€"), Fr("Rien à payer")},
    };
    for (const auto& s : soldes) {
        R r;
        r.impotNet = s.impotNet;
        r.solde = s.solde;
        EXPECT_EQ(TCalculImpot::ImpotNet(r), s.impot);
        EXPECT_EQ(TCalculImpot::Solde(r), s.texteSolde);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, TCalculImpotLocale, ::testing::Values("C.UTF-8", "fr_FR.UTF-8"));

} // namespace
