#include "TEdit.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxEditTel.h"

#include "WidgetTest.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QTextCursor>

#include <functional>

using namespace ::testing;

using TEditTest = WidgetTest;

TEST_F(TEditTest, TextKeepsEveryWindows1252ByteAndMaximumLengthLimitsTypingOnly)
{
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every += static_cast<char>(byte);
    TEdit edit(nullptr);
    edit.SetMaxLength(5); // limits typing only: a longer value shows whole
    for (const std::string& text : {every, std::string(100000, 'x')}) {
        edit.SetText(text);
        EXPECT_EQ(edit.GetText(), text);
    }
    edit.SetText("\x80");
    EXPECT_EQ(edit.text(), QString::fromUtf8("€"));
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

TEST_F(TEditTest, OnChangeReportsTheUserNotTheProgramAndWhatWindows1252LacksIsRefused)
{
    TEdit edit(nullptr);
    TcxEditStr field(nullptr);
    TMemo memo(nullptr);
    std::vector<TObject*> changes;
    edit.OnChange = field.OnChange = memo.OnChange = [&](TObject* o) { changes.push_back(o); };
    const std::tuple<QWidget*, TObject*, std::function<std::string()>> widgets[] = {
        {&edit, &edit, [&] { return edit.GetText(); }},
        {&field, &field, [&] { return field.GetText(); }},
        {&memo, &memo, [&] { return memo.GetText(); }}};
    for (const auto& [widget, object, text] : widgets) {
        changes.clear();
        for (char32_t codePoint : QString::fromUtf8("Łódź €").toUcs4()) { // any keyboard
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, {},
                            QString::fromUcs4(&codePoint, 1));
            QApplication::sendEvent(widget, &press);
        }
        EXPECT_EQ(text(), "\363d \x80") << widget->metaObject()->className();
        EXPECT_THAT(changes, AllOf(Not(IsEmpty()), Each(object)));
    }
    changes.clear();
    edit.SetText("programme");
    memo.SetText("texte");
    field.SetText("champ");
    EXPECT_TRUE(changes.empty());
    QTest::keyClicks(&edit, "ab");
    EXPECT_EQ(edit.GetText(), "programmeab");
    QApplication::clipboard()->setText(QString::fromUtf8("Łódź"));
    memo.paste(); // what Windows-1252 holds of a pasted text goes in
    QApplication::clipboard()->clear();
    EXPECT_EQ(memo.GetText(), "\363dtexte");
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

using TcxStaticOrEditTest = WidgetTest;

TEST_F(TcxStaticOrEditTest, MaskedFieldsShowTheBlankMaskFillAsTypedAndKeepTextThatDoesNotFit)
{
    // Typing into the masks is checked with the fields' controls; here what the program sets.
    TcxEditTel tel(nullptr);
    const std::pair<const char*, const char*> texts[] = {
        {"", "  .  .  .  .  "}, {"+33 1 23 45 67 89", "+33 1 23 45 67 89"}};
    for (const auto& [given, text] : texts) {
        tel.SetText(given);
        EXPECT_EQ(tel.GetText(), text) << given;
    }
    tel.selectAll(); // emptied by the user, the field is masked again
    QTest::keyClick(&tel, Qt::Key_Delete);
    EXPECT_EQ(tel.GetText(), "  .  .  .  .  ");
}

TEST_F(TcxStaticOrEditTest, AResultShowsTheCalculatedValueUntilASwitchableOneIsActivated)
{
    // Only a switchable result goes to the entry by a double click, and back by F2.
    TPanel panel;
    auto* edit = new TcxEditStr(&panel);
    auto* fixed = new TcxEditStr(&panel);
    edit->Switchable = true;
    edit->SetActivated(false);
    fixed->SetActivated(false);
    edit->SetCalculateValue("calcul\xE9");
    int changes = 0;
    edit->OnChange = fixed->OnChange = [&](TObject*) { ++changes; };
    EXPECT_TRUE(edit->isReadOnly());
    QTest::mouseDClick(edit, Qt::LeftButton);
    EXPECT_TRUE(edit->GetActivated());
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(edit->GetText(), "calcul\xE9"); // the result is offered as the entry
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_FALSE(edit->GetActivated());
    QTest::mouseDClick(fixed, Qt::LeftButton);
    QTest::keyClick(fixed, Qt::Key_F2);
    EXPECT_FALSE(fixed->GetActivated());
    EXPECT_EQ(changes, 2);
}

using TcxEditNumTest = WidgetTest;

TEST_F(TcxEditNumTest, TypedOrPastedAmountsAreNeverMultiplied)
{
    // decimals, pasted, input (UTF-8), shown once the user leaves, value, text replaced
    const std::tuple<int, bool, const char*, const char*, double, const char*> cases[] = {
        {2, false, "12a34.5", "1 234,5", 1234.5, ""}, // a typed point is a comma
        {2, false, "1234.567", "1 234,56", 1234.56, ""},
        {0, true, "1 234,56", "1 235", 1235.0, ""},
        {2, true, "1\u202F234,56\u00A0\u20AC", "1 234,56", 1234.56, ""},
        {2, true, "-1,234.5", "-1 234,5", -1234.5, ""},
        {2, true, "douze", "", 0.0, ""},
        {2, true, "1.234,56", "1 234,56", 1234.56, "12345678"},
    };
    for (const auto& [decimals, paste, input, shown, value, before] : cases) {
        TcxEditNum edit(nullptr);
        edit.SetDecimalPlaces(decimals);
        edit.SetText(before);
        edit.selectAll();
        if (paste) {
            QApplication::clipboard()->setText(QString::fromUtf8(input));
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&edit, input);
        }
        emit edit.editingFinished();
        EXPECT_EQ(edit.text(), QString::fromUtf8(shown)) << input;
        EXPECT_DOUBLE_EQ(edit.GetValue(), value) << input;
    }
    QApplication::clipboard()->clear();
    TcxEditNum edit(nullptr); // a value set by the program comes back exactly
    edit.SetValue(12.345L);
    EXPECT_EQ(edit.GetText(), "12,35");
    EXPECT_DOUBLE_EQ(edit.GetValue(), 12.345);
}
