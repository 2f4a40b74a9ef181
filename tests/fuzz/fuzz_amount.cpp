// Amount text, read then written: whatever the input, reading never fails badly, and what is
// written of a value reads back as that value rounded, and is written again the same.

#include "AmountText.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double value = 0.0;
    if (!AmountText::Parse(text, value)) {
        if (value != 0.0)
            __builtin_trap(); // a refused text reads as 0
        return 0;
    }
    if (!std::isfinite(value))
        __builtin_trap();
    for (const int decimals : {0, 2, 6}) {
        const QString shown = AmountText::Format(value, decimals);
        double read = 0.0;
        if (shown.isEmpty() || !AmountText::Parse(shown, read))
            __builtin_trap();
        if (read != AmountText::Round(value, decimals) ||
            AmountText::Format(read, decimals) != shown)
            __builtin_trap();
    }
    return 0;
}
