#include "TcxStyle.h"

#include <gtest/gtest.h>

#include <QFont>

TEST(TcxStyleTest, MergeTakesOnlyWhatTheOtherStyleAssigns)
{
    TcxStyle under;
    under.SetColor(clWhite);
    under.SetTextColor(clNavy);
    TcxStyle over;
    over.SetTextColor(clRed);
    over.SetFontBold(true);
    EXPECT_FALSE(under.HasFont());
    under.Merge(over);
    under.Merge(TcxStyle());
    EXPECT_EQ(under.GetColor(), clWhite);
    EXPECT_EQ(under.GetTextColor(), clRed);
    EXPECT_TRUE(under.GetFontBold());
    EXPECT_TRUE(under.HasFont());
    EXPECT_NE(under, over);
}

TEST(TcxStyleTest, FontIsTheBaseFontWithWhatTheStyleAssigns)
{
    TcxStyle style;
    const QFont base("Sans", 9);
    EXPECT_EQ(style.ApplyFont(base), base);
    style.SetFontName("MS Sans Serif");
    style.SetFontHeight(-11); // the character height in pixels
    style.SetFontBold(true);
    const QFont font = style.ApplyFont(base);
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.family(), QString("MS Sans Serif"));
}
