// The titles of the consumer's two screens.

#include "StringTable.h"

WIZARD_STRING_TABLE({101, "Votre nom"}, {102, "Votre ville"})
