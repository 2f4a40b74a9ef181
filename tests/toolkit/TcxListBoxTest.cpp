#include "TcxListBox.h"

#include "WidgetTest.h"

#include <QApplication>
#include <QKeyEvent>

using TcxListBoxTest = WidgetTest;

TEST_F(TcxListBoxTest, LinesKeepTextAndObjectAndOneLineIsSelectedAtATime)
{
    TcxListBox list;
    TObject marker;
    list.AddItem("Soci\xE9t\xE9 \x80", &marker);
    list.AddItem("", nullptr);
    list.AddItem("c", nullptr);
    EXPECT_EQ(list.GetItem(0), "Soci\xE9t\xE9 \x80");
    EXPECT_EQ(list.item(0)->text(), QString::fromUtf8("Société €"));
    EXPECT_EQ(list.GetObject(0), &marker);
    EXPECT_EQ(list.GetObject(1), nullptr);
    EXPECT_EQ(list.GetItem(3), "");
    EXPECT_EQ(list.GetObject(-1), nullptr);
    EXPECT_EQ(list.GetItemIndex(), -1);
    list.SetItemIndex(2);
    EXPECT_TRUE(list.GetSelected(2));
    EXPECT_EQ(list.GetText(), "c");
    list.SetItemIndex(3);
    EXPECT_EQ(list.GetItemIndex(), -1);
    EXPECT_EQ(list.GetSelCount(), 0);
    list.SetItemIndex(0);
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetItemIndex(), -1);
}

TEST_F(TcxListBoxTest, DeleteSelectedRemovesTheSelectedLinesOnly)
{
    const struct
    {
        bool multi;
        std::vector<int> selected;
        std::vector<std::string> left;
    } cases[] = {{true, {0, 2}, {"b", "d"}},
                 {false, {0}, {"b", "c", "d"}},
                 {false, {}, {"a", "b", "c", "d"}}};
    for (const auto& c : cases) {
        TcxListBox list;
        for (const char* text : {"a", "b", "c", "d"})
            list.AddItem(text, nullptr);
        list.SetMultiSelect(c.multi);
        for (int index : c.selected)
            list.SetSelected(index, true);
        list.DeleteSelected();
        std::vector<std::string> left;
        for (int i = 0; i < list.GetCount(); ++i)
            left.push_back(list.GetItem(i));
        EXPECT_EQ(left, c.left);
    }
}

TEST_F(TcxListBoxTest, OnClickFollowsTheUserNotTheCode)
{
    TcxListBox list;
    int clicks = 0;
    list.OnClick = [&](TObject*) { ++clicks; };
    list.AddItem("a", nullptr);
    list.AddItem("b", nullptr);
    list.SetItemIndex(0);
    list.SetText("b");
    EXPECT_EQ(list.GetItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&list, &up);
    EXPECT_EQ(list.GetItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
}
