#include "MessageDlg.h"

#include "Cp1252.h"
#include "DialogSeam.h"

#include <QApplication>

namespace {

DialogSeam::Buttons SeamButtons(TMsgDlgButtons buttons)
{
    using DialogSeam::Buttons;
    if (buttons.Contains(mbAbort) || buttons.Contains(mbIgnore))
        return Buttons::AbortRetryIgnore;
    if (buttons.Contains(mbYes) || buttons.Contains(mbNo))
        return buttons.Contains(mbCancel) ? Buttons::YesNoCancel : Buttons::YesNo;
    if (buttons.Contains(mbRetry))
        return Buttons::RetryCancel;
    if (buttons.Contains(mbCancel))
        return Buttons::OKCancel;
    return Buttons::OK;
}

DialogSeam::Icon SeamIcon(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return DialogSeam::Icon::Exclamation;
    case mtError:
        return DialogSeam::Icon::Stop;
    case mtInformation:
        return DialogSeam::Icon::Information;
    case mtConfirmation:
        return DialogSeam::Icon::Question;
    case mtCustom:
        break;
    }
    return DialogSeam::Icon::None;
}

QString Caption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QStringLiteral("Avertissement");
    case mtError:
        return QStringLiteral("Erreur");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirmation");
    case mtCustom:
        break;
    }
    return QApplication::applicationDisplayName();
}

TModalResult ModalResultOf(DialogSeam::Answer answer)
{
    switch (answer) {
    case DialogSeam::Answer::OK:
        return mrOk;
    case DialogSeam::Answer::Cancel:
        return mrCancel;
    case DialogSeam::Answer::Yes:
        return mrYes;
    case DialogSeam::Answer::No:
        return mrNo;
    case DialogSeam::Answer::Abort:
        return mrAbort;
    case DialogSeam::Answer::Retry:
        return mrRetry;
    case DialogSeam::Answer::Ignore:
        return mrIgnore;
    }
    return mrCancel;
}

} // namespace

TModalResult MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons,
                        int /*helpContext*/)
{
    DialogSeam::Request request;
    request.owner = QApplication::activeWindow();
    request.caption = Caption(type);
    request.text = Cp1252::toQString(message);
    request.buttons = SeamButtons(buttons);
    request.icon = SeamIcon(type);
    return ModalResultOf(DialogSeam::show(request));
}
