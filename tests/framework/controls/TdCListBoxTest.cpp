#include "controls/TdCListBox.h"

#include "TableComplexData.h"

#include "ControlTest.h"
#include "TcxListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TdCListBoxTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        list = Bind(control, 40, new TcxListBox(m_panel));
        control.m_complexData = data = new TableComplexData({{{0, "Salaires"}, {1, "ignor\xE9"}},
                                                             {{1, "sans colonne 0"}},
                                                             {{0, "Pensions \xE0 d\xE9"}}});
    }
    void Fill(TdCListBox& box)
    {
        TControlDisplayInfo* info = nullptr;
        box.Update(info);
        EXPECT_EQ(info, nullptr);
    }
    std::vector<std::string> Items() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < list->GetCount(); ++i)
            lines.push_back(list->GetItem(i));
        return lines;
    }

    TcxListBox* list = nullptr;
    TdCListBox control; // owns the data
    TableComplexData* data = nullptr;
};

} // namespace

TEST_F(TdCListBoxTest, UpdateShowsColumnZeroOfEveryLineUnlessRefreshIsOff)
{
    list->AddItem("ancienne ligne", nullptr);
    control.m_refreshEnabled = false;
    Fill(control);
    EXPECT_EQ(Items(), std::vector<std::string>{"ancienne ligne"});
    EXPECT_EQ(data->begins, 0);

    control.m_refreshEnabled = true;
    Fill(control);
    EXPECT_EQ(Items(), (std::vector<std::string>{"Salaires", "", "Pensions \xE0 d\xE9"}));
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("Pensions à dé"));
    EXPECT_EQ(data->lastList, 40);
    data->lines.clear();
    Fill(control);
    EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(TdCListBoxTest, ItemOperationsReachTheListBoxOnly)
{
    Fill(control);
    control.SetItemIndex(2);
    EXPECT_EQ(control.GetItemIndex(), 2);
    control.Delete();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Salaires", ""}));
}
