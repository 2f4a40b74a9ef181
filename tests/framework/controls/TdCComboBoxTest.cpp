#include "controls/TdCComboBox.h"
#include "controls/TdCListBox.h"

#include "TableComplexData.h"

#include "ControlTest.h"
#include "ScriptedDialogs.h"

#include <sstream>
#include <tuple>

namespace {

constexpr int kLettrage = 5;

// Letters and lines hold "O" or "N", the combo's codes are 1 and 2.
class OuiNonData : public TableComplexData
{
public:
    using TableComplexData::TableComplexData;
    void getCode(std::stringstream& s) override { s.str(s.str() == "O" ? "1" : "2"); }
    void getLettrage(std::stringstream& s) override { s.str(s.str() == "1" ? "O" : "N"); }
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

    TcxComboBox* combo = nullptr;
    TdCComboBox control; // owns the data
    TableComplexData* data = nullptr;
    structLettre* lettre = nullptr;
};

} // namespace

TEST_F(TdCComboBoxTest, UpdateFillsCodesAndLabelsUnlessRefreshIsOff)
{
    Fill();
    EXPECT_EQ(data->lastList, kLettrage);
    ASSERT_TRUE(ComboSelectCode(combo, -3));
    EXPECT_EQ(combo->GetText(), "Moins trois");
    data->lines = {{{0, "abc"}, {1, "Sans code"}}, {{1, "Sans colonne"}}};
    Fill();
    EXPECT_EQ(combo->count(), 2);
    ASSERT_TRUE(ComboSelectCode(combo, 0)) << "unreadable codes become 0";
    EXPECT_EQ(combo->GetText(), "Sans code");
    data->lines.clear();
    control.m_refreshEnabled = false;
    Fill();
    EXPECT_EQ(combo->count(), 2);
    control.m_refreshEnabled = true;
    Fill();
    EXPECT_EQ(combo->count(), 0);
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
    MetSelectionLettre(lettre, 2);
    ScriptedDialogs dialogs;
    Store(control);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), "L'index de la ComboBox est n\xE9gatif");
    EXPECT_STREQ(lettre->valeur, "7");
    EXPECT_TRUE(control.SelectLine(-3));
    EXPECT_FALSE(control.SelectLine(99));
    Store(control);
    EXPECT_STREQ(lettre->valeur, "-3");
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(combo->GetEnabled());
}

TEST_F(TdCComboBoxTest, TheDataSourceConvertsBetweenLetterValuesAndCodes)
{
    delete control.m_complexData;
    control.m_complexData = new OuiNonData({{{0, "O"}, {1, "Oui"}}, {{0, "N"}, {1, "Non"}}});
    Fill();
    MetValeurLettre(lettre, "N");
    Show(control);
    EXPECT_EQ(combo->GetText(), "Non");
    ComboSelectCode(combo, 1);
    Store(control);
    EXPECT_STREQ(lettre->valeur, "O");
}

TEST_F(TdCComboBoxTest, ListBoxShowsColumnZeroOfEveryLineUnlessRefreshIsOff)
{
    TdCListBox box;
    auto* list = Bind(box, 40, new TcxListBox(m_panel));
    box.m_complexData =
        new TableComplexData({{{0, "Salaires"}, {1, "x"}}, {{1, "x"}}, {{0, "\xE0 d\xE9"}}});
    list->AddItem("ancienne ligne", nullptr);
    box.m_refreshEnabled = false;
    TControlDisplayInfo* info = nullptr;
    box.Update(info);
    EXPECT_EQ(list->GetItem(0), "ancienne ligne");
    box.m_refreshEnabled = true;
    box.Update(info);
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->GetItem(0) + "|" + list->GetItem(1), "Salaires|");
    EXPECT_EQ(list->item(2)->text(), QString::fromUtf8("à dé"));
    box.SetItemIndex(2);
    box.Delete();
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(info, nullptr);
}
