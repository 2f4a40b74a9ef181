#pragma once

// Qt keeps the gesture objects of a destroyed scroll area (tree views, list views, memos) and
// deletes them only when the next event goes through its gesture manager, so a leak check run
// right after such a widget died counts them as leaked. flushDeletedGestures() sends that event
// through a probe widget that listens for a gesture type no recognizer handles, so that no new
// gesture object is made on the way.
//
// Call it after deleting the widgets of a test, and once before counting starts (it may create
// Qt's gesture manager, which lives as long as the application).

#include <QApplication>
#include <QEvent>
#include <QWidget>

inline void flushDeletedGestures()
{
    QWidget probe;
    probe.grabGesture(static_cast<Qt::GestureType>(Qt::CustomGesture - 1));
    QEvent event(QEvent::User);
    QApplication::sendEvent(&probe, &event);
}
