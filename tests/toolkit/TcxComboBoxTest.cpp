#include "TcxComboBox.h"

#include "GestureFlush.h"
#include "QtLeakCheck.h"
#include "TPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <climits>
#include <memory>

class TcxComboBoxTest : public QtLeakCheckedTest
{
protected:
    // Qt builds some singletons the first time a combo box is used from the keyboard; let
    // that happen before objects are counted.
    static void SetUpTestSuite()
    {
        {
            TcxComboBox warmUp;
            ComboAdd(&warmUp, "a", 1);
            ComboAdd(&warmUp, "b", 2);
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(&warmUp, &down);
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        combo = std::make_unique<TcxComboBox>();
    }
    void TearDown() override
    {
        combo.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
    }

    std::unique_ptr<TcxComboBox> combo;
};

TEST_F(TcxComboBoxTest, FillingSelectsNoLine)
{
    ComboAdd(combo.get(), "Mari\xE9", 1);
    ComboAdd(combo.get(), "C\xE9libataire", 2);

    EXPECT_EQ(combo->GetProperties()->GetItems()->GetCount(), 2);
    EXPECT_EQ(combo->GetItemIndex(), -1);
    long code = 99;
    EXPECT_FALSE(ComboGetCurrentCode(combo.get(), code));
    EXPECT_EQ(code, 99);
}

TEST_F(TcxComboBoxTest, SelectCodeFindsTheLineCarryingThatCode)
{
    ComboAdd(combo.get(), "un", 10);
    ComboAdd(combo.get(), "moins", -3);
    ComboAdd(combo.get(), "grand", LONG_MAX);

    ASSERT_TRUE(ComboSelectCode(combo.get(), -3));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    long code = 0;
    ASSERT_TRUE(ComboGetCurrentCode(combo.get(), code));
    EXPECT_EQ(code, -3);

    ASSERT_TRUE(ComboSelectCode(combo.get(), LONG_MAX));
    ASSERT_TRUE(ComboGetCurrentCode(combo.get(), code));
    EXPECT_EQ(code, LONG_MAX);
    EXPECT_EQ(combo->GetText(), "grand");
}

TEST_F(TcxComboBoxTest, SelectingAnUnknownCodeKeepsTheSelection)
{
    ComboAdd(combo.get(), "un", 1);
    ComboAdd(combo.get(), "deux", 2);
    ASSERT_TRUE(ComboSelectCode(combo.get(), 2));

    EXPECT_FALSE(ComboSelectCode(combo.get(), 7));
    EXPECT_EQ(combo->GetItemIndex(), 1);
}

TEST_F(TcxComboBoxTest, TheFirstOfTwoLinesWithTheSameCodeIsSelected)
{
    ComboAdd(combo.get(), "a", 5);
    ComboAdd(combo.get(), "b", 5);
    ASSERT_TRUE(ComboSelectCode(combo.get(), 5));
    EXPECT_EQ(combo->GetItemIndex(), 0);
}

TEST_F(TcxComboBoxTest, ClearingTheItemsLeavesNoLineAndNoSelection)
{
    ComboAdd(combo.get(), "un", 1);
    ASSERT_TRUE(ComboSelectCode(combo.get(), 1));

    combo->GetProperties()->GetItems()->Clear();

    EXPECT_EQ(combo->count(), 0);
    long code = 0;
    EXPECT_FALSE(ComboGetCurrentCode(combo.get(), code));
    EXPECT_FALSE(ComboSelectCode(combo.get(), 1));
}

TEST_F(TcxComboBoxTest, LabelsKeepTheirWindows1252Letters)
{
    const std::string label = "Pr\xE9l\xE8vement \x80 \x9C"; // é è € œ
    ComboAdd(combo.get(), label, 1);
    ASSERT_TRUE(ComboSelectCode(combo.get(), 1));

    EXPECT_EQ(combo->GetText(), label);
    EXPECT_EQ(combo->GetProperties()->GetItems()->GetString(0), label);
    EXPECT_EQ(combo->itemText(0), QString::fromUtf8("Prélèvement € œ"));
    EXPECT_EQ(combo->GetProperties()->GetItems()->IndexOf(label), 0);
}

TEST_F(TcxComboBoxTest, TextSelectsTheLineWithThatLabel)
{
    ComboAdd(combo.get(), "un", 1);
    ComboAdd(combo.get(), "deux", 2);
    combo->SetText("deux");
    EXPECT_EQ(combo->GetItemIndex(), 1);
    combo->SetText("trois");
    EXPECT_EQ(combo->GetItemIndex(), -1);
}

TEST_F(TcxComboBoxTest, ItemIndexOutOfRangeSelectsNothing)
{
    ComboAdd(combo.get(), "un", 1);
    combo->SetItemIndex(0);
    combo->SetItemIndex(5);
    EXPECT_EQ(combo->GetItemIndex(), -1);
}

TEST_F(TcxComboBoxTest, OnChangeFollowsTheUserNotTheCode)
{
    int changes = 0;
    TObject* sender = nullptr;
    combo->OnChange = [&](TObject* s) {
        ++changes;
        sender = s;
    };
    ComboAdd(combo.get(), "un", 1);
    ComboAdd(combo.get(), "deux", 2);
    ComboSelectCode(combo.get(), 1);
    combo->SetItemIndex(0);
    combo->GetProperties()->GetItems()->Clear();
    EXPECT_EQ(changes, 0);

    ComboAdd(combo.get(), "un", 1);
    ComboAdd(combo.get(), "deux", 2);
    ComboSelectCode(combo.get(), 1);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(combo.get(), &down);

    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, static_cast<TObject*>(combo.get()));
}

TEST_F(TcxComboBoxTest, TheCodeFunctionsIgnoreANullCombo)
{
    ComboAdd(nullptr, "x", 1);
    long code = 4;
    EXPECT_FALSE(ComboSelectCode(nullptr, 1));
    EXPECT_FALSE(ComboGetCurrentCode(nullptr, code));
    EXPECT_EQ(code, 4);
}

TEST_F(TcxComboBoxTest, KeepsTheIdValueItIsGiven)
{
    combo->SetIdValue(312);
    EXPECT_EQ(combo->GetIdValue(), 312);
}

TEST_F(TcxComboBoxTest, AnOwnedComboIsAChildOfItsOwnerAndDiesWithIt)
{
    auto panel = std::make_unique<TPanel>();
    auto* child = new TcxComboBox(panel.get());
    EXPECT_EQ(child->parentWidget(), panel.get());
    const qsizetype before = liveQObjectCount();
    panel.reset();
    EXPECT_LT(liveQObjectCount(), before);
}
