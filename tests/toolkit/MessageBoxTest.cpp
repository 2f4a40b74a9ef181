#include "MessageBox.h"
#include "DialogSeam.h"
#include "MessageDlg.h"

#include "ScriptedDialogs.h"
#include "WidgetTest.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using DialogSeam::Answer;
using DialogSeam::Buttons;

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

TEST_F(MessageBoxATest, EveryButtonSetAndDefaultButtonIsDecoded)
{
    const std::tuple<UINT, Buttons, Answer> cases[] = {
        {0x134, Buttons::YesNo, Answer::No},
        {0x21 | MB_DEFBUTTON2, Buttons::OKCancel, Answer::Cancel},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, Buttons::YesNoCancel, Answer::Cancel},
        {MB_RETRYCANCEL, Buttons::RetryCancel, Answer::Retry},
        {0x12 | MB_DEFBUTTON3, Buttons::AbortRetryIgnore, Answer::Ignore},
        // A default button beyond the set, an unknown set, modality bits: defined answers.
        {MB_YESNO | MB_DEFBUTTON4 | MB_TASKMODAL, Buttons::YesNo, Answer::Yes},
        {0xF | 0x50, Buttons::OK, Answer::OK},
    };
    for (const auto& [style, buttons, defaultButton] : cases) {
        const DialogSeam::Request request = messageBoxRequest(nullptr, "t", "c", style);
        EXPECT_EQ(request.buttons, buttons) << std::hex << style;
        EXPECT_EQ(request.defaultButton, defaultButton) << std::hex << style;
    }
}

using MessageDlgTest = WidgetTest;

TEST_F(MessageDlgTest, TypeAndButtonsChooseCaptionAndTheNearestButtonSet)
{
    using B = TMsgDlgButtons;
    // type, buttons, answer given, result, caption (null: the application's), set shown
    const std::tuple<TMsgDlgType, B, Answer, TModalResult, const char*, Buttons> cases[] = {
        {mtError, mbOK, Answer::OK, mrOk, "Erreur", Buttons::OK},
        {mtInformation, mbOKCancel, Answer::Cancel, mrCancel, "Information", Buttons::OKCancel},
        {mtConfirmation, mbYesNo, Answer::Yes, mrYes, "Confirmation", Buttons::YesNo},
        {mtWarning, B(), Answer::OK, mrOk, "Avertissement", Buttons::OK},
        {mtCustom, B() << mbAbort, Answer::Abort, mrAbort, nullptr, Buttons::AbortRetryIgnore},
        {mtError, B() << mbRetry, Answer::Retry, mrRetry, "Erreur", Buttons::RetryCancel},
        {mtError, B() << mbNo, Answer::No, mrNo, "Erreur", Buttons::YesNo},
    };
    for (const auto& [type, buttons, answer, result, caption, shown] : cases) {
        SCOPED_TRACE(result);
        ScriptedDialogs dialogs;
        dialogs.answer(answer);
        EXPECT_EQ(MessageDlg("Code inconnu : \xE9", type, buttons, 0), result);
        EXPECT_EQ(dialogs.last().buttons, shown);
        EXPECT_EQ(dialogs.last().caption,
                  caption ? QString::fromUtf8(caption) : QApplication::applicationDisplayName());
        EXPECT_EQ(dialogs.textOf(0), "Code inconnu : \xE9");
    }
}

using DialogSeamMessageBox = WidgetTest;

TEST_F(DialogSeamMessageBox, BoxHasTheDefaultButtonAndAnswersTheClickedOrEscapeButton)
{
    QWidget owner;
    // A default button not in the set: the first button.
    DialogSeam::Request r{&owner, QStringLiteral("Caption"), {}, Buttons::YesNo, Answer::Cancel,
                          {}};
    EXPECT_EQ(DialogSeam::effectiveDefault(r), Answer::Yes);
    r.defaultButton = Answer::No;
    std::unique_ptr<QMessageBox> box = DialogSeam::createMessageBox(r);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    ASSERT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::No); // closed: the escape button
    box->button(QMessageBox::Yes)->click();
    EXPECT_EQ(DialogSeam::answerOfMessageBox(*box, r), Answer::Yes);
}
