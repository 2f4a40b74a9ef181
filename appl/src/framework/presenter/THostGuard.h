#pragma once

// Where an exception thrown by the host stops. Qt must never see one, and a host's bad
// callback must not take the user's entry down with it: every road by which Qt or the host
// enters the framework (a keystroke, a button or a menu item, a posted message, the closing of
// the window, Execute itself) runs its work through THostGuard::Run, once, at its entry.
//
// What escapes the work is traced at ERROR ("<edge> erreur inattendue : <text>") and shown to
// the user through the dialog seam ("Une erreur inattendue est survenue : <text>. Votre saisie
// est conservée."); the whole tree is refreshed from the data, the road returns as if the work
// had ended, and the wizard goes on with what it holds. The exception's text is read as
// Windows-1252, as every text of the framework.
//
// While a road runs, the wizard's posted relay messages wait (TPrBaseForm::isInHandler): a
// screen change never destroys a screen under a handler still on the stack, even when the
// handler opens a modal dialog.

#include "wizard_framework_export.h"

#include <exception>

class TPrBaseForm;
class TPrComposite;

class WIZARD_FRAMEWORK_EXPORT THostGuard
{
public:
    // Runs `work` as the road `edge` (its qualified name, for the trace) of the wizard whose
    // tree holds `presenter` (may be null). True when the work ended normally.
    template <class Work>
    static bool Run(const char* edge, TPrComposite* presenter, Work&& work) noexcept
    {
        THostGuard guard(presenter);
        try {
            work();
            return true;
        } catch (const std::exception& error) {
            guard.Report(edge, error.what());
        } catch (...) {
            guard.Report(edge, nullptr);
        }
        guard.Refresh(edge);
        return false;
    }

    // The ERROR line and the message to the user, for an exception whose text is `what` (null
    // when it is not a std::exception). Never throws.
    static void Report(const char* edge, const char* what, TPrComposite* presenter) noexcept;

    THostGuard(const THostGuard&) = delete;
    THostGuard& operator=(const THostGuard&) = delete;
    ~THostGuard();

private:
    explicit THostGuard(TPrComposite* presenter) noexcept;
    void Report(const char* edge, const char* what) noexcept;
    // The whole tree shows again what the data hold: the work that threw may have left the
    // buttons, the navigation tree or the screen half-way. What this throws is only traced.
    void Refresh(const char* edge) noexcept;

    TPrComposite* m_presenter;
    TPrBaseForm* m_form; // the wizard's root, when it is a wizard form presenter
};
