#pragma once

// What the fuzz targets that drive real widgets share: one offscreen QApplication for the whole
// run, and dialogs answered at once through the dialog seam (no window ever waits for a click).

#include "DialogSeam.h"

#include <QApplication>

#include <cstdlib>

inline void FuzzQtApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept for the whole run and never destroyed: Qt's own exit handlers outlive the fuzzer's.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
    DialogSeam::setHandler(
        [](const DialogSeam::Request& request) { return DialogSeam::effectiveDefault(request); });
}
