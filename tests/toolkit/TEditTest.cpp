#include "TEdit.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "TcxEditStr.h"
#include "TcxKelMemo.h"
#include "TcxRadioButton.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTextCursor>
#include <QToolTip>

#include <functional>

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
    EXPECT_EQ(edit.GetText().size(), text.size());
}

TEST_F(TEditTest, MaximumLengthLimitsTypingOnlyAndALongerValueShowsWhole)
{
    TEdit edit(nullptr);
    edit.SetMaxLength(5);
    edit.SetText("690031");
    EXPECT_EQ(edit.text(), QStringLiteral("690031"));
    const struct
    {
        const char* keys; // typed at the end; '<' is Backspace, '*' selects all, '^' undoes
        const char* text;
    } steps[] = {{"7", "690031"}, {"*7", "7"},     {"^", "690031"}, {"<", "69003"},
                 {"2", "69003"},  {"<<9", "6909"}, {"12", "69091"}};
    for (const auto& step : steps) {
        edit.end(false);
        for (const char* key = step.keys; *key; ++key) {
            if (*key == '<')
                QTest::keyClick(&edit, Qt::Key_Backspace);
            else if (*key == '*')
                edit.selectAll();
            else if (*key == '^')
                QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
            else
                QTest::keyClick(&edit, *key);
        }
        EXPECT_EQ(edit.GetText(), step.text) << step.keys;
    }
}

// Types `text` one character at a time, as a keyboard of any language would.
void Type(QWidget* widget, const QString& text)
{
    for (char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &release);
    }
}

TEST_F(TEditTest, CharactersWindows1252CannotHoldAreRefusedWithAToolTip)
{
    TEdit edit(nullptr);
    TcxEditStr field(nullptr);
    TMemo memo(nullptr);
    const struct
    {
        QWidget* widget;
        std::function<std::string()> text;
    } widgets[] = {{&edit, [&] { return edit.GetText(); }},
                   {&field, [&] { return field.GetText(); }},
                   {&memo, [&] { return memo.GetText(); }}};
    for (const auto& w : widgets) {
        w.widget->show();
        QToolTip::hideText();
        Type(w.widget, QString::fromUtf8("Łódź €"));
        EXPECT_EQ(w.text(), "\xF3"
                            "d \x80")
            << w.widget->metaObject()->className();
        QTRY_VERIFY(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Caractère non autorisé : ź"));
        w.widget->hide();
    }
    QToolTip::hideText();
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

TEST_F(TMemoTest, LineBreaksComeBackAsGivenAndAnEditJoinsLinesWithTheFirstBreak)
{
    const struct
    {
        const char* given;
        const char* afterTypingX; // at the end
    } cases[] = {{"un\ndeux", "un\ndeuxx"},
                 {"un\r\ndeux", "un\r\ndeuxx"},
                 {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\ndx"},
                 {"a\rb\r\n", "a\rb\rx"},
                 {"seul", "seulx"}};
    for (const auto& c : cases) {
        TMemo memo(nullptr);
        memo.SetText(c.given);
        EXPECT_EQ(memo.GetText(), c.given);
        memo.moveCursor(QTextCursor::End);
        QTest::keyClicks(&memo, "x");
        EXPECT_EQ(memo.GetText(), c.afterTypingX) << c.given;
    }
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
