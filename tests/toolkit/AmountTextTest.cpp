#include "AmountText.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <limits>

namespace {

TEST(AmountText, FormatsWithCommaSpacedThousandsAndNoTrailingZeros)
{
    const struct
    {
        double value;
        int decimals;
        const char* shown;
    } cases[] = {
        {1234.5, 2, "1 234,5"},
        {-3.0, 2, "-3"},
        {1234567.891, 2, "1 234 567,89"},
        {0.004, 2, "0"},
        {-0.004, 2, "0"}, // never "-0"
        {-0.0, 2, "0"},
        {100.0, 0, "100"},
        {1234.56, 0, "1 235"},
        {0.5, 2, "0,5"},
        {1e15, 2, "1 000 000 000 000 000"},
        {12.345, 2, "12,35"},
        {std::numeric_limits<double>::infinity(), 2, ""},
        {std::numeric_limits<double>::quiet_NaN(), 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountText::Format(c.value, c.decimals), QString::fromUtf8(c.shown))
            << c.value << " with " << c.decimals << " decimals";
}

TEST(AmountText, ReadsWhatAFrenchReaderReads)
{
    const struct
    {
        const char* text; // UTF-8
        bool read;
        double value;
    } cases[] = {
        {"1234,56", true, 1234.56},
        {"1234.56", true, 1234.56},
        {"1 234,56", true, 1234.56},
        {"123.456,5", true, 123456.5},
        {"1\u00A0234,56", true, 1234.56},
        {"1\u202F234,56 \u20AC", true, 1234.56}, // what QLocale's French writes
        {"1 234,56 \u20AC", true, 1234.56},
        {"  -1 000 EUR ", true, -1000.0},
        {"1.234,56", true, 1234.56},
        {"1,234.56", true, 1234.56},
        {"1.234.567", true, 1234567.0},
        {",5", true, 0.5},
        {"5,", true, 5.0},
        {"+7", true, 7.0},
        {"\u22123", true, -3.0},
        {"1,2,3", false, 0.0}, // groups of three or nothing
        {"12.34.567", false, 0.0},
        {"1.234,5,6", false, 0.0},
        {"12a", false, 0.0},
        {"abc", false, 0.0},
        {"-", false, 0.0},
        {",", false, 0.0},
        {"", false, 0.0},
        {"1e5", false, 0.0},
        {"inf", false, 0.0},
    };
    for (const auto& c : cases) {
        double value = -1.0;
        EXPECT_EQ(AmountText::Parse(QString::fromUtf8(c.text), value), c.read) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
    QString beyondADouble = QStringLiteral("1");
    for (int group = 0; group < 103; ++group)
        beyondADouble += QStringLiteral(" 000");
    double value = -1.0;
    EXPECT_FALSE(AmountText::Parse(beyondADouble, value));
    EXPECT_EQ(value, 0.0);
}

TEST(AmountText, WhatIsShownReadsBackAsTheRoundedValue)
{
    for (const double value : {0.0, 1234.5, -1234567.891, 0.005, 999.995, 1e15, -2.5e-7}) {
        for (const int decimals : {0, 2, 6}) {
            const QString shown = AmountText::Format(value, decimals);
            double read = -1.0;
            ASSERT_TRUE(AmountText::Parse(shown, read)) << shown.toStdString();
            EXPECT_EQ(read, AmountText::Round(value, decimals)) << shown.toStdString();
            EXPECT_EQ(AmountText::Format(read, decimals), shown);
        }
    }
}

} // namespace
