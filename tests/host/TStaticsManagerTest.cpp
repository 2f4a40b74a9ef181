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
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // text, delimiter -> text once replaced
        {"#PRODUIT# et #PRODUIT#", "#", "Imp\xF4t et Imp\xF4t"},
        {"Un #AUTRE# jeton, ouvert #PRODUIT", "#", "Un #AUTRE# jeton, ouvert #PRODUIT"},
        {"n#1#PRODUIT#", "#", "n#1Imp\xF4t"}, // an unknown word does not hide the next token
        {"#A##B#", "#", "#B#b"},              // a replaced value is not searched again
        {"\xC0 #ANNEE#", "#", "\xC0 2024"},
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
