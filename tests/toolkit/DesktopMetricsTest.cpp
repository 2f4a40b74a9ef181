#include "DesktopMetrics.h"
#include "TRect.h"

#include "QtLeakCheck.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace {

class DesktopMetrics : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        // Qt builds its font cache on first use and keeps it: not ours to count.
        GetSystemMetrics(SM_CYMENU);
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    static RECT desktopRect()
    {
        RECT rect{-1, -1, -1, -1};
        EXPECT_TRUE(GetWindowRect(GetDesktopWindow(), &rect));
        return rect;
    }
};

} // namespace

TEST_F(DesktopMetrics, DesktopIsThePrimaryScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const TRect desktop = desktopRect();

    EXPECT_EQ(desktop, TRect(screen.x(), screen.y(), screen.x() + screen.width(),
                             screen.y() + screen.height()));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.width());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen.height());
    EXPECT_NE(GetDesktopWindow(), nullptr);
}

TEST_F(DesktopMetrics, OverrideLaysOutForASmallOrAWideDesktop)
{
    SetDesktopSizeOverride(800, 600);
    EXPECT_EQ(desktopRect(), (RECT{0, 0, 800, 600}));
    EXPECT_EQ(TRect(desktopRect()).Width(), 800);

    SetDesktopSizeOverride(1280, 1024);
    EXPECT_EQ(TRect(desktopRect()).Height(), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1280);

    SetDesktopSizeOverride(0, 0);
    EXPECT_EQ(TRect(desktopRect()).Width(), QGuiApplication::primaryScreen()->geometry().width());
}

TEST_F(DesktopMetrics, NullWindowOrRectIsRefusedAndLeavesTheRectAlone)
{
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetWindowRect(nullptr, &rect));
    EXPECT_EQ(rect, (RECT{1, 2, 3, 4}));
    EXPECT_FALSE(GetWindowRect(GetDesktopWindow(), nullptr));
}

TEST_F(DesktopMetrics, WindowRectIsInScreenCoordinates)
{
    QWidget window;
    window.setGeometry(40, 30, 300, 200);
    QWidget child(&window);
    child.setGeometry(10, 20, 50, 60);

    RECT outer{};
    ASSERT_TRUE(GetWindowRect(&window, &outer));
    const QRect frame = window.frameGeometry();
    EXPECT_EQ(TRect(outer),
              TRect(frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height()));

    RECT inner{};
    ASSERT_TRUE(GetWindowRect(&child, &inner));
    const QPoint origin = window.mapToGlobal(QPoint(10, 20));
    EXPECT_EQ(TRect(inner), TRect(origin.x(), origin.y(), origin.x() + 50, origin.y() + 60));
}

TEST_F(DesktopMetrics, ScrollBarAndFrameSizesComeFromTheStyle)
{
    QStyle* style = QApplication::style();
    const int extent = style->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_GT(extent, 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), extent);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), extent);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), style->pixelMetric(QStyle::PM_TitleBarHeight));
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), GetSystemMetrics(SM_CYFRAME));
    EXPECT_GT(GetSystemMetrics(SM_CYMENU), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), QGuiApplication::screens().size());
}

TEST_F(DesktopMetrics, UnknownIndexAnswersZero)
{
    EXPECT_EQ(GetSystemMetrics(-1), 0);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
}

TEST(TRect, WidthHeightAndConversions)
{
    const TRect rect(10, 20, 110, 70);
    EXPECT_EQ(rect.Width(), 100);
    EXPECT_EQ(rect.Height(), 50);
    const RECT plain = rect;
    EXPECT_EQ(plain, (RECT{10, 20, 110, 70}));
    EXPECT_EQ(TRect(plain), rect);
    TRect copy;
    copy = rect;
    copy = copy;
    EXPECT_EQ(copy, rect);
    EXPECT_NE(copy, TRect());
}
