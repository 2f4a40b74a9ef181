// Windows-1252 text both ways: every byte string survives the trip through Qt, UTF-8 and wide
// strings unchanged, and any UTF-16 text comes back from Windows-1252 as itself where the
// encoding holds its characters (the narrow no-break space as a no-break space) and as '?'
// elsewhere.

#include "Cp1252.h"

#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    if (Cp1252::fromQString(Cp1252::toQString(bytes)) != bytes)
        std::abort();
    if (Cp1252::fromQString(QString::fromUtf8(Cp1252::toUtf8(bytes))) != bytes)
        std::abort();
    if (Cp1252::fromQString(QString::fromStdWString(Cp1252::toWide(bytes))) != bytes)
        std::abort();
    // The NUL-terminated overload stops at the first NUL.
    if (Cp1252::toQString(bytes.c_str()) != Cp1252::toQString(std::string(bytes.c_str())))
        std::abort();

    // The same bytes read as UTF-16 text (surrogates unpaired or not).
    std::u16string units16(size / 2, u'\0');
    std::memcpy(units16.data(), data, units16.size() * sizeof(char16_t));
    const QString text = QString::fromStdU16String(units16);
    const std::string encoded = Cp1252::fromQString(text);
    const QString back = Cp1252::toQString(encoded);
    if (back.size() > text.size() || encoded.size() != static_cast<std::size_t>(back.size()))
        std::abort();
    const auto units = text.toUcs4();
    if (static_cast<std::size_t>(units.size()) != encoded.size())
        std::abort();
    for (qsizetype i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        const char byte = encoded[static_cast<std::size_t>(i)];
        if (byte != Cp1252::fromUnicode(unit))
            std::abort();
        // A character the encoding holds comes back as itself, but for the narrow no-break
        // space of French number formats, which is written as the no-break space.
        const bool held = byte != '?' || unit == U'?';
        const char32_t expected = unit == U'\u202F' ? U'\u00A0' : unit;
        if (held && Cp1252::toUnicode(static_cast<unsigned char>(byte)) != expected)
            std::abort();
    }
    return 0;
}
