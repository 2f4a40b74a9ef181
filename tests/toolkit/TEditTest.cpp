#include "TEdit.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "TcxKelMemo.h"
#include "TcxRadioButton.h"

#include "WidgetTest.h"

#include <QTest>

#include <string>

namespace {

// Every Windows-1252 byte but NUL, in one text.
std::string EveryByte()
{
    std::string text;
    for (int byte = 1; byte < 256; ++byte)
        text += static_cast<char>(byte);
    return text;
}

class TEditTest : public WidgetTest
{};

TEST_F(TEditTest, TextKeepsEveryWindows1252Byte)
{
    TEdit edit(nullptr);
    edit.SetText(EveryByte());
    EXPECT_EQ(edit.GetText(), EveryByte());
    edit.SetText("\xE9");
    EXPECT_EQ(edit.text(), QString::fromUtf8("é"));
}

TEST_F(TEditTest, LongTextsAreNotCut)
{
    TEdit edit(nullptr);
    const std::string text(100000, 'x');
    edit.SetText(text);
    EXPECT_EQ(edit.GetText().size(), text.size());
    edit.SetMaxLength(5);
    EXPECT_EQ(edit.GetText(), "xxxxx");
    edit.SetMaxLength(0);
    EXPECT_EQ(edit.GetMaxLength(), 0);
}

TEST_F(TEditTest, OnChangeReportsTheUserNotTheProgram)
{
    TEdit edit(nullptr);
    int changes = 0;
    TObject* sender = nullptr;
    edit.OnChange = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    edit.SetText("programme");
    EXPECT_EQ(changes, 0);
    QTest::keyClicks(&edit, "ab");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(sender, static_cast<TObject*>(&edit));
    EXPECT_EQ(edit.GetText(), "programmeab");
}

class TMemoTest : public WidgetTest
{};

TEST_F(TMemoTest, TextKeepsEveryByteAndItsLineBreaks)
{
    TMemo memo(nullptr);
    std::string text;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            text += static_cast<char>(byte);
    }
    text += "\r\nseconde ligne\xA0"
            "1\xA0"
            "234\r\n";
    memo.SetText(text);
    EXPECT_EQ(memo.GetText(), text);
}

TEST_F(TMemoTest, LineFeedsStayLineFeeds)
{
    TMemo memo(nullptr);
    memo.SetText("un\ndeux");
    EXPECT_EQ(memo.GetText(), "un\ndeux");
    memo.SetText("un\r\ndeux");
    EXPECT_EQ(memo.GetText(), "un\r\ndeux");
}

TEST_F(TMemoTest, OnChangeReportsTheUserNotTheProgram)
{
    TMemo memo(nullptr);
    int changes = 0;
    memo.OnChange = [&](TObject*) { ++changes; };
    memo.SetText("texte");
    EXPECT_EQ(changes, 0);
    QTest::keyClicks(&memo, "x");
    EXPECT_EQ(changes, 1);
}

TEST_F(TMemoTest, KelMemoIdValueIsTheWindowIdentifier)
{
    TcxKelMemo memo(nullptr);
    memo.SetIdValue(1204);
    EXPECT_EQ(memo.GetIdValue(), 1204);
    EXPECT_EQ(GetWindowLongA(memo.Handle(), GWL_ID), 1204);
}

class TcxCheckBoxTest : public WidgetTest
{};

TEST_F(TcxCheckBoxTest, OnChangeReportsClicksNotSetChecked)
{
    TcxCheckBox box(nullptr);
    box.resize(box.sizeHint());
    int changes = 0;
    box.OnChange = [&](TObject*) { ++changes; };
    box.SetChecked(true);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(box.GetChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(box.GetChecked());
}

TEST_F(TcxCheckBoxTest, CaptionIsKeptAsGivenAndShownWithItsMnemonic)
{
    TcxCheckBox box(nullptr);
    box.SetCaption("&Oui & non \xE9");
    EXPECT_EQ(box.GetCaption(), "&Oui & non \xE9");
    EXPECT_EQ(box.text(), QString::fromUtf8("&Oui && non é"));
}

class TcxRadioButtonTest : public WidgetTest
{};

TEST_F(TcxRadioButtonTest, TheProgramMayUncheckTheCheckedButtonOfAGroup)
{
    TPanel panel;
    auto* first = new TcxRadioButton(&panel);
    auto* second = new TcxRadioButton(&panel);
    first->SetChecked(true);
    second->SetChecked(true);
    EXPECT_FALSE(first->GetChecked());
    second->SetChecked(false);
    EXPECT_FALSE(second->GetChecked());
    EXPECT_TRUE(second->autoExclusive());
}

TEST_F(TcxRadioButtonTest, OnChangeReportsTheUsersPick)
{
    TPanel panel;
    auto* button = new TcxRadioButton(&panel);
    button->resize(100, 20);
    int changes = 0;
    button->OnChange = [&](TObject*) { ++changes; };
    button->SetChecked(true);
    EXPECT_EQ(changes, 0);
    button->SetChecked(false);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(button->GetChecked());
}

} // namespace
