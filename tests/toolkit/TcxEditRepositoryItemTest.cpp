#include "TcxEditRepositoryItem.h"
#include "TTimer.h"

#include "WidgetTest.h"

#include <limits>

namespace {

TEST(TcxEditRepositoryItem, AmountsFollowTheDisplayFormatWithFrenchSeparators)
{
    const struct
    {
        const char* format;
        double value;
        const char* shown;
    } cases[] = {
        {",0.00 \x80;-,0.00 \x80", 1234567.891, "1 234 567,89 \x80"},
        {",0.00 \x80;-,0.00 \x80", -1234.5, "-1 234,50 \x80"},
        {",0.00 \x80;-,0.00 \x80", 0, "0,00 \x80"},
        {",0 \x80;-,0 \x80", 999.5, "1 000 \x80"},
        {",0.00 %;-,0.00 %", 12.345, "12,35 %"},
        {",0.00;-,0.00", -0.5, "-0,50"},
        {",0.00;-,0.00", -0.001, "0,00"}, // rounds to zero: no sign
        {"0.00", -0.0, "0,00"},
        {"0.0#", 2.5, "2,5"},
        {"0.0#", 2.567, "2,57"},
        {"#.##", 0.5, ",5"},
        {"'Total : '0", 12, "Total : 12"},
        {"0;(0);'n\xE9"
         "ant'",
         -3, "(3)"},
        {"0;(0);'n\xE9"
         "ant'",
         0,
         "n\xE9"
         "ant"},
        {"0", -7, "-7"},
        {"0.00", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(c.format, c.value), c.shown) << c.format;
    const TcxEditRepositoryItem text(erkText, taLeftJustify, taVCenter);
    EXPECT_EQ(text.FormatValue(0.1), "0,1"); // without a format, as it is
    EXPECT_EQ(text.FormatValue(-1234), "-1234");
}

using TTimerTest = WidgetTest;

TEST_F(TTimerTest, RunsOnlyWhileEnabledWithAPositiveIntervalAndEveryTickRunsOnTimer)
{
    TTimer timer;
    std::vector<TObject*> ticks;
    timer.OnTimer = [&](TObject* sender) { ticks.push_back(sender); };
    QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection);
    EXPECT_EQ(ticks, std::vector<TObject*>{&timer});
    EXPECT_TRUE(timer.isActive());
    timer.SetInterval(-5);
    EXPECT_EQ(timer.GetInterval(), 0);
    EXPECT_FALSE(timer.isActive());
    timer.SetEnabled(false);
    timer.SetInterval(10);
    EXPECT_FALSE(timer.isActive());
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.isActive());
}

} // namespace
