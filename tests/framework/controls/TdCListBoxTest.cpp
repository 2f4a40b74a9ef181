#include "controls/TdCListBox.h"

#include "TableComplexData.h"

#include "TPanel.h"
#include "TcxListBox.h"
#include "qlettre.h"

#include "GestureFlush.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLettrage = 40;

class TdCListBoxTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        {
            TcxListBox warmUp;
            warmUp.AddItem("a", nullptr);
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        list = std::make_unique<TcxListBox>();
        control.m_lettrage = kLettrage;
        control.m_component = list.get();
        data = new TableComplexData({{{0, "Salaires"}, {1, "ignor\xE9"}},
                                     {{1, "sans colonne 0"}},
                                     {{-1, "3"},
                                      {0, "Pensions \xE0 d\xE9"
                                          "clarer"}}});
        control.m_complexData = data; // owned by the control
    }

    void TearDown() override
    {
        list.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
    }

    void Fill()
    {
        TControlDisplayInfo* info = nullptr;
        control.Update(info);
        EXPECT_EQ(info, nullptr);
    }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < list->GetCount(); ++i)
            lines.push_back(list->GetItem(i));
        return lines;
    }

    std::unique_ptr<TcxListBox> list;
    TdCListBox control;
    TableComplexData* data = nullptr;
};

} // namespace

TEST_F(TdCListBoxTest, UpdateShowsColumnZeroOfEveryLineUnlessRefreshIsOff)
{
    list->AddItem("ancienne ligne", nullptr);
    control.m_refreshEnabled = false;
    LogCapture log;
    Fill();
    EXPECT_EQ(Lines(), std::vector<std::string>{"ancienne ligne"});
    EXPECT_EQ(data->begins, 0);
    EXPECT_TRUE(log.messages().empty());

    control.m_refreshEnabled = true;
    Fill();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Salaires", "",
                                                 "Pensions \xE0 d\xE9"
                                                 "clarer"}));
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("Pensions à déclarer"));
    EXPECT_EQ(data->lastList, kLettrage);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TdCListBox::Update()"});
    data->lines().clear();
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
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Salaires", ""}));
    control.SetHelpContext(77);
    EXPECT_EQ(list->GetHelpContext(), 77);

    structLettre* letters = nullptr;
    structLettre* lettre = AjouteLettre(&letters, kLettrage, 0, 0, 0, 2, 0);
    MetValeurLettre(lettre, "Salaires");
    control.LettrageVersEcran(letters, nullptr);
    control.EcranVersLettrage(letters, nullptr);
    control.UpdateSelection(letters);
    EXPECT_STREQ(lettre->valeur, "Salaires");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Salaires", ""}));
    EXPECT_TRUE(list->GetEnabled());
    LibereLettre(&letters);

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
