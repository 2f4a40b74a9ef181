#include "MessageDlg.h"

#include "ScriptedDialogs.h"
#include "WidgetTest.h"

namespace {

class MessageDlgTest : public WidgetTest
{};

TEST_F(MessageDlgTest, ErrorWithOkIsAStopBoxWithOneButton)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(MessageDlg("Code inconnu : \xE9", mtError, mbOK, 0), mrOk);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Stop);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OK);
    EXPECT_EQ(dialogs.captionOf(0), "Erreur");
    EXPECT_EQ(dialogs.textOf(0), "Code inconnu : \xE9");
}

TEST_F(MessageDlgTest, InformationWithOkAndCancelAnswersTheButtonChosen)
{
    ScriptedDialogs dialogs;
    dialogs.answer({DialogSeam::Answer::Cancel, DialogSeam::Answer::OK});
    EXPECT_EQ(MessageDlg("Abandon ?", mtInformation, mbOKCancel, 0), mrCancel);
    EXPECT_EQ(MessageDlg("Abandon ?", mtInformation, TMsgDlgButtons() << mbOK << mbCancel, 0),
              mrOk);
    ASSERT_EQ(dialogs.count(), 2u);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Information);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OKCancel);
    EXPECT_EQ(dialogs.captionOf(1), "Information");
}

TEST_F(MessageDlgTest, ButtonSetsMapToTheNearestTheDesktopShows)
{
    ScriptedDialogs dialogs;
    dialogs.answer({DialogSeam::Answer::Yes, DialogSeam::Answer::OK});
    EXPECT_EQ(MessageDlg("?", mtConfirmation, mbYesNo, 0), mrYes);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::YesNo);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Question);
    EXPECT_EQ(MessageDlg("!", mtWarning, TMsgDlgButtons(), 0), mrOk);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OK);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Exclamation);
}

} // namespace
