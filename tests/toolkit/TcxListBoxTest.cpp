#include "TcxListBox.h"

#include "GestureFlush.h"
#include "QtLeakCheck.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <memory>

class TcxListBoxTest : public QtLeakCheckedTest
{
protected:
    // Qt builds some singletons the first time a list view is used from the keyboard; let
    // that happen before objects are counted.
    static void SetUpTestSuite()
    {
        {
            TcxListBox warmUp;
            warmUp.AddItem("a", nullptr);
            warmUp.AddItem("b", nullptr);
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(&warmUp, &down);
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        list = std::make_unique<TcxListBox>();
    }
    void TearDown() override
    {
        list.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
    }

    std::unique_ptr<TcxListBox> list;
};

TEST_F(TcxListBoxTest, AddItemKeepsTextAndObject)
{
    TObject marker;
    list->AddItem("Soci\xE9t\xE9 \x80", &marker);
    list->AddItem("", nullptr);

    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItem(0), "Soci\xE9t\xE9 \x80");
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("Société €"));
    EXPECT_EQ(list->GetObject(0), &marker);
    EXPECT_EQ(list->GetItem(1), "");
    EXPECT_EQ(list->GetObject(1), nullptr);
    EXPECT_EQ(list->GetItem(2), "");
    EXPECT_EQ(list->GetObject(-1), nullptr);
    EXPECT_EQ(list->GetItemIndex(), -1);
}

TEST_F(TcxListBoxTest, ItemIndexSelectsOneLineAndOutOfRangeSelectsNone)
{
    for (const char* text : {"a", "b", "c"})
        list->AddItem(text, nullptr);

    list->SetItemIndex(1);
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_TRUE(list->GetSelected(1));
    EXPECT_EQ(list->GetText(), "b");

    list->SetItemIndex(3);
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(list->GetSelCount(), 0);
}

TEST_F(TcxListBoxTest, DeleteSelectedRemovesTheSelectedLinesOnly)
{
    for (const char* text : {"a", "b", "c", "d"})
        list->AddItem(text, nullptr);
    list->SetMultiSelect(true);
    list->SetSelected(0, true);
    list->SetSelected(2, true);

    list->DeleteSelected();

    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItem(0), "b");
    EXPECT_EQ(list->GetItem(1), "d");
}

TEST_F(TcxListBoxTest, DeleteSelectedOfASingleSelectionListRemovesTheCurrentLine)
{
    for (const char* text : {"a", "b"})
        list->AddItem(text, nullptr);
    list->SetItemIndex(0);
    list->DeleteSelected();
    ASSERT_EQ(list->GetCount(), 1);
    EXPECT_EQ(list->GetItem(0), "b");

    list->SetItemIndex(-1);
    list->DeleteSelected(); // nothing selected: nothing removed
    EXPECT_EQ(list->GetCount(), 1);
}

TEST_F(TcxListBoxTest, ClearEmptiesTheList)
{
    list->AddItem("a", nullptr);
    list->SetItemIndex(0);
    list->Clear();
    EXPECT_EQ(list->GetCount(), 0);
    EXPECT_EQ(list->GetItemIndex(), -1);
}

TEST_F(TcxListBoxTest, OnClickFollowsTheUserNotTheCode)
{
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    for (const char* text : {"a", "b"})
        list->AddItem(text, nullptr);
    list->SetItemIndex(0);
    list->SetText("b");
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_EQ(clicks, 0);

    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(list.get(), &up);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
}
