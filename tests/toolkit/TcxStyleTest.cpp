#include "TcxStyle.h"

#include <gtest/gtest.h>

#include <QFont>

TEST(TcxStyleTest, MergeAndFontTakeOnlyWhatAStyleAssigns)
{
    TcxStyle under;
    under.SetColor(clWhite);
    under.SetTextColor(clNavy);
    TcxStyle over;
    over.SetTextColor(clRed);
    over.SetFontName("MS Sans Serif");
    over.SetFontHeight(-11); // the character height in pixels
    under.Merge(over);
    under.Merge(TcxStyle());
    EXPECT_EQ(under.GetColor(), clWhite);
    EXPECT_EQ(under.GetTextColor(), clRed);
    const QFont base("Sans", 9);
    EXPECT_EQ(TcxStyle().ApplyFont(base), base);
    EXPECT_EQ(under.ApplyFont(base).pixelSize(), 11);
    EXPECT_EQ(under.ApplyFont(base).family(), QString("MS Sans Serif"));
}
