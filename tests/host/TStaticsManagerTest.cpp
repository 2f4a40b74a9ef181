#include "TStaticsManager.h"

#include <gtest/gtest.h>

namespace {

TStaticsManager withProduct(const std::string& name)
{
    TStaticsManager tokens;
    tokens.AddTokenInCollection("#PRODUIT#", name, -1);
    return tokens;
}

std::string replaced(const TStaticsManager& tokens, std::string text,
                     const std::string& delimiter = "#")
{
    tokens.RemplaceTexte(text, delimiter);
    return text;
}

} // namespace

TEST(TStaticsManager, TokenIsReplacedAndTheRestOfTheLabelStays)
{
    const TStaticsManager tokens = withProduct("Imp\xF4t 2024");
    EXPECT_EQ(replaced(tokens, "Bienvenue dans #PRODUIT#."), "Bienvenue dans Imp\xF4t 2024.");
    EXPECT_EQ(replaced(tokens, "#PRODUIT# et #PRODUIT#"), "Imp\xF4t 2024 et Imp\xF4t 2024");
    EXPECT_EQ(replaced(tokens, "#PRODUIT#"), "Imp\xF4t 2024");
}

TEST(TStaticsManager, TextWithoutARegisteredTokenIsUnchanged)
{
    const TStaticsManager tokens = withProduct("P");
    EXPECT_EQ(replaced(tokens, "Aucun jeton ici"), "Aucun jeton ici");
    EXPECT_EQ(replaced(tokens, "Un #AUTRE# jeton"), "Un #AUTRE# jeton");
    EXPECT_EQ(replaced(tokens, "Ouvert #PRODUIT"), "Ouvert #PRODUIT");
    EXPECT_EQ(replaced(tokens, ""), "");
    EXPECT_EQ(replaced(TStaticsManager(), "#PRODUIT#"), "#PRODUIT#");
}

TEST(TStaticsManager, AnUnknownDelimitedWordDoesNotHideTheNextToken)
{
    const TStaticsManager tokens = withProduct("P");
    EXPECT_EQ(replaced(tokens, "n#1#PRODUIT#"), "n#1P");
    EXPECT_EQ(replaced(tokens, "##PRODUIT##"), "#P#");
}

TEST(TStaticsManager, ReplacedValueIsNotSearchedAgain)
{
    TStaticsManager tokens;
    tokens.AddTokenInCollection("#A#", "#B#", -1);
    tokens.AddTokenInCollection("#B#", "b", -1);
    EXPECT_EQ(replaced(tokens, "#A#"), "#B#");
    EXPECT_EQ(replaced(tokens, "#A##B#"), "#B#b");
}

TEST(TStaticsManager, TokensMayBeRegisteredBareAndWithOtherDelimiters)
{
    TStaticsManager tokens;
    tokens.AddTokenInCollection("ANNEE", "2024", 7);
    EXPECT_EQ(replaced(tokens, "Ann\xE9"
                               "e #ANNEE#"),
              "Ann\xE9"
              "e 2024");
    EXPECT_EQ(replaced(tokens,
                       "Ann\xE9"
                       "e %%ANNEE%%",
                       "%%"),
              "Ann\xE9"
              "e 2024");
    EXPECT_EQ(replaced(tokens, "#ANNEE#", ""), "#ANNEE#");
    EXPECT_EQ(tokens.getIdentifiant("ANNEE"), 7);
    EXPECT_EQ(tokens.getIdentifiant("#ANNEE#"), -1);
}

TEST(TStaticsManager, RegisteringATokenAgainReplacesItsValue)
{
    TStaticsManager tokens = withProduct("Ancien");
    tokens.AddTokenInCollection("#PRODUIT#", "Nouveau", -1);
    EXPECT_EQ(replaced(tokens, "#PRODUIT#"), "Nouveau");
    ASSERT_NE(tokens.getValue("#PRODUIT#"), nullptr);
    EXPECT_EQ(*tokens.getValue("#PRODUIT#"), "Nouveau");
    EXPECT_EQ(tokens.getValue("#INCONNU#"), nullptr);
}

TEST(TStaticsManager, CopiesAreIndependentAndCompareByContent)
{
    const TStaticsManager original = withProduct("P");
    TStaticsManager copy(original);
    EXPECT_EQ(copy, original);
    copy.AddTokenInCollection("#X#", "x", -1);
    EXPECT_FALSE(copy == original);
    EXPECT_EQ(replaced(original, "#X#"), "#X#");
    copy = original;
    EXPECT_EQ(copy, original);
}
