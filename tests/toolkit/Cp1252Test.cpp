#include "Cp1252.h"

#include <gtest/gtest.h>

#include <iconv.h>
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
    EXPECT_EQ(Cp1252::toQString(all).size(), 255);
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
        {"1\u202F234", "1\xA0"
                       "234"}};
    for (const auto& [utf8, cp1252] : toCp1252)
        EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8(utf8)), cp1252);
    QString typed = QString::fromUtf8("\u0141\u00F3d\u017A x\U0001F600y?");
    EXPECT_EQ(Cp1252::takeUnencodable(typed), QString::fromUtf8("\u0141\u017A\U0001F600"));
    EXPECT_EQ(typed, QString::fromUtf8("\u00F3d xy?"));
}
