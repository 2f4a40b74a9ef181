#include "controls/TdControl.h"
#include "controls/TdCEdit.h"
#include "controls/TdCMemo.h"
#include "model/TComplexData.h"

#include "ControlTest.h"

#include "TEdit.h"
#include "TMemo.h"

#include <cstring>

namespace {

// List data that counts its destructions, to see who deletes it.
class CountedData : public TComplexData
{
public:
    explicit CountedData(int& deleted) : m_deleted(deleted) {}
    ~CountedData() override { ++m_deleted; }
    bool BeginDonneeComp(int) override { return false; }
    bool NextDonneeComp(int) override { return false; }
    bool GetDonneeComp(int, int, std::string&) override { return false; }

private:
    int& m_deleted;
};

// Opens the protected helpers of the base.
class OpenControl : public TdControl
{
public:
    using TdControl::LogTransfer;
    using TdControl::StoreValue;
    void LettrageVersEcran(structLettre*, structLettre*) override {}
    void EcranVersLettrage(structLettre*, structLettre*) override {}
    void UpdateSelection(structLettre*) override {}
};

class TdControlTest : public ControlTest
{};

TEST_F(TdControlTest, StartsUnboundAndRefreshing)
{
    const TdCEdit control;
    EXPECT_EQ(control.m_lettrage, -1);
    EXPECT_EQ(control.m_lettrageCalcul, -1);
    EXPECT_EQ(control.m_lettrageActivation, -1);
    EXPECT_EQ(control.m_component, nullptr);
    EXPECT_EQ(control.m_complexData, nullptr);
    EXPECT_EQ(control.m_displayInfo, nullptr);
    EXPECT_TRUE(control.m_refreshEnabled);
}

TEST_F(TdControlTest, BaseOperationsDoNothing)
{
    OpenControl control;
    TControlDisplayInfo* info = nullptr;
    control.Update(info);
    EXPECT_EQ(info, nullptr);
    control.SetItemIndex(3);
    EXPECT_EQ(control.GetItemIndex(), 0);
    control.setFilter(1);
    control.SaveControlDisplay(nullptr);
    control.Delete();
    control.SetFocus();
    control.SetHelpContext(9);
    control.SetIdValue();
    EXPECT_TRUE(Lines().empty());
}

TEST_F(TdControlTest, ACopyNeverOwnsTheListDataOfItsOriginal)
{
    int deleted = 0;
    {
        TdCMemo original;
        original.m_lettrage = 7;
        original.m_refreshEnabled = false;
        original.m_complexData = new CountedData(deleted);
        TdCMemo copy(original);
        EXPECT_EQ(copy.m_lettrage, 7);
        EXPECT_FALSE(copy.m_refreshEnabled);
        EXPECT_EQ(copy.m_complexData, nullptr);

        TdCMemo assigned;
        int deletedOwn = 0;
        assigned.m_complexData = new CountedData(deletedOwn);
        TComplexData* own = assigned.m_complexData;
        assigned = original;
        EXPECT_EQ(assigned.m_lettrage, 7);
        EXPECT_EQ(assigned.m_complexData, own); // keeps its own list data
        assigned = assigned;
        EXPECT_EQ(assigned.m_complexData, own);
    }
    EXPECT_EQ(deleted, 1);
}

TEST_F(TdControlTest, EditAssignmentTakesLettrageAndWidgetOnly)
{
    TEdit edit(nullptr);
    TdCEdit source;
    source.m_lettrage = 12;
    source.m_lettrageCalcul = 13;
    source.m_component = &edit;
    source.m_refreshEnabled = false;
    TdCEdit target;
    target = source;
    EXPECT_EQ(target.m_lettrage, 12);
    EXPECT_EQ(target.m_component, &edit);
    EXPECT_EQ(target.m_lettrageCalcul, -1);
    EXPECT_TRUE(target.m_refreshEnabled);
    EXPECT_FALSE(target == source);
    TdCEdit copy(source);
    EXPECT_TRUE(copy == source);
}

TEST_F(TdControlTest, StoreValueResizesTheStoresBlock)
{
    structLettre* lettre = Add(1, nullptr);
    EXPECT_TRUE(OpenControl::StoreValue(lettre, "court"));
    EXPECT_STREQ(lettre->valeur, "court");
    const std::string longer(5000, 'y');
    EXPECT_TRUE(OpenControl::StoreValue(lettre, longer.c_str()));
    EXPECT_EQ(Value(lettre), longer);
    EXPECT_TRUE(OpenControl::StoreValue(lettre, ""));
    EXPECT_STREQ(lettre->valeur, "");
    EXPECT_FALSE(OpenControl::StoreValue(nullptr, "x"));
}

TEST_F(TdControlTest, StoreValueAcceptsTheLettersOwnText)
{
    structLettre* lettre = Add(1, "0123456789");
    EXPECT_TRUE(OpenControl::StoreValue(lettre, lettre->valeur + 4));
    EXPECT_STREQ(lettre->valeur, "456789");
}

TEST_F(TdControlTest, TraceLinesAreCutAtTheirBufferNeverBeyond)
{
    const std::string huge(3000, 'v');
    structLettre* lettre = Add(-2, huge.c_str());
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", lettre, 1024);
    OpenControl::LogTransfer("----X lettrage: %d valeur: %s", Add(3, nullptr));
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 511u);
    EXPECT_EQ(lines[0].rfind("----X lettrage: -2 valeur: vvv", 0), 0u);
    EXPECT_EQ(lines[1].size(), 1023u);
    EXPECT_EQ(lines[2], "----X lettrage: 3 valeur: (null)");
}

} // namespace
