#include "TcxListBox.h"
#include "TcxComboBox.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>

#include <climits>

using TcxComboBoxTest = WidgetTest;

TEST_F(TcxComboBoxTest, CodesSelectTheFirstLineCarryingThemAndUnknownCodesKeepTheSelection)
{
    TcxComboBox combo;
    std::vector<TObject*> changes;
    combo.OnChange = [&](TObject* sender) { changes.push_back(sender); };
    const std::string label = "Pr\xE9l\xE8vement \x80 \x9C"; // é è € œ
    for (const auto& [text, value] :
         {std::pair<std::string, long>{"un", 10}, {label, -3}, {"grand", LONG_MAX}, {"bis", -3}})
        ComboAdd(&combo, text, value);
    long code = 99;
    EXPECT_FALSE(ComboGetCurrentCode(&combo, code)); // filling selects nothing
    EXPECT_EQ(code, 99);
    for (const auto& [value, index] : {std::pair{LONG_MAX, 2}, {-3L, 1}, {7L, 1}}) {
        EXPECT_EQ(ComboSelectCode(&combo, value), value != 7) << value;
        EXPECT_EQ(combo.GetItemIndex(), index) << value;
        ASSERT_TRUE(ComboGetCurrentCode(&combo, code));
        EXPECT_EQ(code, value == 7 ? -3 : value);
    }
    EXPECT_EQ(combo.GetText(), label);
    EXPECT_EQ(combo.itemText(1), QString::fromUtf8("Prélèvement € œ"));
    EXPECT_EQ(combo.GetProperties()->GetItems()->IndexOf(label), 1);
    combo.SetText("grand");
    EXPECT_EQ(combo.GetItemIndex(), 2);
    combo.SetItemIndex(5);
    EXPECT_EQ(combo.GetItemIndex(), -1);
    EXPECT_TRUE(changes.empty());
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&combo, &down);
    EXPECT_EQ(changes, std::vector<TObject*>{&combo});
    combo.GetProperties()->GetItems()->Clear();
    EXPECT_FALSE(ComboGetCurrentCode(&combo, code));
    EXPECT_FALSE(ComboSelectCode(&combo, 10));
    EXPECT_FALSE(ComboSelectCode(nullptr, 1));
    EXPECT_FALSE(ComboGetCurrentCode(nullptr, code));
}
