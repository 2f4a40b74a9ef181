#pragma once

// Windows-1252 is the encoding of every letter value and of the framework's French texts.
// All conversions between those bytes and Qt or wide strings go through here, from one
// table of our own so that the result never depends on how Qt or the C library was built.

#include "wizard_toolkit_export.h"

#include <QString>

#include <string>
#include <string_view>

namespace Cp1252 {

// The Unicode code point of one Windows-1252 byte. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as
// Windows does, so that every byte round-trips.
WIZARD_TOOLKIT_EXPORT char32_t toUnicode(unsigned char byte);

// The Windows-1252 byte of a code point; '?' for a character the encoding cannot hold. The
// narrow no-break space that French number formats use (U+202F) becomes the no-break space.
WIZARD_TOOLKIT_EXPORT char fromUnicode(char32_t codePoint);
// Whether fromUnicode writes the code point as its own byte rather than '?'.
WIZARD_TOOLKIT_EXPORT bool canEncode(char32_t codePoint);
// Removes from `text` every character the encoding cannot hold and returns them, in order
// (empty when nothing was removed). Input widgets use it so that nothing is turned into '?'.
WIZARD_TOOLKIT_EXPORT QString takeUnencodable(QString& text);

WIZARD_TOOLKIT_EXPORT QString toQString(std::string_view text);
// A NUL-terminated text; null gives an empty string.
WIZARD_TOOLKIT_EXPORT QString toQString(const char* text);
WIZARD_TOOLKIT_EXPORT std::string fromQString(const QString& text);

WIZARD_TOOLKIT_EXPORT std::wstring toWide(std::string_view text);
WIZARD_TOOLKIT_EXPORT std::string toUtf8(std::string_view text);

} // namespace Cp1252
