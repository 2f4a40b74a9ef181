#include "controls/TdCComboBox.h"
#include "controls/TdCListBox.h"

#include "TableComplexData.h"

#include "ControlTest.h"
#include "ScriptedDialogs.h"
#include "TcxComboBox.h"
#include "TcxListBox.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kLettrage = 5;

// Letters hold "O" or "N"; the lines' codes are 1 and 2.
class OuiNonData : public TableComplexData
{
public:
    using TableComplexData::TableComplexData;
    void getCode(std::stringstream& stream) override
    {
        const std::string text = stream.str();
        stream.str(text == "O" ? "1" : text == "N" ? "2" : text);
    }
    void getLettrage(std::stringstream& stream) override
    {
        const std::string text = stream.str();
        stream.str(text == "1" ? "O" : text == "2" ? "N" : text);
    }
};

class TdCComboBoxTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        combo = Bind(control, kLettrage, new TcxComboBox(m_panel));
        control.m_complexData = data = new TableComplexData({{{0, "7"}, {1, "Sept"}},
                                                             {{0, "12"}, {1, "Douze \xE9t\xE9"}},
                                                             {{0, "-3"}, {1, "Moins trois"}}});
        lettre = Add(kLettrage, nullptr);
    }
    void Fill()
    {
        TControlDisplayInfo* info = nullptr;
        control.Update(info);
    }
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> labels;
        for (int i = 0; i < combo->GetProperties()->GetItems()->GetCount(); ++i)
            labels.push_back(combo->GetProperties()->GetItems()->GetString(i));
        return labels;
    }

    TcxComboBox* combo = nullptr;
    TdCComboBox control; // owns the data
    TableComplexData* data = nullptr;
    structLettre* lettre = nullptr;
};

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

TEST_F(TdCComboBoxTest, UpdateFillsCodesAndLabelsUnlessRefreshIsOff)
{
    Fill();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sept", "Douze \xE9t\xE9", "Moins trois"}));
    EXPECT_EQ(data->lastList, kLettrage);
    ASSERT_TRUE(ComboSelectCode(combo, -3));
    EXPECT_EQ(combo->GetItemIndex(), 2);

    data->lines = {{{0, "abc"}, {1, "Sans code"}}, {{1, "Sans colonne"}}};
    Fill();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sans code", "Sans colonne"}));
    ASSERT_TRUE(ComboSelectCode(combo, 0)) << "unreadable codes become 0";
    EXPECT_EQ(combo->GetItemIndex(), 0);

    data->lines.clear();
    control.m_refreshEnabled = false;
    Fill();
    EXPECT_EQ(Labels().size(), 2u);
    EXPECT_EQ(data->begins, 2);
    control.m_refreshEnabled = true;
    Fill();
    EXPECT_TRUE(Labels().empty());
}

TEST_F(TdCComboBoxTest, ShowingSelectsTheLineOfTheLettersCodeOrSaysWhatIsMissing)
{
    Fill();
    // Letter's value, refresh, line selected after (the previous one: 1), message.
    const std::tuple<const char*, bool, int, std::string> cases[] = {
        {"7", true, 0, ""},
        {"12", false, 1, ""}, // not held back by the refresh flag
        {"8", true, 1,
         "La valeur \xE0 afficher n'est pas pr\xE9sente dans les donn\xE9"
         "es de la ComboBox"},
        {nullptr, true, 1, "La lettre de la ComboBox n'existe pas dans la liste de lettre"}};
    for (const auto& [valeur, refresh, index, message] : cases) {
        SCOPED_TRACE(valeur ? valeur : "(null)");
        ComboSelectCode(combo, 12);
        MetValeurLettre(lettre, valeur);
        control.m_refreshEnabled = refresh;
        ScriptedDialogs dialogs;
        Show(control);
        EXPECT_EQ(combo->GetItemIndex(), index);
        ASSERT_EQ(dialogs.count(), message.empty() ? 0u : 1u);
        EXPECT_EQ(dialogs.count() ? dialogs.textOf(0) : "", message);
    }
    EXPECT_EQ(combo->GetText(), "Douze \xE9t\xE9");
}

TEST_F(TdCComboBoxTest, StoringWritesTheSelectedCodeOrKeepsTheLetterWithoutALine)
{
    Fill();
    MetValeurLettre(lettre, "7");
    ScriptedDialogs dialogs;
    Store(control);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "L'index de la ComboBox est n\xE9gatif");
    EXPECT_STREQ(lettre->valeur, "7");

    ComboSelectCode(combo, -3);
    Store(control);
    EXPECT_STREQ(lettre->valeur, "-3");
    EXPECT_EQ(Lines().back(), "----TcxComboBox::EcranVersLettrage() lettrage: 5 valeur: -3");
}

TEST_F(TdCComboBoxTest, TheDataSourceConvertsBetweenLetterValuesAndCodes)
{
    delete control.m_complexData;
    control.m_complexData = new OuiNonData({{{0, "1"}, {1, "Oui"}}, {{0, "2"}, {1, "Non"}}});
    Fill();
    MetValeurLettre(lettre, "N");
    Show(control);
    EXPECT_EQ(combo->GetText(), "Non");
    ComboSelectCode(combo, 1);
    Store(control);
    EXPECT_STREQ(lettre->valeur, "O");
}

TEST_F(TdCComboBoxTest, SelectionAndSelectLineReachTheCombo)
{
    MetValeurLettre(lettre, "7");
    MetSelectionLettre(lettre, 2);
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(combo->GetEnabled());
    Fill();
    EXPECT_TRUE(control.SelectLine(12));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_FALSE(control.SelectLine(99));
    EXPECT_EQ(combo->GetItemIndex(), 1);
}

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
