#include "MessageBox.h"
#include "MessageDlg.h"

#include "ScriptedDialogs.h"
#include "WidgetTest.h"

#include <QApplication>
#include <QWidget>

using DialogSeam::Answer;
using DialogSeam::Buttons;
using DialogSeam::Icon;

using MessageBoxATest = WidgetTest;

TEST_F(MessageBoxATest, TextsCrossAsWindows1252AndTheAnswerIsTheButtonsIdentifier)
{
    ScriptedDialogs dialogs;
    dialogs.answer({Answer::No, Answer::OK, Answer::Cancel, Answer::Abort, Answer::Retry,
                    Answer::Ignore, Answer::Yes});
    for (int expected : {IDNO, IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES})
        EXPECT_EQ(MessageBoxA(nullptr, "\xE9lev\xE9 \x80", nullptr, MB_OK), expected);
    EXPECT_EQ(dialogs.last().text, QString::fromUtf8("élevé €"));
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
}

TEST_F(MessageBoxATest, EveryButtonSetIconAndDefaultButtonIsDecoded)
{
    const struct
    {
        UINT style;
        Buttons buttons;
        Icon icon;
        Answer defaultButton;
    } cases[] = {
        {0x134, Buttons::YesNo, Icon::Exclamation, Answer::No},
        {0x10, Buttons::OK, Icon::Stop, Answer::OK},
        {0x40, Buttons::OK, Icon::Information, Answer::OK},
        {MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2, Buttons::OKCancel, Icon::Question,
         Answer::Cancel},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, Buttons::YesNoCancel, Icon::None, Answer::Cancel},
        {MB_RETRYCANCEL | MB_ICONWARNING, Buttons::RetryCancel, Icon::Exclamation, Answer::Retry},
        {MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_DEFBUTTON3, Buttons::AbortRetryIgnore, Icon::Stop,
         Answer::Ignore},
        // A default button beyond the set, an unknown set, modality bits: defined answers.
        {MB_YESNO | MB_DEFBUTTON4 | MB_TASKMODAL, Buttons::YesNo, Icon::None, Answer::Yes},
        {0xF | 0x50, Buttons::OK, Icon::None, Answer::OK},
    };
    for (const auto& c : cases) {
        const DialogSeam::Request request = messageBoxRequest(nullptr, "t", "c", c.style);
        EXPECT_EQ(request.buttons, c.buttons) << std::hex << c.style;
        EXPECT_EQ(request.icon, c.icon) << std::hex << c.style;
        EXPECT_EQ(request.defaultButton, c.defaultButton) << std::hex << c.style;
    }
}

using MessageDlgTest = WidgetTest;

TEST_F(MessageDlgTest, TypeAndButtonsChooseIconCaptionAndTheNearestButtonSet)
{
    const struct
    {
        TMsgDlgType type;
        TMsgDlgButtons buttons;
        Answer answer;
        TModalResult result;
        Icon icon;
        const char* caption;
        Buttons shown;
    } cases[] = {
        {mtError, mbOK, Answer::OK, mrOk, Icon::Stop, "Erreur", Buttons::OK},
        {mtInformation, mbOKCancel, Answer::Cancel, mrCancel, Icon::Information, "Information",
         Buttons::OKCancel},
        {mtConfirmation, mbYesNo, Answer::Yes, mrYes, Icon::Question, "Confirmation",
         Buttons::YesNo},
        {mtWarning, TMsgDlgButtons(), Answer::OK, mrOk, Icon::Exclamation, "Avertissement",
         Buttons::OK},
        {mtWarning, mbYesNoCancel, Answer::No, mrNo, Icon::Exclamation, "Avertissement",
         Buttons::YesNoCancel},
        {mtCustom, TMsgDlgButtons() << mbAbort, Answer::Abort, mrAbort, Icon::None, nullptr,
         Buttons::AbortRetryIgnore},
        {mtError, TMsgDlgButtons() << mbIgnore, Answer::Ignore, mrIgnore, Icon::Stop, "Erreur",
         Buttons::AbortRetryIgnore},
        {mtError, TMsgDlgButtons() << mbRetry, Answer::Retry, mrRetry, Icon::Stop, "Erreur",
         Buttons::RetryCancel},
        {mtError, TMsgDlgButtons() << mbNo, Answer::No, mrNo, Icon::Stop, "Erreur", Buttons::YesNo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        ScriptedDialogs dialogs;
        dialogs.answer(c.answer);
        EXPECT_EQ(MessageDlg("Code inconnu : \xE9", c.type, c.buttons, 0), c.result);
        EXPECT_EQ(dialogs.last().icon, c.icon);
        EXPECT_EQ(dialogs.last().buttons, c.shown);
        EXPECT_EQ(dialogs.last().caption, c.caption ? QString::fromUtf8(c.caption)
                                                    : QApplication::applicationDisplayName());
        EXPECT_EQ(dialogs.textOf(0), "Code inconnu : \xE9");
    }
}
