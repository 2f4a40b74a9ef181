#include "DesktopMetrics.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QWidget>

namespace {

// The desktop handle is the address of this tag: unique, never a live widget.
char g_desktopTag;

QSize g_desktopOverride; // invalid: no override

QScreen* primaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

QRect desktopGeometry()
{
    if (g_desktopOverride.isValid())
        return QRect(QPoint(0, 0), g_desktopOverride);
    QScreen* screen = primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect availableGeometry()
{
    if (g_desktopOverride.isValid())
        return QRect(QPoint(0, 0), g_desktopOverride);
    QScreen* screen = primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize virtualDesktopSize()
{
    if (g_desktopOverride.isValid())
        return g_desktopOverride;
    QScreen* screen = primaryScreen();
    return screen ? screen->virtualSize() : QSize();
}

QStyle* style()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style()
                                                                     : nullptr;
}

int pixelMetric(QStyle::PixelMetric metric)
{
    QStyle* s = style();
    return s ? s->pixelMetric(metric) : 0;
}

int menuBarHeight()
{
    const QFontMetrics metrics(QApplication::font("QMenuBar"));
    return metrics.height() + 2 * pixelMetric(QStyle::PM_MenuBarVMargin) +
           2 * pixelMetric(QStyle::PM_MenuBarPanelWidth);
}

} // namespace

HWND GetDesktopWindow()
{
    return reinterpret_cast<HWND>(&g_desktopTag);
}

bool GetWindowRect(HWND window, RECT* rect)
{
    if (!window || !rect)
        return false;
    QRect area;
    if (window == GetDesktopWindow()) {
        area = desktopGeometry();
    } else if (window->isWindow()) {
        area = window->frameGeometry();
    } else {
        area = QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
    }
    rect->left = area.left();
    rect->top = area.top();
    rect->right = area.left() + area.width();
    rect->bottom = area.top() + area.height();
    return true;
}

void SetDesktopSizeOverride(int width, int height)
{
    g_desktopOverride = (width > 0 && height > 0) ? QSize(width, height) : QSize();
}

int GetSystemMetrics(int index)
{
    if (!style())
        return 0;
    switch (index) {
    case SM_CXSCREEN:
        return desktopGeometry().width();
    case SM_CYSCREEN:
        return desktopGeometry().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CYCAPTION:
    case SM_CYSMCAPTION:
        return pixelMetric(QStyle::PM_TitleBarHeight);
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
    case SM_CXEDGE:
    case SM_CYEDGE:
        return pixelMetric(QStyle::PM_DefaultFrameWidth);
    case SM_CXFRAME:
    case SM_CYFRAME:
        return pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    case SM_CXSIZE:
    case SM_CYSIZE:
        return pixelMetric(QStyle::PM_TitleBarButtonSize);
    case SM_CXICON:
    case SM_CYICON:
        return pixelMetric(QStyle::PM_LargeIconSize);
    case SM_CXSMICON:
    case SM_CYSMICON:
        return pixelMetric(QStyle::PM_SmallIconSize);
    case SM_CYMENU:
        return menuBarHeight();
    case SM_CXFULLSCREEN:
        return availableGeometry().width();
    case SM_CYFULLSCREEN:
        return availableGeometry().height() - pixelMetric(QStyle::PM_TitleBarHeight);
    case SM_CXMAXIMIZED:
        return availableGeometry().width() + 2 * pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    case SM_CYMAXIMIZED:
        return availableGeometry().height() + 2 * pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 2 * QGuiApplication::styleHints()->mouseDoubleClickDistance();
    case SM_MOUSEPRESENT:
        return 1;
    case SM_SWAPBUTTON:
        return 0;
    case SM_CXVIRTUALSCREEN:
        return virtualDesktopSize().width();
    case SM_CYVIRTUALSCREEN:
        return virtualDesktopSize().height();
    case SM_CMONITORS:
        return static_cast<int>(QGuiApplication::screens().size());
    default:
        return 0;
    }
}
