#include "TPanel.h"
#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxEditTel.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

using TcxStaticOrEditTest = WidgetTest;

TEST_F(TcxStaticOrEditTest, MaskedFieldsShowTheBlankMaskFillAsTypedAndKeepTextThatDoesNotFit)
{
    TcxEditTel tel(nullptr);
    TcxEditDate date(nullptr);
    const struct
    {
        TcxStaticOrEdit* edit;
        const char* set;
        const char* keys;
        const char* text;
    } steps[] = {
        {&tel, nullptr, "", "  .  .  .  .  "},
        {&tel, nullptr, "0123", "01.23.  .  .  "},
        {&tel, nullptr, "456789", "01.23.45.67.89"},
        {&tel, "01.23.45.67.89", "", "01.23.45.67.89"},
        {&tel, "  .  .  .  .  ", "", "  .  .  .  .  "},
        {&tel, "", "", "  .  .  .  .  "},
        {&tel, "+33 1 23 45 67 89", "", "+33 1 23 45 67 89"},
        {&date, nullptr, "", "  /  /    "},
        {&date, nullptr, "1203", "12/03/    "},
        {&date, nullptr, "2005", "12/03/2005"},
    };
    for (const auto& s : steps) {
        if (s.set)
            s.edit->SetText(s.set);
        QTest::keyClicks(s.edit, s.keys);
        EXPECT_EQ(s.edit->GetText(), s.text) << s.keys;
    }
    EXPECT_EQ(date.displayText(), QStringLiteral("12/03/2005"));
    tel.selectAll(); // emptied by the user, the field is masked again
    QTest::keyClick(&tel, Qt::Key_Delete);
    EXPECT_EQ(tel.GetText(), "  .  .  .  .  ");
}

TEST_F(TcxStaticOrEditTest, ResultShowsTheCalculateValueUntilActivated)
{
    TcxEditDate date(nullptr);
    date.SetActivated(false);
    date.SetCalculateValue("12/03/2005");
    EXPECT_EQ(date.text(), QStringLiteral("12/03/2005"));
    EXPECT_TRUE(date.isReadOnly());
    EXPECT_FALSE(date.hasFrame());
    EXPECT_EQ(date.GetText(), "  /  /    ");
    date.SetText("01/01/2001");
    EXPECT_EQ(date.text(), QStringLiteral("12/03/2005"));
    date.SetActivated(true);
    EXPECT_EQ(date.GetText(), "01/01/2001");
    EXPECT_FALSE(date.isReadOnly());
    EXPECT_TRUE(date.hasFrame());

    TcxEditNum num(nullptr);
    num.SetActivated(false);
    num.SetCalculateValue(98765.4);
    EXPECT_EQ(num.text(), QStringLiteral("98 765,4"));
    EXPECT_EQ(num.GetCalculateText(), "98 765,4");
    num.SetValue(5);
    EXPECT_EQ(num.text(), QStringLiteral("98 765,4"));
    EXPECT_DOUBLE_EQ(num.GetValue(), 5.0);
}

TEST_F(TcxStaticOrEditTest, OnlyASwitchableResultIsActivatedByADoubleClickAndBackByF2)
{
    TPanel panel;
    auto* edit = new TcxEditStr(&panel);
    auto* fixed = new TcxEditStr(&panel);
    edit->Switchable = true;
    edit->SetActivated(false);
    fixed->SetActivated(false);
    edit->SetCalculateValue("calcul\xE9");
    int changes = 0;
    edit->OnChange = fixed->OnChange = [&](TObject*) { ++changes; };
    QTest::mouseDClick(edit, Qt::LeftButton);
    EXPECT_TRUE(edit->GetActivated());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->GetText(), "calcul\xE9"); // the result is offered as the entry
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_FALSE(edit->GetActivated());
    QTest::mouseDClick(fixed, Qt::LeftButton);
    QTest::keyClick(fixed, Qt::Key_F2);
    EXPECT_FALSE(fixed->GetActivated());
    EXPECT_EQ(changes, 2);
}

TEST_F(TcxStaticOrEditTest, StylesChooseBorderAndColours)
{
    TcxEditNum edit(nullptr);
    TcxEditStyle disabled;
    disabled.SetBorderStyle(ebsNone);
    disabled.Color = clRed;
    disabled.TextColor = clBlue;
    edit.SetStyleDisabled(disabled);
    EXPECT_TRUE(edit.hasFrame());
    edit.SetEnabled(false);
    EXPECT_FALSE(edit.hasFrame());
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 255));
}

using TcxEditNumTest = WidgetTest;

TEST_F(TcxEditNumTest, ValueComesBackExactlyUntilTheUserTypes)
{
    TcxEditNum edit(nullptr);
    edit.SetValue(12.345L);
    EXPECT_EQ(edit.GetText(), "12,35");
    EXPECT_DOUBLE_EQ(edit.GetValue(), 12.345);
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_DOUBLE_EQ(edit.GetValue(), 12.3);
    edit.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(edit.text(), QString());
    EXPECT_TRUE(std::isinf(edit.GetValue()));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.GetValue(), 0.0);
}

TEST_F(TcxEditNumTest, TypedOrPastedAmountsAreNeverMultiplied)
{
    const struct
    {
        int decimals;
        bool paste;
        const char* input; // UTF-8
        const char* shown; // once the user leaves the field
        double value;
        const char* before = ""; // the text the input replaces
    } cases[] = {
        {2, false, "12a34.5", "1 234,5", 1234.5}, // a typed point is a comma, letters refused
        {0, false, "1234,56", "1 234", 1234.0},
        {0, false, "1234.56", "1 234", 1234.0},
        {2, false, "1234,56", "1 234,56", 1234.56},
        {2, false, "1234.567", "1 234,56", 1234.56},
        {0, true, "1 234,56", "1 235", 1235.0},
        {2, true, "1 234,56", "1 234,56", 1234.56},
        {2, true, "1234.56", "1 234,56", 1234.56},
        {2, true, "1 234,56 \u20AC", "1 234,56", 1234.56},
        {2, true, "1\u202F234,56\u00A0\u20AC", "1 234,56", 1234.56},
        {2, true, "1.234,56", "1 234,56", 1234.56},
        {2, true, "-1,234.5", "-1 234,5", -1234.5},
        {2, true, "douze", "", 0.0},
        {2, true, "1.234,56", "1 234,56", 1234.56, "12345678"},
    };
    for (const auto& c : cases) {
        TcxEditNum edit(nullptr);
        edit.SetDecimalPlaces(c.decimals);
        edit.SetText(c.before);
        edit.selectAll();
        if (c.paste) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.input));
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&edit, c.input);
        }
        emit edit.editingFinished();
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.shown)) << c.input;
        EXPECT_DOUBLE_EQ(edit.GetValue(), c.value) << c.input;
    }
    QApplication::clipboard()->clear();
}

} // namespace
