#include "TStaticsManager.h"
#include "qlettre.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A list head freed at the end of the test, whatever happens in it.
struct Lettres
{
    structLettre* tete = nullptr;
    ~Lettres() { LibereLettre(&tete); }
    structLettre* ajoute(short lettrage) { return AjouteLettre(&tete, lettrage, 0, 0, 0, 1, 0); }
};

} // namespace

// Letters 1 to 40 (long enough to be indexed) looked up once, renumbered in place as the screen
// view does, then appended to. Each list is freed before the next is built: heads are reused.
TEST(qlettre, TrouveLettreFollowsLettersRenumberedInPlace)
{
    struct Case
    {
        std::map<short, short> renumbering; // old code -> new code; {0, n}: every code + n
        std::vector<short> appended;
        std::vector<std::pair<int, int>> lookups; // lettrage -> position in the list, -1 none
    } const cases[] = {
        {{}, {}, {{1, 0}, {40, 39}, {41, -1}, {0, -1}, {65536 + 1, -1}}}, // no short truncates
        {{{10, 20}, {20, 41}}, {}, {{20, 9}, {41, 19}, {10, -1}, {21, 20}}},
        {{{5, 6}, {6, 5}}, {}, {{5, 5}, {6, 4}, {7, 6}}},
        {{{0, 100}}, {}, {{101, 0}, {140, 39}, {1, -1}, {40, -1}}},
        {{{1, 200}}, {1, 300}, {{1, 40}, {200, 0}, {300, 41}, {2, 1}}},
        {{}, {7, 7}, {{7, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Lettres lettres;
        std::vector<structLettre*> positions;
        for (short code = 1; code <= 40; ++code)
            positions.push_back(lettres.ajoute(code));
        for (short code = 1; code <= 40; ++code)
            ASSERT_EQ(TrouveLettre(code, lettres.tete), positions[code - 1]);
        for (structLettre* l = lettres.tete; l; l = l->suivante) {
            if (c.renumbering.count(0))
                l->lettrage = static_cast<short>(l->lettrage + c.renumbering.at(0));
            else if (c.renumbering.count(l->lettrage))
                l->lettrage = c.renumbering.at(l->lettrage);
        }
        for (short code : c.appended)
            positions.push_back(lettres.ajoute(code));
        for (const auto& [lettrage, at] : c.lookups)
            EXPECT_EQ(TrouveLettre(lettrage, lettres.tete), at < 0 ? nullptr : positions[at])
                << lettrage;
    }
}

TEST(qlettre, ValueIsACopyThatTheFrameworkMayReallocAndOverwrite)
{
    Lettres lettres;
    structLettre* lettre = lettres.ajoute(1);
    EXPECT_EQ(TrouveLettre(1, lettres.tete), lettre); // a short list is walked
    char given[] = "\xC9t\xE9 \x80";
    ASSERT_TRUE(MetValeurLettre(lettre, given));
    given[0] = 'x'; // the letter keeps its own copy
    EXPECT_STREQ(LitValeurLettre(lettre), "\xC9t\xE9 \x80");
    lettre->valeur = static_cast<char*>(std::realloc(lettre->valeur, 4)); // as a control does
    std::strcpy(lettre->valeur, "abc");
    EXPECT_STREQ(LitValeurLettre(lettre), "abc");
    ASSERT_TRUE(MetValeurLettre(lettre, nullptr));
    EXPECT_EQ(lettre->valeur, nullptr);
    EXPECT_FALSE(MetValeurLettre(nullptr, "x"));
}

TEST(qlettre, MessagesKeepTheirOrderLettrageTypeAndACopyOfTheirText)
{
    structMessage* tete = nullptr;
    char texte[] = "Le montant doit \xEAtre positif";
    ASSERT_NE(AjouteMessage(&tete, 12, 1, texte), nullptr);
    texte[0] = 'x';
    AjouteMessage(&tete, -3, 4, nullptr);
    AjouteMessage(&tete, 14, 2, "");
    std::vector<std::string> read;
    for (structMessage* m = VaPremierMessage(tete); !FinListeMessage(m); m = VaMessageSuivant(m))
        read.push_back(std::to_string(m->lettrage) + "/" + std::to_string(m->type) + " " +
                       (LitTexteMessage(m) ? LitTexteMessage(m) : "null"));
    EXPECT_EQ(read, (std::vector<std::string>{"12/1 Le montant doit \xEAtre positif", "-3/4 null",
                                              "14/2 "}));
    LibereListeMessage(&tete);
    EXPECT_EQ(AjouteMessage(nullptr, 1, 1, "x"), nullptr);
    char* copie = DupliqueTexte("\xC9l\xE9ment");
    EXPECT_STREQ(copie, "\xC9l\xE9ment");
    LibereTexteMessage(&copie);
    EXPECT_EQ(copie, nullptr);
}

TEST(TStaticsManager, ReplacesRegisteredTokensAndLeavesEverythingElse)
{
    TStaticsManager tokens;
    tokens.AddTokenInCollection("#PRODUIT#", "Ancien", -1);
    tokens.AddTokenInCollection("#PRODUIT#", "Imp\xF4t", -1); // the last value counts
    tokens.AddTokenInCollection("ANNEE", "2024", 7);          // bare: any delimiter
    tokens.AddTokenInCollection("#A#", "#B#", -1);
    tokens.AddTokenInCollection("#B#", "b", -1);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // text, delimiter -> text once replaced
        {"#PRODUIT# et #PRODUIT#", "#", "Imp\xF4t et Imp\xF4t"},
        {"Un #AUTRE# jeton, ouvert #PRODUIT", "#", "Un #AUTRE# jeton, ouvert #PRODUIT"},
        {"n#1#PRODUIT#", "#", "n#1Imp\xF4t"}, // an unknown word does not hide the next token
        {"#A##B#", "#", "#B#b"},              // a replaced value is not searched again
        {"%%ANNEE%% %%PRODUIT%%", "%%", "2024 %%PRODUIT%%"},
        {"#ANNEE#", "", "#ANNEE#"},
    };
    for (const auto& [given, delimiter, replaced] : cases) {
        std::string text = given;
        tokens.RemplaceTexte(text, delimiter);
        EXPECT_EQ(text, replaced) << given;
    }
    EXPECT_EQ(tokens.getIdentifiant("ANNEE"), 7);
    EXPECT_EQ(tokens.getIdentifiant("#ANNEE#"), -1);
    EXPECT_EQ(*tokens.getValue("#PRODUIT#"), "Imp\xF4t");
    EXPECT_EQ(tokens.getValue("#INCONNU#"), nullptr);
}
