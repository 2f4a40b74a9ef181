// A title module as a host ships it: a shared library that exports its string table.
// Loaded by the string table and flow manager tests.

#include "StringTable.h"

// 300 characters: longer than any title buffer.
#define WIZARD_TEST_LONG_TITLE                                                                     \
    "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMN" \
    "OPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZAB" \
    "CDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOP" \
    "QRSTUVWXYZABCDEFGHIJKLMN"

WIZARD_STRING_TABLE({100, "Identit\xE9 du d\351clarant"}, {101, "Revenus"}, {-2, "Rubrique"},
                    {200, WIZARD_TEST_LONG_TITLE}, {300, ""},
                    {101, "Second entry of an identifier, never read"})
