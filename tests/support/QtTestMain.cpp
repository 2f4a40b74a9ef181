#include "QtLeakCheck.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStyleHints>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Widgets are real; only the display is virtual.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    {
        // Let Qt create its lazily built singletons (style, fonts, palettes) before the
        // leak checks start counting objects.
        QWidget warmUp;
        warmUp.ensurePolished();
        QMessageBox box;
        box.ensurePolished();
        // Focus creates the input method and the style hints on first use.
        QGuiApplication::inputMethod();
        QGuiApplication::styleHints();
        QLineEdit edit;
        edit.show();
        edit.activateWindow();
        edit.setFocus();
        QApplication::processEvents();
        // A context menu's icons load their theme's plugins once.
        delete edit.createStandardContextMenu();
    }
    flushQtEvents(); // also creates Qt's gesture manager, which lives as long as the application
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
