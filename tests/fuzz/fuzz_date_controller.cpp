// The date controller's checks on whatever the day, month and year fields hold: reading each
// part, the calendar check, and the whole check with its completion of a two-digit year and its
// refusals (their messages answered at once). The input is "<day>\n<month>\n<year>\n<fiscal>"
// followed by three integers for the calendar check.

#include "FuzzQt.h"

#include "controls/TDateController.h"

#include "TEdit.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzQtApplication();
    FuzzedDataProvider input(data, size);
    TEdit day;
    TEdit month;
    TEdit year;
    day.SetText(input.ConsumeRandomLengthString(16));
    month.SetText(input.ConsumeRandomLengthString(16));
    year.SetText(input.ConsumeRandomLengthString(16));
    const auto fiscal = input.ConsumeIntegral<short>();

    for (auto [field, max] :
         {std::pair{&day, 31L}, std::pair{&month, 12L}, std::pair{&year, 9999L}}) {
        long value = -1;
        if (TDateController::getEltDate(field, &value, max) && (value < 0 || value > max))
            std::abort();
        long written = input.ConsumeIntegral<long>();
        TEdit copy;
        TDateController::setEltDate(&copy, &written);
    }

    const long d = input.ConsumeIntegral<long>();
    const long m = input.ConsumeIntegral<long>();
    const long y = input.ConsumeIntegral<long>();
    const bool valid = TDateController::verifDate(d, m, y);
    if (valid && (m < 1 || m > 12 || d > 31))
        std::abort();

    TDateController controller(nullptr, &day, &month, &year, fiscal);
    controller.Control();
    return 0;
}
