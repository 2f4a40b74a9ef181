#include "TEdit.h"
#include "TMemo.h"
#include "TcxEditStr.h"

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
    const std::pair<int, const char*> steps[] = {
        // key pressed at the end (Qt::Key_A: select all first) -> text
        {Qt::Key_7, "690031"},        {Qt::Key_A, "7"},     {Qt::Key_Z, "690031"},
        {Qt::Key_Backspace, "69003"}, {Qt::Key_2, "69003"}, {Qt::Key_Backspace, "6900"},
        {Qt::Key_9, "69009"}};
    for (const auto& [key, text] : steps) {
        edit.end(false);
        if (key == Qt::Key_A)
            edit.selectAll();
        QTest::keyClick(&edit, key == Qt::Key_A ? Qt::Key_7 : Qt::Key(key),
                        key == Qt::Key_Z ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(edit.GetText(), text) << key;
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
        EXPECT_TRUE(memo.tabChangesFocus()); // a Tab leaves the memo, as in the other fields
        EXPECT_EQ(memo.GetText(), given);
        if (!afterTypingX)
            continue;
        memo.moveCursor(QTextCursor::End);
        QTest::keyClicks(&memo, "x");
        EXPECT_EQ(memo.GetText(), afterTypingX) << given;
    }
}

} // namespace
