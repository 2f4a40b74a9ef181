#include "qlettre.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// A list head freed at the end of the test, whatever happens in it.
struct Lettres
{
    structLettre* tete = nullptr;
    ~Lettres() { LibereLettre(&tete); }
    structLettre* ajoute(short lettrage) { return AjouteLettre(&tete, lettrage, 0, 0, 0, 1, 0); }
};

struct Messages
{
    structMessage* tete = nullptr;
    ~Messages() { LibereListeMessage(&tete); }
};

std::vector<short> lettragesOf(structLettre* tete)
{
    std::vector<short> lettrages;
    for (structLettre* l = VaPremiereLettre(tete); !FinListeLettre(l); l = VaLettreSuivante(l))
        lettrages.push_back(l->lettrage);
    return lettrages;
}

} // namespace

TEST(qlettre, AjouteLettreSetsTheHeadAndAppendsInRegistrationOrder)
{
    Lettres lettres;
    structLettre* premiere = lettres.ajoute(30);
    ASSERT_NE(premiere, nullptr);
    EXPECT_EQ(lettres.tete, premiere);
    lettres.ajoute(-2);
    lettres.ajoute(10);
    EXPECT_EQ(lettragesOf(lettres.tete), (std::vector<short>{30, -2, 10}));
    EXPECT_EQ(lettres.tete, premiere);
}

TEST(qlettre, NewLetterHasNoValueAndTheGivenSelectionState)
{
    Lettres lettres;
    structLettre* lettre = AjouteLettre(&lettres.tete, 7, 2, 3, 4, 1, 5);
    ASSERT_NE(lettre, nullptr);
    EXPECT_EQ(lettre->valeur, nullptr);
    EXPECT_EQ(LitValeurLettre(lettre), nullptr);
    EXPECT_EQ(lettre->select, 1);
    EXPECT_EQ(lettre->lettrage, 7);
    EXPECT_EQ(lettre->format, 2);
    EXPECT_EQ(lettre->occurrence, 3);
    EXPECT_EQ(lettre->groupe, 4);
    EXPECT_EQ(lettre->options, 5);

    MetSelectionLettre(lettre, 0);
    EXPECT_EQ(lettre->select, 0);
}

TEST(qlettre, FirstTwoFieldsAreTheSelectionStateThenTheLettrage)
{
    Lettres lettres;
    structLettre* lettre = AjouteLettre(&lettres.tete, 0x1234, 0, 0, 0, 1, 0);
    short raw[2];
    std::memcpy(raw, lettre, sizeof raw);
    EXPECT_EQ(raw[0], 1);
    EXPECT_EQ(raw[1], 0x1234);
}

TEST(qlettre, TrouveLettreFindsTheFirstLetterOrNull)
{
    Lettres lettres;
    structLettre* first = lettres.ajoute(5);
    lettres.ajoute(6);
    lettres.ajoute(5);
    EXPECT_EQ(TrouveLettre(5, lettres.tete), first);
    EXPECT_EQ(TrouveLettre(6, lettres.tete), first->suivante);
    EXPECT_EQ(TrouveLettre(99, lettres.tete), nullptr);
    // No 16-bit letter carries 65536 + 5, even though it truncates to 5.
    EXPECT_EQ(TrouveLettre(65536 + 5, lettres.tete), nullptr);
    EXPECT_EQ(TrouveLettre(5, nullptr), nullptr);
}

