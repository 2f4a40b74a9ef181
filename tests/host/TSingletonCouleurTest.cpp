#include "TSingletonCouleur.h"

#include <gtest/gtest.h>

TEST(TSingletonCouleurTest, InitKeepsTheHostsColoursResetRestoresDefaultsOutsideIsASpare)
{
    TSingletonCouleur couleurs;
    couleurs.setColors(couleurFondAssistant, clWhite);
    *couleurs.getColors(couleurBoutons) = clSilver;
    InitConfigcolors(couleurs);
    EXPECT_TRUE(couleurs.isInitialised());
    EXPECT_EQ(*couleurs.getColors(couleurFondAssistant), clWhite);
    EXPECT_EQ(*couleurs.getColors(couleurBoutons), clSilver);
    couleurs.resetColors();
    EXPECT_EQ(*couleurs.getColors(couleurFondAssistant), 0x00F8EEE4);
    EXPECT_EQ(*couleurs.getColors(couleurBoutons), clBtnFace);
    EXPECT_EQ(TSingletonCouleur::GetInstance(), TSingletonCouleur::GetInstance());
    const TSingletonCouleur before(couleurs); // entries outside the table change nothing
    for (const auto index : {static_cast<int>(nbCouleurs), nbCouleurs + 3, -1}) {
        TColor* spare = couleurs.getColors(static_cast<enumCouleurs>(index));
        EXPECT_EQ(*spare, clBtnFace) << index;
        *spare = clRed;
        couleurs.setColors(static_cast<enumCouleurs>(index), clRed);
        EXPECT_EQ(couleurs, before) << index;
    }
    TSingletonCouleur other;
    other.setColors(couleurTitre, clBlack);
    EXPECT_FALSE(other == before);
    couleurs = other;
    EXPECT_EQ(*couleurs.getColors(couleurTitre), clBlack);
}
