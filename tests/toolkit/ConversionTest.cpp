#include "AmountText.h"
#include "Cp1252.h"
#include "TcxEditRepositoryItem.h"

#include <gtest/gtest.h>

#include <QString>

#include <iconv.h>

#include <cmath>
#include <limits>
#include <string>

TEST(Cp1252, EveryByteMapsAsGlibcSaysAndRoundTripsThroughQString)
{
    iconv_t cd = iconv_open("UTF-32LE", "CP1252"); // glibc's table, independent of ours
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
        char in = static_cast<char>(b);
        char32_t out = 0;
        char *inPtr = &in, *outPtr = reinterpret_cast<char*>(&out);
        size_t inLeft = 1, outLeft = 4;
        const bool defined = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1);
        // The five bytes Windows-1252 leaves undefined map to the C1 controls of their value.
        EXPECT_EQ(Cp1252::toUnicode(static_cast<unsigned char>(b)), defined ? out : char32_t(b));
    }
    iconv_close(cd);
    EXPECT_EQ(Cp1252::fromQString(Cp1252::toQString(all)), all);
    EXPECT_TRUE(Cp1252::toQString(static_cast<const char*>(nullptr)).isEmpty());
}

TEST(Cp1252, TextConvertsBothWaysAndWhatTheEncodingLacksIsAQuestionMark)
{
    EXPECT_EQ(Cp1252::toQString("\xC9t\xE9 \x80 \x9C"), QString::fromUtf8("Été € œ"));
    EXPECT_EQ(Cp1252::toUtf8("\xC9t\xE9 \x80 \x9C"), "Été € œ");
    // One '?' for a character outside the BMP; French numbers' narrow space is a no-break one.
    const std::pair<const char*, const char*> toCp1252[] = {
        {"\u00C9l\u00E8ve \u0153", "\xC9l\xE8ve \x9C"},
        {"a\u4E2Db", "a?b"},
        {"x\U0001F600y", "x?y"},
        {"1\u202F234", "1\240234"}};
    for (const auto& [utf8, cp1252] : toCp1252)
        EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8(utf8)), cp1252);
    QString typed = QString::fromUtf8("\u0141\u00F3d\u017A x\U0001F600y?");
    EXPECT_EQ(Cp1252::takeUnencodable(typed), QString::fromUtf8("\u0141\u017A\U0001F600"));
    EXPECT_EQ(typed, QString::fromUtf8("\u00F3d xy?"));
}

TEST(AmountText, FormatsWithCommaSpacedThousandsAndNoTrailingZeros)
{
    const std::tuple<double, int, const char*> cases[] = {
        {1234.5, 2, "1 234,5"},
        {1234567.891, 2, "1 234 567,89"},
        {-0.004, 2, "0"}, // never "-0"
        {1234.56, 0, "1 235"},
        {1e15, 2, "1 000 000 000 000 000"},
        {std::numeric_limits<double>::infinity(), 2, ""},
    };
    for (const auto& [value, decimals, shown] : cases)
        EXPECT_EQ(AmountText::Format(value, decimals), QString::fromUtf8(shown))
            << value << " with " << decimals << " decimals";
}

TEST(AmountText, ReadsWhatAFrenchReaderReads)
{
    const std::pair<const char*, double> cases[] = {
        // UTF-8 text -> value; NaN: not read
        {"1234,56", 1234.56},
        {"1234.56", 1234.56},
        {"123.456,5", 123456.5},
        {"1\u202F234,56 \u20AC", 1234.56}, // what QLocale's French writes
        {"  -1 000 EUR ", -1000.0},
        {"1,234.56", 1234.56},
        {"1.234.567", 1234567.0},
        {",5", 0.5},
        {"+7", 7.0},
        {"\u22123", -3.0},
        {"1,2,3", NAN}, // groups of three or nothing
        {"12a", NAN},
        {"", NAN},
        {"1e5", NAN},
    };
    for (const auto& [text, expected] : cases) {
        double value = -1.0;
        EXPECT_EQ(AmountText::Parse(QString::fromUtf8(text), value), !std::isnan(expected)) << text;
        EXPECT_DOUBLE_EQ(value, std::isnan(expected) ? 0.0 : expected) << text;
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

TEST(TcxEditRepositoryItem, AmountsFollowTheDisplayFormatWithFrenchSeparators)
{
    const char* const euros = ",0.00 \x80;-,0.00 \x80";
    const char* const zeroSection = "0;(0);'n\351ant'";
    const std::tuple<const char*, double, const char*> cases[] = {
        {euros, 1234567.891, "1 234 567,89 \x80"},
        {euros, -1234.5, "-1 234,50 \x80"},
        {",0.00;-,0.00", -0.001, "0,00"}, // rounds to zero: no sign
        {"0.0#", 2.567, "2,57"},
        {"#.##", 0.5, ",5"},
        {"'Total : '0", 12, "Total : 12"},
        {zeroSection, -3, "(3)"},
        {zeroSection, 0, "n\351ant"},
        {"0", -7, "-7"},
        {"0.00", std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& [format, value, shown] : cases)
        EXPECT_EQ(TcxEditRepositoryItem::FormatFloat(format, value), shown) << format;
    const TcxEditRepositoryItem text(erkText, taLeftJustify, taVCenter);
    EXPECT_EQ(text.FormatValue(0.1), "0,1"); // without a format, as it is
    EXPECT_EQ(text.FormatValue(-1234), "-1234");
}
