#include "TcxEditRepositoryItem.h"
#include "TTimer.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListStyleSheet.h"

#include "GestureFlush.h"
#include "WidgetTest.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <limits>

namespace {

TEST(TcxEditRepositoryItem, AmountsFollowTheDisplayFormatWithFrenchSeparators)
{
    const std::string euros = ",0.00 \x80;-,0.00 \x80";
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(euros, 1234567.891), "1 234 567,89 \x80");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(euros, -1234.5), "-1 234,50 \x80");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(euros, 0), "0,00 \x80");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(",0 \x80;-,0 \x80", 999.5), "1 000 \x80");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(",0.00 %;-,0.00 %", 12.345), "12,35 %");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(",0.00;-,0.00", -0.5), "-0,50");
}

TEST(TcxEditRepositoryItem, ValuesThatRoundToZeroShowNoSign)
{
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(",0.00;-,0.00", -0.001), "0,00");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0.00", -0.0), "0,00");
}

TEST(TcxEditRepositoryItem, OptionalDigitsQuotesAndSectionsOfTheFormat)
{
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0.0#", 2.5), "2,5");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0.0#", 2.567), "2,57");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("#.##", 0.5), ",5");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("'Total : '0", 12), "Total : 12");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0;(0);'n\xE9"
                                                 "ant'",
                                                 -3),
              "(3)");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0;(0);'n\xE9"
                                                 "ant'",
                                                 0),
              "n\xE9"
              "ant");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0", -7), "-7");
    EXPECT_EQ(TcxEditRepositoryItem::FormatFloat("0.00", std::numeric_limits<double>::quiet_NaN()),
              "");
}

TEST(TcxEditRepositoryItem, WithoutAFormatTheValueShowsAsItIs)
{
    const TcxEditRepositoryItem text(erkText, taLeftJustify, taVCenter);
    EXPECT_EQ(text.FormatValue(0.1), "0,1");
    EXPECT_EQ(text.FormatValue(-1234), "-1234");
    EXPECT_EQ(text.GetAlignmentVert(), taVCenter);
    EXPECT_EQ(text.GetDecimalPlaces(), -1);
}

class TTimerTest : public WidgetTest
{};

TEST_F(TTimerTest, StartsEnabledAndRunsOnlyWhileEnabledWithAPositiveInterval)
{
    TTimer timer;
    EXPECT_TRUE(timer.GetEnabled());
    EXPECT_EQ(timer.GetInterval(), 1000);
    EXPECT_TRUE(timer.isActive());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.isActive());
    timer.SetInterval(0);
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.isActive());
    timer.SetInterval(-5);
    EXPECT_EQ(timer.GetInterval(), 0);
    timer.SetInterval(10);
    EXPECT_TRUE(timer.isActive());
}

TEST_F(TTimerTest, EveryTickRunsOnTimer)
{
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&](TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(ticks, 1);
}

class TcxTreeListStyleSheetTest : public WidgetTest
{
protected:
    // The first tree view builds Qt singletons that live as long as the application.
    static void SetUpTestSuite()
    {
        {
            TcxKelTreeList warmUp;
            warmUp.AddChild();
            warmUp.show();
            QApplication::processEvents();
            warmUp.hide();
        }
        flushQtEvents();
        flushDeletedGestures();
    }
    void TearDown() override
    {
        flushDeletedGestures();
        WidgetTest::TearDown();
    }
};

TEST_F(TcxTreeListStyleSheetTest, GivesTheTreeItsContentAndLevelStyles)
{
    TcxStyle content;
    content.SetColor(14941179);
    TcxStyle top;
    top.SetColor(12250361);
    top.SetFontBold(true);
    TcxStyle deeper;
    deeper.SetColor(clWhite);
    TcxTreeListStyleSheet sheet;
    sheet.Content = content;
    sheet.Levels = {top, deeper};
    sheet.ContentOdd.SetTextColor(clRed);

    TcxKelTreeList tree;
    TcxTreeListNode* parent = tree.AddChild();
    TcxTreeListNode* child = tree.AddChild(parent);
    TcxTreeListNode* grandChild = tree.AddChild(child);
    TcxTreeListNode* second = tree.AddChild();
    sheet.ApplyTo(&tree);
    sheet.ApplyTo(nullptr);

    // The second row shown takes the odd rows' style.
    EXPECT_EQ(tree.ContentStyleFor(second, 0).GetTextColor(), clRed);
    EXPECT_EQ(tree.ContentStyleFor(parent, 0).GetTextColor(), clDefault);

    EXPECT_EQ(tree.GetContentStyle(), content);
    EXPECT_EQ(tree.ContentStyleFor(parent, 0).GetColor(), 12250361);
    EXPECT_TRUE(tree.ContentStyleFor(parent, 0).GetFontBold());
    EXPECT_EQ(tree.ContentStyleFor(child, 0).GetColor(), clWhite);
    EXPECT_EQ(tree.ContentStyleFor(grandChild, 0).GetColor(), clWhite);
}

} // namespace
