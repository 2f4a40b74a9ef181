#include "MessageBox.h"

#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QWidget>

using DialogSeam::Answer;
using DialogSeam::Buttons;
using DialogSeam::Icon;

class MessageBoxATest : public QtLeakCheckedTest
{};

TEST_F(MessageBoxATest, WarningWithQuestionAsksYesNoWithNoPreselected)
{
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::No);
    QWidget window;
    QWidget* const owner = &window;
    EXPECT_EQ(MessageBoxA(owner, "Montant \xE9lev\xE9 \x80",
                          "D\xE9"
                          "claration",
                          0x134),
              IDNO);

    ASSERT_EQ(dialogs.count(), 1u);
    const DialogSeam::Request& request = dialogs.last();
    EXPECT_EQ(request.owner, owner);
    EXPECT_EQ(request.buttons, Buttons::YesNo);
    EXPECT_EQ(request.defaultButton, Answer::No);
    EXPECT_EQ(request.icon, Icon::Exclamation);
    EXPECT_EQ(request.text, QString::fromUtf8("Montant élevé €"));
    EXPECT_EQ(request.caption, QString::fromUtf8("Déclaration"));

    dialogs.answer(Answer::Yes);
    EXPECT_EQ(MessageBoxA(nullptr, "t", "c", 0x134), IDYES);
}

TEST_F(MessageBoxATest, ErrorAndInformationShowAnOkButton)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(MessageBoxA(nullptr, "Erreur", "c", 0x10), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Info", "c", 0x40), IDOK);
    ASSERT_EQ(dialogs.count(), 2u);
    EXPECT_EQ(dialogs.requests()[0].buttons, Buttons::OK);
    EXPECT_EQ(dialogs.requests()[0].icon, Icon::Stop);
    EXPECT_EQ(dialogs.requests()[0].defaultButton, Answer::OK);
    EXPECT_EQ(dialogs.requests()[1].buttons, Buttons::OK);
    EXPECT_EQ(dialogs.requests()[1].icon, Icon::Information);
}

TEST_F(MessageBoxATest, EveryButtonSetIconAndDefaultButtonIsDecoded)
{
    struct Case
    {
        UINT style;
        Buttons buttons;
        Icon icon;
        Answer defaultButton;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const DialogSeam::Request request = messageBoxRequest(nullptr, "t", "c", c.style);
        EXPECT_EQ(request.buttons, c.buttons) << std::hex << c.style;
        EXPECT_EQ(request.icon, c.icon) << std::hex << c.style;
        EXPECT_EQ(request.defaultButton, c.defaultButton) << std::hex << c.style;
    }
}

TEST_F(MessageBoxATest, EachAnswerGivesItsWindowsIdentifier)
{
    ScriptedDialogs dialogs;
    dialogs.answer({Answer::OK, Answer::Cancel, Answer::Abort, Answer::Retry, Answer::Ignore,
                    Answer::Yes, Answer::No});
    for (int expected : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        EXPECT_EQ(MessageBoxA(nullptr, "t", "c", MB_OK), expected);
}

TEST_F(MessageBoxATest, NullTextAndCaptionAreEmpty)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_TRUE(dialogs.last().text.isEmpty());
    EXPECT_TRUE(dialogs.last().caption.isEmpty());
}
