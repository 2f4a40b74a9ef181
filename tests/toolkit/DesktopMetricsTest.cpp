#include "DesktopMetrics.h"
#include "TRect.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace {

TRect rectOf(const QRect& r)
{
    return TRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
}

using DesktopMetrics = WidgetTest;

TEST_F(DesktopMetrics, WindowRectIsInScreenCoordinatesAndNullsAreRefused)
{
    QWidget window;
    window.setGeometry(40, 30, 300, 200);
    QWidget child(&window);
    child.setGeometry(10, 20, 50, 60);
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(nullptr, &rect));
    EXPECT_EQ(rect, (RECT{1, 2, 3, 4}));
    EXPECT_FALSE(GetWindowRect(GetDesktopWindow(), nullptr));
    ASSERT_TRUE(GetWindowRect(&child, &rect));
    EXPECT_EQ(TRect(rect), rectOf(QRect(window.mapToGlobal(QPoint(10, 20)), QSize(50, 60))));
    ASSERT_TRUE(GetWindowRect(&window, &rect));
    EXPECT_EQ(TRect(rect), rectOf(window.frameGeometry()));
}

TEST_F(DesktopMetrics, SizesComeFromTheStyleAndUnknownIndicesAnswerZero)
{
    const int extent = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), extent);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), extent);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION),
              QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    EXPECT_GT(GetSystemMetrics(SM_CYMENU), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), QGuiApplication::screens().size());
    EXPECT_EQ(GetSystemMetrics(9999), 0);
}

} // namespace
