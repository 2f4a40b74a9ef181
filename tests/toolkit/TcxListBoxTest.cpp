#include "TcxListBox.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>

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
    const std::pair<bool, std::vector<int>> selections[] = {
        {true, {0, 2}}, {false, {0}}, {false, {}}};
    const std::vector<std::string> left[] = {{"b", "d"}, {"b", "c", "d"}, {"a", "b", "c", "d"}};
    for (std::size_t i = 0; i < std::size(left); ++i) {
        const auto& [multi, selected] = selections[i];
        TcxListBox list;
        for (const char* text : {"a", "b", "c", "d"})
            list.AddItem(text, nullptr);
        list.SetMultiSelect(multi);
        for (int index : selected)
            list.SetSelected(index, true);
        list.DeleteSelected();
        std::vector<std::string> texts;
        for (int i = 0; i < list.GetCount(); ++i)
            texts.push_back(list.GetItem(i));
        EXPECT_EQ(texts, left[i]);
    }
}
