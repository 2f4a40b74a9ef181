#include "TStaticsManager.h"

#include <gtest/gtest.h>

TEST(TStaticsManager, ReplacesRegisteredTokensAndLeavesEverythingElse)
{
    TStaticsManager tokens;
    tokens.AddTokenInCollection("#PRODUIT#", "Ancien", -1);
    tokens.AddTokenInCollection("#PRODUIT#", "Imp\xF4t", -1); // the last value counts
    tokens.AddTokenInCollection("ANNEE", "2024", 7);          // bare: any delimiter
    tokens.AddTokenInCollection("#A#", "#B#", -1);
    tokens.AddTokenInCollection("#B#", "b", -1);
    const struct
    {
        const char* text;
        const char* delimiter;
        const char* replaced;
    } cases[] = {
        {"Bienvenue dans #PRODUIT#.", "#", "Bienvenue dans Imp\xF4t."},
        {"#PRODUIT# et #PRODUIT#", "#", "Imp\xF4t et Imp\xF4t"},
        {"Un #AUTRE# jeton", "#", "Un #AUTRE# jeton"},
        {"Ouvert #PRODUIT", "#", "Ouvert #PRODUIT"},
        {"n#1#PRODUIT#", "#", "n#1Imp\xF4t"}, // an unknown word does not hide the next token
        {"##PRODUIT##", "#", "#Imp\xF4t#"},
        {"#A#", "#", "#B#"}, // a replaced value is not searched again
        {"#A##B#", "#", "#B#b"},
        {"\xC0 #ANNEE#", "#", "\xC0 2024"},
        {"%%ANNEE%% %%PRODUIT%%", "%%", "2024 %%PRODUIT%%"},
        {"#ANNEE#", "", "#ANNEE#"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        tokens.RemplaceTexte(text, c.delimiter);
        EXPECT_EQ(text, c.replaced) << c.text;
    }
    EXPECT_EQ(tokens.getIdentifiant("ANNEE"), 7);
    EXPECT_EQ(tokens.getIdentifiant("#ANNEE#"), -1);
    EXPECT_EQ(*tokens.getValue("#PRODUIT#"), "Imp\xF4t");
    EXPECT_EQ(tokens.getValue("#INCONNU#"), nullptr);
}
