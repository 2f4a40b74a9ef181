#pragma once

// The Windows message box call, re-expressed over the dialog seam (DialogSeam.h). Texts are
// Windows-1252; the style is decoded as Windows does: button set in the low 4 bits, icon in
// the next 4, default button in the next 4. Bits it has no Qt meaning for (modality flags,
// MB_TOPMOST, MB_RIGHT...) are accepted and ignored.

#include "wizard_toolkit_export.h"

#include "WinTypes.h"

// Button sets
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_OKCANCEL = 0x1;
inline constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
inline constexpr UINT MB_YESNOCANCEL = 0x3;
inline constexpr UINT MB_YESNO = 0x4;
inline constexpr UINT MB_RETRYCANCEL = 0x5;
inline constexpr UINT MB_TYPEMASK = 0xF;

// Icons
inline constexpr UINT MB_ICONHAND = 0x10;
inline constexpr UINT MB_ICONSTOP = MB_ICONHAND;
inline constexpr UINT MB_ICONERROR = MB_ICONHAND;
inline constexpr UINT MB_ICONQUESTION = 0x20;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr UINT MB_ICONASTERISK = 0x40;
inline constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr UINT MB_ICONMASK = 0xF0;

// Default button (1st to 4th)
inline constexpr UINT MB_DEFBUTTON1 = 0x000;
inline constexpr UINT MB_DEFBUTTON2 = 0x100;
inline constexpr UINT MB_DEFBUTTON3 = 0x200;
inline constexpr UINT MB_DEFBUTTON4 = 0x300;
inline constexpr UINT MB_DEFMASK = 0xF00;

// Modality (all modal to the owner, or to the application without one)
inline constexpr UINT MB_APPLMODAL = 0x0000;
inline constexpr UINT MB_SYSTEMMODAL = 0x1000;
inline constexpr UINT MB_TASKMODAL = 0x2000;

// Answers
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

namespace DialogSeam {
struct Request;
}

// The seam request a message box call stands for. An unknown button set gives an OK box,
// an unknown icon no icon, a default button beyond the set the first button.
WIZARD_TOOLKIT_EXPORT DialogSeam::Request messageBoxRequest(HWND owner, const char* text,
                                                            const char* caption, UINT style);

// Shows a modal message box (through the dialog seam) and returns the ID of the button
// chosen: IDOK, IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY or IDIGNORE. Null text or caption
// is an empty one.
WIZARD_TOOLKIT_EXPORT int MessageBoxA(HWND owner, const char* text, const char* caption,
                                      UINT style);
