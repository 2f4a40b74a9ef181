#include "TcxEditRepositoryItem.h"

#include "AmountText.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// One section of a display format, read into what the number needs.
struct Pattern
{
    std::string prefix;
    std::string suffix;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouped = false;
};

std::vector<std::string> SplitSections(const std::string& format)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (const char c : format) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

Pattern Parse(const std::string& section)
{
    Pattern pattern;
    bool inNumber = false;
    bool afterPoint = false;
    auto literal = [&](char c) { (inNumber ? pattern.suffix : pattern.prefix) += c; };
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        switch (c) {
        case '"':
        case '\'': {
            const std::size_t end = section.find(c, i + 1);
            const std::size_t stop = end == std::string::npos ? section.size() : end;
            for (std::size_t j = i + 1; j < stop; ++j)
                literal(section[j]);
            i = stop;
            break;
        }
        case '0':
        case '#':
            // Text between two digit places is not shown (nowhere to put it in a number).
            pattern.suffix.clear();
            inNumber = true;
            if (afterPoint) {
                ++pattern.maxDecimals;
                if (c == '0')
                    pattern.minDecimals = pattern.maxDecimals;
            } else if (c == '0') {
                ++pattern.minIntegerDigits;
            }
            break;
        case '.':
            pattern.suffix.clear();
            inNumber = true;
            afterPoint = true;
            break;
        case ',':
            pattern.suffix.clear();
            inNumber = true;
            if (!afterPoint)
                pattern.grouped = true;
            break;
        default:
            literal(c);
            break;
        }
    }
    return pattern;
}

// `value` (0 or more) written by the pattern; `isZero` tells whether rounding left only zeros.
std::string Digits(const Pattern& pattern, double value, bool& isZero)
{
    AmountText::Layout layout;
    layout.minDecimals = pattern.minDecimals;
    layout.maxDecimals = pattern.maxDecimals;
    layout.minIntegerDigits = pattern.minIntegerDigits;
    layout.grouped = pattern.grouped;
    return AmountText::Digits(value, layout, isZero);
}

} // namespace

TcxEditRepositoryItem::TcxEditRepositoryItem(TcxEditRepositoryKind kind, TAlignment horz,
                                             TcxEditVertAlignment vert, std::string displayFormat,
                                             int decimalPlaces)
    : m_kind(kind), m_horz(horz), m_vert(vert), m_displayFormat(std::move(displayFormat)),
      m_decimalPlaces(decimalPlaces)
{}

TcxEditRepositoryItem::~TcxEditRepositoryItem() = default;

std::string TcxEditRepositoryItem::FormatValue(double value) const
{
    return FormatFloat(m_displayFormat.empty() ? "0.###############" : m_displayFormat, value);
}

std::string TcxEditRepositoryItem::FormatFloat(const std::string& format, double value)
{
    if (!std::isfinite(value))
        return {};
    const std::vector<std::string> sections = SplitSections(format);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    bool isZero = false;
    const Pattern positive = Parse(sections[0]);
    const std::string positiveDigits = Digits(positive, magnitude, isZero);
    if (isZero && sections.size() > 2 && !sections[2].empty()) {
        const Pattern zero = Parse(sections[2]);
        bool ignored = false;
        return zero.prefix + Digits(zero, 0.0, ignored) + zero.suffix;
    }
    // A value that rounds to zero shows no sign.
    if (!negative || isZero)
        return positive.prefix + positiveDigits + positive.suffix;
    if (sections.size() > 1 && !sections[1].empty()) {
        const Pattern minus = Parse(sections[1]);
        bool ignored = false;
        return minus.prefix + Digits(minus, magnitude, ignored) + minus.suffix;
    }
    return '-' + positive.prefix + positiveDigits + positive.suffix;
}
