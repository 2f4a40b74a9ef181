#include "TSingletonCouleur.h"

#include <gtest/gtest.h>

namespace {

// Puts the shared table back as it was, so that tests do not leak colours into each other.
class TSingletonCouleurTest : public ::testing::Test
{
protected:
    void SetUp() override { m_saved = *TSingletonCouleur::GetInstance(); }
    void TearDown() override { *TSingletonCouleur::GetInstance() = m_saved; }

private:
    TSingletonCouleur m_saved;
};

} // namespace

TEST_F(TSingletonCouleurTest, GetInstanceIsTheOneSharedTable)
{
    TSingletonCouleur* instance = TSingletonCouleur::GetInstance();
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance, TSingletonCouleur::GetInstance());
}

TEST_F(TSingletonCouleurTest, BackgroundAndButtonsHaveDefaultColours)
{
    TSingletonCouleur couleurs;
    InitConfigcolors(couleurs);
    EXPECT_TRUE(couleurs.isInitialised());
    EXPECT_EQ(*couleurs.getColors(couleurFondAssistant), 0x00F8EEE4);
    EXPECT_EQ(*couleurs.getColors(couleurBoutons), clBtnFace);
    EXPECT_EQ(static_cast<int>(couleurFondAssistant), 1);
    EXPECT_EQ(static_cast<int>(couleurBoutons), 7);
}

TEST_F(TSingletonCouleurTest, InitialisingAgainKeepsTheHostsColours)
{
    TSingletonCouleur& couleurs = *TSingletonCouleur::GetInstance();
    InitConfigcolors(couleurs);
    couleurs.setColors(couleurFondAssistant, clWhite);
    *couleurs.getColors(couleurBoutons) = clSilver;
    InitConfigcolors(couleurs);
    EXPECT_EQ(*couleurs.getColors(couleurFondAssistant), clWhite);
    EXPECT_EQ(*couleurs.getColors(couleurBoutons), clSilver);

    couleurs.resetColors();
    EXPECT_EQ(*couleurs.getColors(couleurBoutons), clBtnFace);
}

TEST_F(TSingletonCouleurTest, EntryOutsideTheTableAnswersASpareColour)
{
    TSingletonCouleur couleurs;
    const TSingletonCouleur before(couleurs);
    TColor* spare = couleurs.getColors(static_cast<enumCouleurs>(nbCouleurs + 3));
    ASSERT_NE(spare, nullptr);
    EXPECT_EQ(*spare, clBtnFace);
    *spare = clRed;
    EXPECT_EQ(couleurs, before);
    EXPECT_EQ(*couleurs.getColors(static_cast<enumCouleurs>(-1)), clBtnFace);
    couleurs.setColors(static_cast<enumCouleurs>(-1), clRed);
    EXPECT_EQ(couleurs, before);
}

TEST_F(TSingletonCouleurTest, CopiesAreIndependentTables)
{
    TSingletonCouleur a;
    TSingletonCouleur b(a);
    EXPECT_EQ(a, b);
    b.setColors(couleurTitre, clBlack);
    EXPECT_FALSE(a == b);
    a = b;
    EXPECT_EQ(a, b);
    a = a;
    EXPECT_EQ(*a.getColors(couleurTitre), clBlack);
}
