#pragma once

// Posted window messages and the pause that goes with them, on the Qt event loop.
//
// PostMessageA queues a message for a window and returns at once; the message reaches the
// window's message entry (TMessageTarget::Dispatch) later, from the Qt event loop of the
// user-interface thread, after every message posted before it. A window destroyed before
// delivery simply never receives it. Sleep waits while keeping the windows painted, without
// delivering posted messages: a handler that pauses never has a posted request run inside it.

#include "wizard_toolkit_export.h"

#include "WinTypes.h"

// Queues (msg, wParam, lParam) for `window`. Answers false, posting nothing, when there is no
// window, when the window is the desktop (GetDesktopWindow) or when no QApplication exists.
// A window that is not a TMessageTarget accepts the message and ignores it, as a window
// procedure does with a number it does not know.
WIZARD_TOOLKIT_EXPORT bool PostMessageA(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Number of posted messages not delivered yet.
WIZARD_TOOLKIT_EXPORT int PendingPostedMessages();

// Waits `milliseconds`, processing the window system's events (painting, exposure) but
// neither user input nor posted messages; those are delivered once the caller returns to the
// event loop, in posting order.
WIZARD_TOOLKIT_EXPORT void Sleep(unsigned long milliseconds);
