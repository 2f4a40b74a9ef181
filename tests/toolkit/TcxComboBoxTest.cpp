#include "TcxComboBox.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>

#include <climits>

using TcxComboBoxTest = WidgetTest;

TEST_F(TcxComboBoxTest, CodesSelectTheFirstLineCarryingThemAndUnknownCodesKeepTheSelection)
{
    TcxComboBox combo;
    long code = 99;
    EXPECT_FALSE(ComboGetCurrentCode(&combo, code));
    const std::string label = "Pr\xE9l\xE8vement \x80 \x9C"; // é è € œ
    for (const auto& [text, value] :
         {std::pair<std::string, long>{"un", 10}, {label, -3}, {"grand", LONG_MAX}, {"bis", -3}})
        ComboAdd(&combo, text, value);
    EXPECT_EQ(combo.GetItemIndex(), -1); // filling selects nothing
    EXPECT_FALSE(ComboGetCurrentCode(&combo, code));
    EXPECT_EQ(code, 99);
    for (const auto& [value, index] : {std::pair{-3L, 1}, {LONG_MAX, 2}, {10L, 0}, {7L, 0}}) {
        EXPECT_EQ(ComboSelectCode(&combo, value), value != 7) << value;
        EXPECT_EQ(combo.GetItemIndex(), index) << value;
        ASSERT_TRUE(ComboGetCurrentCode(&combo, code));
        EXPECT_EQ(code, index == 0 ? 10 : value);
    }
    ASSERT_TRUE(ComboSelectCode(&combo, -3));
    EXPECT_EQ(combo.GetText(), label);
    EXPECT_EQ(combo.GetProperties()->GetItems()->GetString(1), label);
    EXPECT_EQ(combo.itemText(1), QString::fromUtf8("Prélèvement € œ"));
    EXPECT_EQ(combo.GetProperties()->GetItems()->IndexOf(label), 1);
    EXPECT_EQ(combo.GetProperties()->GetItems()->GetCount(), 4);

    combo.GetProperties()->GetItems()->Clear();
    EXPECT_EQ(combo.count(), 0);
    EXPECT_FALSE(ComboGetCurrentCode(&combo, code));
    EXPECT_FALSE(ComboSelectCode(&combo, 1));
    ComboAdd(nullptr, "x", 1);
    EXPECT_FALSE(ComboSelectCode(nullptr, 1));
    EXPECT_FALSE(ComboGetCurrentCode(nullptr, code));
}

TEST_F(TcxComboBoxTest, TextAndIndexSelectLinesAndOnChangeFollowsTheUserNotTheCode)
{
    TcxComboBox combo;
    std::vector<TObject*> changes;
    combo.OnChange = [&](TObject* sender) { changes.push_back(sender); };
    ComboAdd(&combo, "un", 1);
    ComboAdd(&combo, "deux", 2);
    combo.SetText("deux");
    EXPECT_EQ(combo.GetItemIndex(), 1);
    combo.SetText("trois");
    EXPECT_EQ(combo.GetItemIndex(), -1);
    combo.SetItemIndex(0);
    combo.SetItemIndex(5);
    EXPECT_EQ(combo.GetItemIndex(), -1);
    ComboSelectCode(&combo, 1);
    EXPECT_TRUE(changes.empty());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&combo, &down);
    EXPECT_EQ(combo.GetItemIndex(), 1);
    EXPECT_EQ(changes, std::vector<TObject*>{&combo});
    combo.GetProperties()->GetItems()->Clear();
    EXPECT_EQ(changes.size(), 1u);
}
