#include "TcxListBox.h"
#include "TcxComboBox.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>

#include <climits>

using TcxListBoxTest = WidgetTest;

TEST_F(TcxListBoxTest, LinesKeepTextAndObjectAndOnClickFollowsTheUserNotTheCode)
{
    TcxListBox list;
    TObject marker;
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    list.AddItem("Soci\xE9t\xE9 \x80", &marker);
    list.AddItem("b", nullptr);
    EXPECT_EQ(list.item(0)->text(), QString::fromUtf8("Société €"));
    EXPECT_EQ(list.GetObject(0), &marker);
    EXPECT_EQ(list.GetObject(-1), nullptr);
    EXPECT_EQ(list.GetItem(2), "");
    EXPECT_EQ(list.GetItemIndex(), -1);
    list.SetItemIndex(2);
    EXPECT_EQ(list.GetSelCount(), 0);
    list.SetItemIndex(0);
    list.SetText("b");
    EXPECT_EQ(list.GetItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&list, &up);
    EXPECT_EQ(list.GetText(), "Soci\xE9t\xE9 \x80");
    EXPECT_EQ(clicks, 1);
}

TEST_F(TcxListBoxTest, DeleteSelectedRemovesTheSelectedLinesOnly)
{
    const std::tuple<bool, std::vector<int>, std::string> cases[] = {
        {true, {0, 2}, "bd"}, {false, {0}, "bcd"}, {false, {}, "abcd"}};
    for (const auto& [multi, selected, left] : cases) {
        TcxListBox list;
        for (const char* text : {"a", "b", "c", "d"})
            list.AddItem(text, nullptr);
        list.SetMultiSelect(multi);
        for (int index : selected)
            list.SetSelected(index, true);
        list.DeleteSelected();
        std::string texts;
        for (int i = 0; i < list.GetCount(); ++i)
            texts += list.GetItem(i);
        EXPECT_EQ(texts, left);
    }
}

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
