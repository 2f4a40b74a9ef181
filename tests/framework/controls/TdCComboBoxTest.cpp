#include "controls/TdCComboBox.h"

#include "TableComplexData.h"

#include "ControlTest.h"
#include "ScriptedDialogs.h"
#include "TcxComboBox.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kLettreAbsente = "La lettre de la ComboBox n'existe pas dans la liste de lettre";
const std::string kValeurAbsente = "La valeur \xE0 afficher n'est pas pr\xE9sente dans les donn\xE9"
                                   "es de la ComboBox";
const std::string kIndexNegatif = "L'index de la ComboBox est n\xE9gatif";

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

} // namespace

TEST_F(TdCComboBoxTest, UpdateFillsCodesAndLabelsUnlessRefreshIsOff)
{
    LogCapture log;
    Fill();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sept", "Douze \xE9t\xE9", "Moins trois"}));
    EXPECT_EQ(data->lastList, kLettrage);
    ASSERT_TRUE(ComboSelectCode(combo, -3));
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TcxComboBox::Update()"});

    data->lines = {{{0, "abc"}, {1, "Sans code"}}, {{1, "Sans colonne"}}};
    Fill();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sans code", "Sans colonne"}));
    ASSERT_TRUE(ComboSelectCode(combo, 0)) << "unreadable codes become 0";
    EXPECT_EQ(combo->GetItemIndex(), 0);

    data->lines.clear();
    control.m_refreshEnabled = false;
    log.clear();
    Fill();
    EXPECT_EQ(Labels().size(), 2u);
    EXPECT_EQ(data->begins, 2);
    EXPECT_TRUE(log.messages().empty());
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
        {"8", true, 1, kValeurAbsente},
        {nullptr, true, 1, kLettreAbsente}};
    for (const auto& [valeur, refresh, index, message] : cases) {
        SCOPED_TRACE(valeur ? valeur : "(null)");
        ComboSelectCode(combo, 12);
        MetValeurLettre(lettre, valeur);
        control.m_refreshEnabled = refresh;
        ScriptedDialogs dialogs;
        LogCapture log;
        Show(control);
        EXPECT_EQ(combo->GetItemIndex(), index);
        ASSERT_EQ(dialogs.count(), message.empty() ? 0u : 1u);
        if (message.empty()) {
            EXPECT_EQ(log.messages(),
                      std::vector<std::string>{"----TcxComboBox::LettrageVersEcran() lettrage: 5 "
                                               "valeur: " +
                                               std::string(valeur)});
            continue;
        }
        EXPECT_EQ(dialogs.textOf(0), message);
        EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Stop);
        EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OK);
        EXPECT_TRUE(log.messages().empty());
    }
    EXPECT_EQ(combo->GetText(), "Douze \xE9t\xE9");
}

TEST_F(TdCComboBoxTest, StoringWritesTheSelectedCodeOrKeepsTheLetterWithoutALine)
{
    Fill();
    MetValeurLettre(lettre, "7");
    ScriptedDialogs dialogs;
    LogCapture log;
    Store(control);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kIndexNegatif);
    EXPECT_STREQ(lettre->valeur, "7");
    EXPECT_TRUE(log.messages().empty());

    ComboSelectCode(combo, 12);
    Store(control);
    EXPECT_STREQ(lettre->valeur, "12");
    EXPECT_EQ(log.messages(), std::vector<std::string>{
                                  "----TcxComboBox::EcranVersLettrage() lettrage: 5 valeur: 12"});
    ComboSelectCode(combo, -3);
    Store(control);
    EXPECT_STREQ(lettre->valeur, "-3");
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

TEST_F(TdCComboBoxTest, MissingLetterWidgetOrDataMakeTheTransfersSilent)
{
    Fill();
    ComboSelectCode(combo, 7);
    MetValeurLettre(lettre, "12");
    ScriptedDialogs dialogs;
    LogCapture log;
    TPanel notACombo;
    TdCComboBox others[3];
    const std::pair<short, TComponent*> bindings[] = {
        {99, combo}, {kLettrage, &notACombo}, {kLettrage, combo}};
    TControlDisplayInfo* info = nullptr;
    for (int i = 0; i < 3; ++i) {
        others[i].m_lettrage = bindings[i].first;
        others[i].m_component = bindings[i].second;
        others[i].m_complexData = i < 2 ? new TableComplexData() : nullptr;
        Show(others[i]);
        Store(others[i]);
        if (i > 0) // the first would rightly fill the combo from its source
            others[i].Update(info);
    }
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_TRUE(log.messages().empty());
    EXPECT_STREQ(lettre->valeur, "12");
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(info, nullptr);
}

TEST_F(TdCComboBoxTest, SelectionIdentifierHelpLineAndFocusReachTheCombo)
{
    MetValeurLettre(lettre, "7");
    const std::tuple<short, const char*, bool> selections[] = {
        {2, "7", false}, {1, "7", true}, {2, nullptr, true}}; // no value: the state is kept
    for (const auto& [select, valeur, enabled] : selections) {
        MetValeurLettre(lettre, valeur);
        MetSelectionLettre(lettre, select);
        control.UpdateSelection(m_liste);
        EXPECT_EQ(combo->GetEnabled(), enabled);
    }
    control.SetIdValue();
    EXPECT_EQ(combo->GetIdValue(), kLettrage);
    EXPECT_EQ(GetWindowLongA(combo->Handle(), GWL_ID), kLettrage);
    control.SetHelpContext(4711);
    EXPECT_EQ(combo->GetHelpContext(), 4711);
    Fill();
    EXPECT_TRUE(control.SelectLine(12));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_FALSE(control.SelectLine(99));
    EXPECT_EQ(combo->GetItemIndex(), 1);

    m_panel->show();
    QApplication::setActiveWindow(m_panel);
    combo->SetEnabled(false);
    control.SetFocus();
    EXPECT_FALSE(combo->hasFocus());
    combo->SetEnabled(true);
    control.SetFocus();
    EXPECT_TRUE(combo->hasFocus());
}
