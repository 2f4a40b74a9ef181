#include "Cp1252.h"

#include <QList>

#include <algorithm>
#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

} // namespace

namespace Cp1252 {

char32_t toUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

char fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(static_cast<unsigned char>(codePoint));
    if (codePoint == 0x202F)
        return '\xA0';
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<char>(static_cast<unsigned char>(0x80 + i));
    }
    return '?';
}

bool canEncode(char32_t codePoint)
{
    return codePoint == U'?' || fromUnicode(codePoint) != '?';
}

QString takeUnencodable(QString& text)
{
    const bool allEncodable = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return !c.isSurrogate() && canEncode(c.unicode());
    });
    if (allEncodable)
        return {};
    QString kept;
    QString removed;
    for (char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        (canEncode(codePoint) ? kept : removed) += character;
    }
    if (!removed.isEmpty())
        text = kept;
    return removed;
}

QString toQString(std::string_view text)
{
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (char c : text)
        result.append(QChar(static_cast<char16_t>(toUnicode(static_cast<unsigned char>(c)))));
    return result;
}

QString toQString(const char* text)
{
    return text ? toQString(std::string_view(text)) : QString();
}

std::string fromQString(const QString& text)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    // Walk by code point so that a surrogate pair becomes one '?', not two.
    for (char32_t codePoint : text.toUcs4())
        result.push_back(fromUnicode(codePoint));
    return result;
}

std::wstring toWide(std::string_view text)
{
    std::wstring result;
    result.reserve(text.size());
    for (char c : text)
        result.push_back(static_cast<wchar_t>(toUnicode(static_cast<unsigned char>(c))));
    return result;
}

std::string toUtf8(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        const char32_t cp = toUnicode(static_cast<unsigned char>(c));
        if (cp < 0x80) {
            result.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            result.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            result.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            result.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            result.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            result.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return result;
}

} // namespace Cp1252
