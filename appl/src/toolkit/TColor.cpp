#include "TColor.h"

#include <QApplication>
#include <QColor>

namespace {

struct RoleEntry
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The nearest Qt role of each Windows system colour.
constexpr RoleEntry kSystemRoles[] = {
    {0, QPalette::Active, QPalette::Button},             // scroll bar
    {1, QPalette::Active, QPalette::Window},             // desktop
    {2, QPalette::Active, QPalette::Highlight},          // active caption
    {3, QPalette::Inactive, QPalette::Highlight},        // inactive caption
    {4, QPalette::Active, QPalette::Window},             // menu
    {5, QPalette::Active, QPalette::Base},               // window
    {6, QPalette::Active, QPalette::Shadow},             // window frame
    {7, QPalette::Active, QPalette::WindowText},         // menu text
    {8, QPalette::Active, QPalette::Text},               // window text
    {9, QPalette::Active, QPalette::HighlightedText},    // caption text
    {10, QPalette::Active, QPalette::Window},            // active border
    {11, QPalette::Inactive, QPalette::Window},          // inactive border
    {12, QPalette::Active, QPalette::Dark},              // MDI work space
    {13, QPalette::Active, QPalette::Highlight},         // highlight
    {14, QPalette::Active, QPalette::HighlightedText},   // highlight text
    {15, QPalette::Active, QPalette::Button},            // button face
    {16, QPalette::Active, QPalette::Dark},              // button shadow
    {17, QPalette::Disabled, QPalette::Text},            // grey text
    {18, QPalette::Active, QPalette::ButtonText},        // button text
    {19, QPalette::Inactive, QPalette::HighlightedText}, // inactive caption text
    {20, QPalette::Active, QPalette::Light},             // button highlight
    {21, QPalette::Active, QPalette::Shadow},            // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},          // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},       // tool tip text
    {24, QPalette::Active, QPalette::ToolTipBase},       // tool tip background
    {26, QPalette::Active, QPalette::Link},              // hot-tracked item
    {27, QPalette::Active, QPalette::Highlight},         // active caption gradient
    {28, QPalette::Inactive, QPalette::Highlight},       // inactive caption gradient
    {29, QPalette::Active, QPalette::Highlight},         // menu highlight
    {30, QPalette::Active, QPalette::Window},            // menu bar
};

} // namespace

bool SystemColorRole(TColor color, TSystemColorRole& where)
{
    if (!IsSystemColor(color))
        return false;
    const int index = static_cast<int>(static_cast<unsigned>(color) & 0xFFu);
    for (const RoleEntry& entry : kSystemRoles) {
        if (entry.index == index) {
            where.group = entry.group;
            where.role = entry.role;
            return true;
        }
    }
    return false;
}

QColor TColorToQColor(TColor color)
{
    return TColorToQColor(color, QApplication::palette());
}

QColor TColorToQColor(TColor color, const QPalette& palette)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    if (color == clDefault)
        return palette.color(QPalette::Active, QPalette::Window);
    if (IsSystemColor(color)) {
        TSystemColorRole where;
        if (!SystemColorRole(color, where))
            return palette.color(QPalette::Active, QPalette::Window);
        return palette.color(where.group, where.role);
    }
    const unsigned value = static_cast<unsigned>(color);
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

TColor QColorToTColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(static_cast<unsigned>(rgb.red()) |
                               (static_cast<unsigned>(rgb.green()) << 8) |
                               (static_cast<unsigned>(rgb.blue()) << 16));
}
