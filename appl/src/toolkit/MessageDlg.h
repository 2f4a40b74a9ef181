#pragma once

// The toolkit's message dialog: a text, a kind (which gives the icon and the caption) and a
// set of buttons; it answers the modal result of the button chosen. It goes through the dialog
// seam (DialogSeam.h), so tests script its answers.
//
//     if (MessageDlg(text, mtInformation, mbOKCancel, 0) == mrOk) ...

#include "wizard_toolkit_export.h"

#include "TModalResult.h"

#include <cstdint>
#include <string>

enum TMsgDlgType
{
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom
};

enum TMsgDlgBtn
{
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore
};

// A set of buttons: `TMsgDlgButtons() << mbOK << mbCancel`, or one of the constants below.
// A value.
class WIZARD_TOOLKIT_EXPORT TMsgDlgButtons
{
public:
    constexpr TMsgDlgButtons() = default;
    constexpr TMsgDlgButtons(TMsgDlgBtn button) : m_bits(Bit(button)) {}
    constexpr TMsgDlgButtons(const TMsgDlgButtons&) = default;
    constexpr TMsgDlgButtons& operator=(const TMsgDlgButtons&) = default;

    constexpr TMsgDlgButtons& operator<<(TMsgDlgBtn button)
    {
        m_bits |= Bit(button);
        return *this;
    }
    constexpr bool Contains(TMsgDlgBtn button) const { return (m_bits & Bit(button)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr bool operator==(const TMsgDlgButtons&) const = default;

private:
    static constexpr std::uint32_t Bit(TMsgDlgBtn button)
    {
        return std::uint32_t{1} << static_cast<unsigned>(button);
    }
    std::uint32_t m_bits = 0;
};

inline constexpr TMsgDlgButtons mbOKCancel = TMsgDlgButtons(mbOK) << mbCancel;
inline constexpr TMsgDlgButtons mbYesNo = TMsgDlgButtons(mbYes) << mbNo;
inline constexpr TMsgDlgButtons mbYesNoCancel = TMsgDlgButtons(mbYes) << mbNo << mbCancel;
inline constexpr TMsgDlgButtons mbAbortRetryIgnore = TMsgDlgButtons(mbAbort) << mbRetry << mbIgnore;

// Shows `message` (Windows-1252) modal to the active window and answers the modal result of
// the button chosen (mrOk, mrCancel, mrYes...). The caption follows the kind: "Erreur",
// "Information", "Avertissement", "Confirmation", or the application's name for mtCustom.
// Button sets the desktop cannot show as such are shown as the nearest one it can (an empty set
// as OK). `helpContext` is accepted for the callers' sake; no help is shown.
WIZARD_TOOLKIT_EXPORT TModalResult MessageDlg(const std::string& message, TMsgDlgType type,
                                              TMsgDlgButtons buttons, int helpContext);