// A list of letters 1 to 40, long enough for the store to index it, looked up once, then
// renumbered in place as the screen view does (each letter by its code before the pass), then
// appended to. Each list is freed before the next is built, so heads are reused.
TEST(qlettre, TrouveLettreFollowsLettersRenumberedInPlace)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<short, short>> renumbering; // old code -> new code
        std::vector<short> appended;
        std::vector<std::pair<int, int>> lookups; // lettrage -> position in the list, -1 none
    };
    std::vector<std::pair<short, short>> shift;
    for (short code = 1; code <= 40; ++code)
        shift.emplace_back(code, static_cast<short>(code + 100));
    const Case cases[] = {
        {"untouched", {}, {}, {{1, 0}, {40, 39}, {41, -1}, {0, -1}}},
        {"one letter to a free code", {{10, 100}}, {}, {{100, 9}, {10, -1}, {11, 10}}},
        {"chained codes", {{10, 20}, {20, 41}}, {}, {{20, 9}, {41, 19}, {10, -1}, {21, 20}}},
        {"two codes swapped", {{5, 6}, {6, 5}}, {}, {{5, 5}, {6, 4}, {7, 6}}},
        {"whole screen shifted", shift, {}, {{101, 0}, {140, 39}, {1, -1}, {40, -1}}},
        {"appended after", {{1, 200}}, {1, 300}, {{1, 40}, {200, 0}, {300, 41}, {2, 1}}},
        {"a second letter of a code", {}, {7, 7}, {{7, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Lettres lettres;
        std::vector<structLettre*> positions;
        for (short code = 1; code <= 40; ++code)
            positions.push_back(lettres.ajoute(code));
        for (short code = 1; code <= 40; ++code)
            ASSERT_EQ(TrouveLettre(code, lettres.tete), positions[code - 1]);
        for (structLettre* l = lettres.tete; l; l = VaLettreSuivante(l)) {
            const short code = l->lettrage;
            for (const auto& [from, to] : c.renumbering) {
                if (from == code) {
                    l->lettrage = to;
                    break;
                }
            }
        }
        for (short code : c.appended)
            positions.push_back(lettres.ajoute(code));
        for (const auto& [lettrage, position] : c.lookups) {
            structLettre* expected =
                position < 0 ? nullptr : positions[static_cast<std::size_t>(position)];
            EXPECT_EQ(TrouveLettre(lettrage, lettres.tete), expected) << "lettrage " << lettrage;
        }
    }
}

TEST(qlettre, ValueIsACopyThatTheFrameworkMayReallocAndOverwrite)
{
    Lettres lettres;
    structLettre* lettre = lettres.ajoute(1);
    char source[] = "12";
    ASSERT_TRUE(MetValeurLettre(lettre, source));
    source[0] = 'x';
    EXPECT_STREQ(lettre->valeur, "12");

    // What a data-bound control does with a longer text.
    const char* longer = "1234567890 1234567890 1234567890";
    lettre->valeur = static_cast<char*>(std::realloc(lettre->valeur, std::strlen(longer) + 1));
    ASSERT_NE(lettre->valeur, nullptr);
    std::strcpy(lettre->valeur, longer);
    EXPECT_STREQ(LitValeurLettre(lettre), longer);

    ASSERT_TRUE(MetValeurLettre(lettre, "court"));
    EXPECT_STREQ(lettre->valeur, "court");
}

TEST(qlettre, NullValueClearsAndReallocStartsFromNull)
{
    Lettres lettres;
    structLettre* lettre = lettres.ajoute(1);
    ASSERT_TRUE(MetValeurLettre(lettre, "x"));
    ASSERT_TRUE(MetValeurLettre(lettre, nullptr));
    EXPECT_EQ(lettre->valeur, nullptr);

    lettre->valeur = static_cast<char*>(std::realloc(lettre->valeur, 4));
    std::strcpy(lettre->valeur, "abc");
    EXPECT_STREQ(LitValeurLettre(lettre), "abc");

    ASSERT_TRUE(MetValeurLettre(lettre, ""));
    EXPECT_STREQ(lettre->valeur, "");
    EXPECT_FALSE(MetValeurLettre(nullptr, "x"));
    EXPECT_EQ(LitValeurLettre(nullptr), nullptr);
}

TEST(qlettre, EveryWindows1252ByteSurvivesInAValue)
{
    std::string all;
    for (int byte = 1; byte <= 255; ++byte)
        all.push_back(static_cast<char>(byte));
    Lettres lettres;
    structLettre* lettre = lettres.ajoute(1);
    ASSERT_TRUE(MetValeurLettre(lettre, all.c_str()));
    EXPECT_EQ(std::string(LitValeurLettre(lettre)), all);
}

TEST(qlettre, LibereLettreFreesTheListAndClearsTheHead)
{
    structLettre* tete = nullptr;
    AjouteLettre(&tete, 1, 0, 0, 0, 1, 0);
    MetValeurLettre(AjouteLettre(&tete, 2, 0, 0, 0, 1, 0), "valeur");
    LibereLettre(&tete);
    EXPECT_EQ(tete, nullptr);
    LibereLettre(&tete); // an empty list
    LibereLettre(nullptr);
    EXPECT_EQ(AjouteLettre(nullptr, 1, 0, 0, 0, 1, 0), nullptr);
}

TEST(qlettre, WalkingAnEmptyListEndsAtOnce)
{
    EXPECT_NE(FinListeLettre(VaPremiereLettre(nullptr)), 0);
    EXPECT_EQ(VaLettreSuivante(nullptr), nullptr);
    EXPECT_NE(FinListeMessage(VaPremierMessage(nullptr)), 0);
    EXPECT_EQ(VaMessageSuivant(nullptr), nullptr);
}

TEST(qlettre, MessagesKeepTheirOrderLettrageTypeAndText)
{
    Messages messages;
    char texte[] = "Le montant doit \xEAtre positif";
    ASSERT_NE(AjouteMessage(&messages.tete, 12, 1, texte), nullptr);
    texte[0] = 'x';
    AjouteMessage(&messages.tete, -3, 4, nullptr);
    AjouteMessage(&messages.tete, 14, 2, "");

    structMessage* m = VaPremierMessage(messages.tete);
    ASSERT_FALSE(FinListeMessage(m));
    EXPECT_EQ(m->lettrage, 12);
    EXPECT_EQ(m->type, 1);
    EXPECT_STREQ(LitTexteMessage(m), "Le montant doit \xEAtre positif");
    m = VaMessageSuivant(m);
    ASSERT_FALSE(FinListeMessage(m));
    EXPECT_EQ(m->lettrage, -3);
    EXPECT_EQ(m->type, 4);
    EXPECT_EQ(LitTexteMessage(m), nullptr);
    m = VaMessageSuivant(m);
    ASSERT_FALSE(FinListeMessage(m));
    EXPECT_STREQ(LitTexteMessage(m), "");
    EXPECT_NE(FinListeMessage(VaMessageSuivant(m)), 0);

    LibereListeMessage(&messages.tete);
    EXPECT_EQ(messages.tete, nullptr);
    EXPECT_EQ(AjouteMessage(nullptr, 1, 1, "x"), nullptr);
    LibereListeMessage(nullptr);
}

TEST(qlettre, DisplayTextsAreCopiesFreedAndClearedByLibereTexteMessage)
{
    char* texte = DupliqueTexte("\xC9l\xE9ment");
    ASSERT_NE(texte, nullptr);
    EXPECT_STREQ(texte, "\xC9l\xE9ment");
    LibereTexteMessage(&texte);
    EXPECT_EQ(texte, nullptr);
    LibereTexteMessage(&texte);
    LibereTexteMessage(nullptr);
    EXPECT_EQ(DupliqueTexte(nullptr), nullptr);
}
