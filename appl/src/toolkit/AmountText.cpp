#include "AmountText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == 0x00A0 || c == 0x2007 || c == 0x2009 || c == 0x202F;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int ClampDecimals(int decimals)
{
    return std::clamp(decimals, 0, AmountText::kMaxDecimals);
}

// Every grouping separator of `body` (digits and separators only) has digits before it and
// exactly three digits after it, up to the next separator or the end.
bool GroupsOfThree(const std::u16string& body, char16_t grouping)
{
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != grouping)
            continue;
        if (i == 0 || !IsDigit(body[i - 1]))
            return false;
        std::size_t digits = 0;
        while (i + 1 + digits < body.size() && IsDigit(body[i + 1 + digits]))
            ++digits;
        if (digits != 3)
            return false;
    }
    // The first group has one to three digits.
    const std::size_t first = body.find(grouping);
    return first == std::u16string::npos || first <= 3;
}

} // namespace

namespace AmountText {

std::string Digits(double magnitude, const Layout& layout, bool& isZero)
{
    isZero = false;
    if (!std::isfinite(magnitude))
        return {};
    const int maxDecimals = ClampDecimals(layout.maxDecimals);
    // Enough for the widest double written in fixed notation (309 digits) and its decimals.
    char buffer[400];
    const std::to_chars_result result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(magnitude),
                      std::chars_format::fixed, maxDecimals);
    if (result.ec != std::errc())
        return {};
    const std::string text(buffer, result.ptr);
    std::string integerPart = text;
    std::string decimals;
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        integerPart = text.substr(0, point);
        decimals = text.substr(point + 1);
    }
    isZero = integerPart.find_first_not_of('0') == std::string::npos &&
             decimals.find_first_not_of('0') == std::string::npos;
    const int minDecimals = std::clamp(layout.minDecimals, 0, maxDecimals);
    while (static_cast<int>(decimals.size()) > minDecimals && decimals.back() == '0')
        decimals.pop_back();
    integerPart.erase(0, integerPart.find_first_not_of('0'));
    while (static_cast<int>(integerPart.size()) < layout.minIntegerDigits)
        integerPart.insert(0, 1, '0');
    if (layout.grouped)
        for (int pos = static_cast<int>(integerPart.size()) - 3; pos > 0; pos -= 3)
            integerPart.insert(static_cast<std::size_t>(pos), 1, ' ');
    return decimals.empty() ? integerPart : integerPart + ',' + decimals;
}

QString Format(double value, int decimals)
{
    Layout layout;
    layout.maxDecimals = ClampDecimals(decimals);
    bool isZero = false;
    const std::string digits = Digits(value, layout, isZero);
    if (digits.empty())
        return {};
    QString shown;
    shown.reserve(static_cast<qsizetype>(digits.size()) + 1);
    if (std::signbit(value) && !isZero)
        shown += u'-'; // never "-0"
    shown += QLatin1StringView(digits.data(), static_cast<qsizetype>(digits.size()));
    return shown;
}

double Round(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    char buffer[400];
    const std::to_chars_result written = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::fixed, ClampDecimals(decimals));
    double rounded = value;
    if (written.ec == std::errc())
        std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

bool Parse(QStringView text, double& value)
{
    value = 0.0;
    qsizetype begin = 0;
    qsizetype end = text.size();
    const auto trim = [&] {
        while (begin < end && IsBlank(text[begin].unicode()))
            ++begin;
        while (end > begin && IsBlank(text[end - 1].unicode()))
            --end;
    };
    trim();
    if (end > begin && text[end - 1] == QChar(0x20AC)) {
        --end;
    } else if (end - begin >= 3 &&
               text.sliced(end - 3, 3).compare(u"EUR", Qt::CaseInsensitive) == 0) {
        end -= 3;
    }
    trim();
    bool negative = false;
    if (begin < end &&
        (text[begin] == u'-' || text[begin] == u'+' || text[begin] == QChar(0x2212))) {
        negative = text[begin] != u'+';
        ++begin;
    }

    // Digits and separators, blanks left out.
    std::u16string body;
    body.reserve(static_cast<std::size_t>(end - begin));
    int commas = 0;
    int points = 0;
    bool digits = false;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (IsBlank(c))
            continue;
        if (c == u',')
            ++commas;
        else if (c == u'.')
            ++points;
        else if (IsDigit(c))
            digits = true;
        else
            return false;
        body += c;
    }
    if (!digits)
        return false;

    char16_t decimal = 0;
    char16_t grouping = 0;
    if (commas > 0 && points > 0) {
        decimal = body[body.find_last_of(u",.")];
        grouping = decimal == u',' ? u'.' : u',';
        if ((decimal == u',' ? commas : points) != 1)
            return false;
    } else if (commas + points == 1) {
        decimal = commas ? u',' : u'.';
    } else if (commas + points > 1) {
        grouping = commas ? u',' : u'.';
    }
    if (grouping && !GroupsOfThree(body.substr(0, body.find(decimal)), grouping))
        return false;

    std::string ascii = "0"; // so that ",5" reads as 0.5
    ascii.reserve(body.size() + 2);
    for (const char16_t c : body) {
        if (c == decimal)
            ascii += '.';
        else if (c != grouping)
            ascii += static_cast<char>(c);
    }
    if (ascii.back() == '.')
        ascii.pop_back(); // "5," while typing
    double parsed = 0.0;
    const std::from_chars_result result =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() ||
        !std::isfinite(parsed))
        return false;
    value = negative ? -parsed : parsed;
    return true;
}

} // namespace AmountText
