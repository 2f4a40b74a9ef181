#include "Cp1252.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>
#include <string>

namespace {

// glibc's own table, independent of ours, for the 251 bytes Windows-1252 defines.
char32_t iconvCodePoint(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0xFFFFFFFF;
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = 4;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1))
        return 0xFFFFFFFF;
    return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
}

bool isUndefinedByte(unsigned char b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

} // namespace

TEST(Cp1252, DefinedBytesMatchIconv)
{
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        if (isUndefinedByte(byte))
            continue;
        EXPECT_EQ(Cp1252::toUnicode(byte), iconvCodePoint(byte)) << "byte " << b;
    }
}

TEST(Cp1252, UndefinedBytesMapToC1ControlsOfSameValue)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(Cp1252::toUnicode(b), static_cast<char32_t>(b));
}

TEST(Cp1252, EveryByteRoundTripsThroughQString)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString text = Cp1252::toQString(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(Cp1252::fromQString(text), all);
}

TEST(Cp1252, AccentsAndEuroShowAsTheirCharacters)
{
    EXPECT_EQ(Cp1252::toQString("\xE9t\xE9 \x80"), QString::fromUtf8("été €"));
    EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8("Élève œuvre")), "\xC9l\xE8ve \x9Cuvre");
    EXPECT_EQ(Cp1252::toUtf8("r\xE9sum\xE9 \x80"), "résumé €");
}

TEST(Cp1252, CharacterOutsideTheEncodingBecomesQuestionMark)
{
    EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8("a\u4E2Db")), "a?b");
    // A character outside the BMP is one '?', not one per surrogate.
    EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8("x\U0001F600y")), "x?y");
    // What input fields refuse instead, and the narrow no-break space of French numbers.
    QString typed = QString::fromUtf8("\u0141\u00F3d\u017A x\U0001F600y?");
    EXPECT_EQ(Cp1252::takeUnencodable(typed), QString::fromUtf8("\u0141\u017A\U0001F600"));
    EXPECT_EQ(typed, QString::fromUtf8("\u00F3d xy?"));
    EXPECT_EQ(Cp1252::fromQString(QString::fromUtf8("1\u202F234")), "1\xA0"
                                                                    "234");
}

TEST(Cp1252, NullTextGivesEmptyString)
{
    EXPECT_TRUE(Cp1252::toQString(static_cast<const char*>(nullptr)).isEmpty());
}
