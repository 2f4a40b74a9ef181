#include "MessageBox.h"

#include "Cp1252.h"
#include "DialogSeam.h"

namespace {

DialogSeam::Buttons buttonsOf(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return DialogSeam::Buttons::OKCancel;
    case MB_ABORTRETRYIGNORE:
        return DialogSeam::Buttons::AbortRetryIgnore;
    case MB_YESNOCANCEL:
        return DialogSeam::Buttons::YesNoCancel;
    case MB_YESNO:
        return DialogSeam::Buttons::YesNo;
    case MB_RETRYCANCEL:
        return DialogSeam::Buttons::RetryCancel;
    default:
        return DialogSeam::Buttons::OK;
    }
}

DialogSeam::Icon iconOf(UINT style)
{
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        return DialogSeam::Icon::Stop;
    case MB_ICONQUESTION:
        return DialogSeam::Icon::Question;
    case MB_ICONEXCLAMATION:
        return DialogSeam::Icon::Exclamation;
    case MB_ICONASTERISK:
        return DialogSeam::Icon::Information;
    default:
        return DialogSeam::Icon::None;
    }
}

int idOf(DialogSeam::Answer answer)
{
    switch (answer) {
    case DialogSeam::Answer::OK:
        return IDOK;
    case DialogSeam::Answer::Cancel:
        return IDCANCEL;
    case DialogSeam::Answer::Yes:
        return IDYES;
    case DialogSeam::Answer::No:
        return IDNO;
    case DialogSeam::Answer::Abort:
        return IDABORT;
    case DialogSeam::Answer::Retry:
        return IDRETRY;
    case DialogSeam::Answer::Ignore:
        return IDIGNORE;
    }
    return IDCANCEL;
}

} // namespace

DialogSeam::Request messageBoxRequest(HWND owner, const char* text, const char* caption, UINT style)
{
    DialogSeam::Request request;
    request.owner = owner;
    request.caption = Cp1252::toQString(caption);
    request.text = Cp1252::toQString(text);
    request.buttons = buttonsOf(style);
    request.icon = iconOf(style);
    const auto answers = DialogSeam::answersOf(request.buttons);
    const std::size_t position = (style & MB_DEFMASK) >> 8;
    request.defaultButton = position < answers.size() ? answers[position] : answers.front();
    return request;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT style)
{
    return idOf(DialogSeam::show(messageBoxRequest(owner, text, caption, style)));
}
