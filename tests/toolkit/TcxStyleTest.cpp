#include "TcxStyle.h"

#include <gtest/gtest.h>

#include <QFont>

TEST(TcxStyleTest, ANewStyleAssignsNothing)
{
    const TcxStyle style;
    EXPECT_FALSE(style.HasColor());
    EXPECT_FALSE(style.HasTextColor());
    EXPECT_FALSE(style.HasFont());
    EXPECT_EQ(style.GetColor(), clDefault);
    const QFont base("Sans", 9);
    EXPECT_EQ(style.ApplyFont(base), base);
}

TEST(TcxStyleTest, MergeTakesOnlyWhatTheOtherStyleAssigns)
{
    TcxStyle under;
    under.SetColor(clWhite);
    under.SetTextColor(clNavy);
    TcxStyle over;
    over.SetTextColor(clRed);
    over.SetFontBold(true);

    under.Merge(over);

    EXPECT_EQ(under.GetColor(), clWhite);
    EXPECT_EQ(under.GetTextColor(), clRed);
    EXPECT_TRUE(under.GetFontBold());
    EXPECT_TRUE(under.HasFont());
    under.Merge(under);
    EXPECT_EQ(under.GetTextColor(), clRed);
}

TEST(TcxStyleTest, ANegativeFontHeightIsTheCharacterHeightInPixels)
{
    TcxStyle style;
    style.SetFontName("MS Sans Serif");
    style.SetFontHeight(-11);
    style.SetFontBold(true);
    const QFont font = style.ApplyFont(QFont("Sans", 9));
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.family(), QString("MS Sans Serif"));

    style.SetFontHeight(0); // unset again
    EXPECT_EQ(style.GetFontHeight(), 0);
}

TEST(TcxStyleTest, CopiesAreEqualAndIndependent)
{
    TcxStyle style;
    style.SetColor(12250361);
    TcxStyle copy(style);
    EXPECT_EQ(copy, style);
    copy.SetColor(clWhite);
    EXPECT_NE(copy, style);
    copy = style;
    EXPECT_EQ(copy, style);
}
