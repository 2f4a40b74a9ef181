#include "controls/TdCListBox.h"

#include "TableComplexData.h"

#include "ControlTest.h"
#include "TcxListBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kLettrage = 40;

class TdCListBoxTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        list = Bind(control, kLettrage, new TcxListBox(m_panel));
        control.m_complexData = data = new TableComplexData({{{0, "Salaires"}, {1, "ignor\xE9"}},
                                                             {{1, "sans colonne 0"}},
                                                             {{-1, "3"},
                                                              {0, "Pensions \xE0 d\xE9"
                                                                  "clarer"}}});
    }
    void Fill()
    {
        TControlDisplayInfo* info = nullptr;
        control.Update(info);
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
    LogCapture log;
    Fill();
    EXPECT_EQ(Items(), std::vector<std::string>{"ancienne ligne"});
    EXPECT_EQ(data->begins, 0);
    EXPECT_TRUE(log.messages().empty());

    control.m_refreshEnabled = true;
    Fill();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Salaires", "",
                                                 "Pensions \xE0 d\xE9"
                                                 "clarer"}));
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("Pensions à déclarer"));
    EXPECT_EQ(data->lastList, kLettrage);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TdCListBox::Update()"});
    data->lines.clear();
    Fill();
    EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(TdCListBoxTest, ItemOperationsReachTheListBoxOnlyAndTheLetterIsLeftAlone)
{
    Fill();
    control.SetItemIndex(2);
    EXPECT_EQ(control.GetItemIndex(), 2);
    EXPECT_EQ(list->GetItemIndex(), 2);
    control.Delete();
    EXPECT_EQ(Items(), (std::vector<std::string>{"Salaires", ""}));
    control.SetHelpContext(77);
    EXPECT_EQ(list->GetHelpContext(), 77);

    structLettre* lettre = Add(kLettrage, "Salaires", 2);
    Show(control);
    Store(control);
    control.UpdateSelection(m_liste);
    EXPECT_STREQ(lettre->valeur, "Salaires");
    EXPECT_EQ(Items(), (std::vector<std::string>{"Salaires", ""}));
    EXPECT_TRUE(list->GetEnabled());

    TPanel panel;
    TdCListBox other;
    other.m_component = &panel;
    auto* source = new TableComplexData({{{0, "x"}}});
    other.m_complexData = source;
    TControlDisplayInfo* info = nullptr;
    LogCapture log;
    other.Update(info);
    other.Delete();
    other.SetItemIndex(3);
    EXPECT_EQ(source->begins, 1); // the source is started before the widget is looked at
    EXPECT_EQ(other.GetItemIndex(), 0);
    EXPECT_TRUE(log.messages().empty());
}
