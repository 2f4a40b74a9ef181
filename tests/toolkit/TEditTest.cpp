#include "TEdit.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TcxEditStr.h"
#include "TcxRadioButton.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTextCursor>
#include <QToolTip>

#include <functional>

namespace {

using TEditTest = WidgetTest;

TEST_F(TEditTest, TextKeepsEveryWindows1252ByteAndIsNeverCut)
{
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every += static_cast<char>(byte);
    TEdit edit(nullptr);
    edit.SetMaxLength(5);
    for (const std::string& text : {every, std::string(100000, 'x')}) {
        edit.SetText(text);
        EXPECT_EQ(edit.GetText(), text);
    }
    edit.SetText("\xE9");
    EXPECT_EQ(edit.text(), QString::fromUtf8("é"));
}

TEST_F(TEditTest, MaximumLengthLimitsTypingOnlyAndALongerValueShowsWhole)
{
    TEdit edit(nullptr);
    edit.SetMaxLength(5);
    edit.SetText("690031");
    const std::pair<const char*, const char*> steps[] = {
        // keys typed at the end ('<' Backspace, '*' select all, '^' undo) -> text
        {"7", "690031"}, {"*7", "7"},     {"^", "690031"}, {"<", "69003"},
        {"2", "69003"},  {"<<9", "6909"}, {"12", "69091"}};
    for (const auto& [keys, text] : steps) {
        edit.end(false);
        for (const char* key = keys; *key; ++key) {
            if (*key == '*')
                edit.selectAll();
            else if (*key == '<' || *key == '^')
                QTest::keyClick(&edit, *key == '<' ? Qt::Key_Backspace : Qt::Key_Z,
                                *key == '<' ? Qt::NoModifier : Qt::ControlModifier);
            else
                QTest::keyClick(&edit, *key);
        }
        EXPECT_EQ(edit.GetText(), text) << keys;
    }
}

TEST_F(TEditTest, CharactersWindows1252CannotHoldAreRefusedWithAToolTip)
{
    TEdit edit(nullptr);
    TcxEditStr field(nullptr);
    TMemo memo(nullptr);
    const std::pair<QWidget*, std::function<std::string()>> widgets[] = {
        {&edit, [&] { return edit.GetText(); }},
        {&field, [&] { return field.GetText(); }},
        {&memo, [&] { return memo.GetText(); }}};
    for (const auto& [widget, text] : widgets) {
        widget->show();
        QToolTip::hideText();
        for (char32_t codePoint : QString::fromUtf8("Łódź €").toUcs4()) { // any keyboard
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, {},
                            QString::fromUcs4(&codePoint, 1));
            QApplication::sendEvent(widget, &press);
        }
        EXPECT_EQ(text(), "\xF3"
                          "d \x80")
            << widget->metaObject()->className();
        QTRY_VERIFY(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8("Caractère non autorisé : ź"));
        widget->hide();
    }
    QToolTip::hideText();
}

TEST_F(TEditTest, OnChangeReportsTheUserNotTheProgram)
{
    TEdit edit(nullptr);
    TMemo memo(nullptr);
    std::vector<TObject*> changes;
    edit.OnChange = memo.OnChange = [&](TObject* sender) { changes.push_back(sender); };
    edit.SetText("programme");
    memo.SetText("texte");
    EXPECT_TRUE(changes.empty());
    QTest::keyClicks(&edit, "ab");
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, "x");
    EXPECT_EQ(changes, (std::vector<TObject*>{&edit, &edit, &memo}));
    EXPECT_EQ(edit.GetText(), "programmeab");
}

TEST_F(TEditTest, TheProgramMayUncheckTheCheckedRadioButtonOfAGroup)
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

using TMemoTest = WidgetTest;

TEST_F(TMemoTest, LineBreaksComeBackAsGivenAndAnEditJoinsLinesWithTheFirstBreak)
{
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every += byte == '\r' || byte == '\n' ? 'x' : static_cast<char>(byte);
    const std::string withEveryByte = every + "\r\nseconde ligne\xA0\r\n";
    const std::pair<const char*, const char*> cases[] = {
        // given -> after typing "x" at the end
        {withEveryByte.c_str(), nullptr}, {"un\ndeux", "un\ndeuxx"},
        {"un\r\ndeux", "un\r\ndeuxx"},    {"a\r\nb\nc\rd", "a\r\nb\r\nc\r\ndx"},
        {"a\rb\r\n", "a\rb\rx"},          {"seul", "seulx"}};
    for (const auto& [given, afterTypingX] : cases) {
        TMemo memo(nullptr);
        memo.SetText(given);
        EXPECT_EQ(memo.GetText(), given);
        if (!afterTypingX)
            continue;
        memo.moveCursor(QTextCursor::End);
        QTest::keyClicks(&memo, "x");
        EXPECT_EQ(memo.GetText(), afterTypingX) << given;
    }
}

} // namespace
