#pragma once

// The few Windows types the framework's interfaces speak of, re-expressed for Qt.
// A window handle is the widget itself: Qt parent ownership plays the Windows owner.

#include <cstdint>

class QWidget;

using HWND = QWidget*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t; // word-size message parameters
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
