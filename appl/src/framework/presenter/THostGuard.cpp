#include "presenter/THostGuard.h"

#include "log/TFrameworkLogger.h"
#include "model/TModelAbstract.h"
#include "presenter/TPrBaseForm.h"
#include "view/TView.h"

#include "Cp1252.h"
#include "DialogSeam.h"

#include <log4cxx/level.h>

#include <cstring>
#include <string>

namespace {

constexpr const char* kUnknownException = "exception d'un type inconnu";

TPrBaseForm* FormOf(TPrComposite* presenter)
{
    if (!presenter)
        return nullptr;
    return dynamic_cast<TPrBaseForm*>(presenter->getRoot() ? presenter->getRoot() : presenter);
}

// "Une erreur inattendue est survenue : <text>. Votre saisie est conservée." A text that
// already ends its sentence gets no second full stop.
std::string MessageFor(const char* what)
{
    std::string text = "Une erreur inattendue est survenue : ";
    std::string cause = what && *what ? what : kUnknownException;
    while (!cause.empty() && (cause.back() == '\n' || cause.back() == ' '))
        cause.pop_back();
    text += cause;
    if (cause.empty() || std::strchr(".!?", cause.back()) == nullptr)
        text += '.';
    text += " Votre saisie est conserv\xE9"
            "e.";
    return text;
}

void Trace(const char* edge, const char* what) noexcept
{
    try {
        char line[kFrameworkLogLineSize];
        FrameworkLog(log4cxx::Level::getError(),
                     FormatLogLine(line, sizeof line, "%s erreur inattendue : %s", edge ? edge : "",
                                   what && *what ? what : kUnknownException),
                     "");
    } catch (...) {
        // The trace is the host's configuration; a failing appender must not hide the message.
    }
}

} // namespace

THostGuard::THostGuard(TPrComposite* presenter) noexcept
    : m_presenter(presenter), m_form(FormOf(presenter))
{
    if (m_form)
        m_form->EnterHandler();
}

THostGuard::~THostGuard()
{
    if (m_form)
        m_form->LeaveHandler();
}

void THostGuard::Report(const char* edge, const char* what) noexcept
{
    Report(edge, what, m_presenter);
}

void THostGuard::Refresh(const char* edge) noexcept
{
    TPrComposite* root =
        m_presenter && m_presenter->getRoot() ? m_presenter->getRoot() : m_presenter;
    if (!root)
        return;
    try {
        root->Update();
    } catch (const std::exception& error) {
        Trace(edge, error.what());
    } catch (...) {
        Trace(edge, nullptr);
    }
}

void THostGuard::Report(const char* edge, const char* what, TPrComposite* presenter) noexcept
{
    Trace(edge, what);
    try {
        TPrBaseForm* form = FormOf(presenter);
        DialogSeam::Request request;
        request.owner = form ? form->getView() : nullptr;
        TModelAbstract* model = presenter ? presenter->getModel() : nullptr;
        request.caption = model ? Cp1252::toQString(model->getApplicationName()) : QString();
        request.text = Cp1252::toQString(MessageFor(what));
        request.buttons = DialogSeam::Buttons::OK;
        request.icon = DialogSeam::Icon::Stop;
        DialogSeam::show(request);
    } catch (...) {
        // Nothing more can be said to the user; the trace holds the cause.
    }
}
