#pragma once

// Every modal dialog of the library (message boxes, MessageDlg, confirmations) is asked for
// through this one seam. By default a real QMessageBox is shown; a test installs its own
// handler (ScopedHandler) to record the requests and give scripted answers, so that no test
// ever waits on a real modal window.

#include "wizard_toolkit_export.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QMessageBox;
class QWidget;

namespace DialogSeam {

// What the user can answer, one value per button.
enum class Answer
{
    OK,
    Cancel,
    Yes,
    No,
    Abort,
    Retry,
    Ignore
};

// The button sets a dialog can offer; the buttons appear in the order of their names.
enum class Buttons
{
    OK,
    OKCancel,
    YesNo,
    YesNoCancel,
    RetryCancel,
    AbortRetryIgnore
};

enum class Icon
{
    None,
    Stop,        // an error: stop sign / critical
    Exclamation, // a warning
    Information,
    Question
};

// One message box to show, handed by value to the current handler.
struct WIZARD_TOOLKIT_EXPORT Request
{
    QWidget* owner = nullptr; // the dialog is modal to this window (or to the application)
    QString caption;
    QString text;
    Buttons buttons = Buttons::OK;
    // The button that Enter presses; unset, or not one of `buttons`, means the first button.
    std::optional<Answer> defaultButton;
    Icon icon = Icon::None;

    bool operator==(const Request&) const = default;
};

// The buttons of a set, in display order.
WIZARD_TOOLKIT_EXPORT std::vector<Answer> answersOf(Buttons buttons);

// The default button that will really be used: the requested one when the set holds it,
// otherwise the first button of the set.
WIZARD_TOOLKIT_EXPORT Answer effectiveDefault(const Request& request);

using Handler = std::function<Answer(const Request&)>;

// Asks the current handler. Always returns one of the request's buttons when the handler
// is the default one; a scripted handler answers what it was told.
WIZARD_TOOLKIT_EXPORT Answer show(const Request& request);

// Installs `handler` (an empty handler restores the Qt one) and returns the previous one.
WIZARD_TOOLKIT_EXPORT Handler setHandler(Handler handler);

// The default handler: runs the box of createMessageBox and answers answerOfMessageBox.
WIZARD_TOOLKIT_EXPORT Answer showMessageBox(const Request& request);

// The box the default handler shows, not yet run: parented to the owner, window-modal when
// there is an owner, with French button captions, the default button and the escape
// button (Cancel or No when the set has one, otherwise the default button).
WIZARD_TOOLKIT_EXPORT std::unique_ptr<QMessageBox> createMessageBox(const Request& request);

// The answer of a box made by createMessageBox once it has closed: its clicked button, or
// the escape button when it was closed without one.
WIZARD_TOOLKIT_EXPORT Answer answerOfMessageBox(const QMessageBox& box, const Request& request);

// Installs a handler for the lifetime of the guard and restores the previous one after.
// A guard kept on the stack.
class WIZARD_TOOLKIT_EXPORT ScopedHandler
{
public:
    explicit ScopedHandler(Handler handler);
    ~ScopedHandler();
    ScopedHandler(const ScopedHandler&) = delete;
    ScopedHandler& operator=(const ScopedHandler&) = delete;

private:
    Handler m_previous;
};

} // namespace DialogSeam
