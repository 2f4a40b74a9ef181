#include "controls/TdCComboBox.h"

#include "TableComplexData.h"

#include "TPanel.h"
#include "TcxComboBox.h"
#include "qlettre.h"

#include "GestureFlush.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>
#include <sstream>
#include <string>
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

class TdCComboBoxTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        {
            TcxComboBox warmUp;
            ComboAdd(&warmUp, "a", 1);
        }
        flushQtEvents();
        flushDeletedGestures();
    }

    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        combo = std::make_unique<TcxComboBox>();
        control.m_lettrage = kLettrage;
        control.m_component = combo.get();
        data = new TableComplexData({{{0, "7"}, {1, "Sept"}},
                                     {{0, "12"}, {1, "Douze \xE9t\xE9"}},
                                     {{0, "-3"}, {1, "Moins trois"}}});
        control.m_complexData = data; // owned by the control
        lettre = AjouteLettre(&letters, kLettrage, 0, 0, 0, 1, 0);
    }

    void TearDown() override
    {
        LibereLettre(&letters);
        combo.reset();
        flushDeletedGestures();
        QtLeakCheckedTest::TearDown();
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

    std::unique_ptr<TcxComboBox> combo;
    TdCComboBox control;
    TableComplexData* data = nullptr;
    structLettre* letters = nullptr;
    structLettre* lettre = nullptr;
};

} // namespace

TEST_F(TdCComboBoxTest, UpdateFillsTheLinesWithCodesAndLabels)
{
    LogCapture log;
    Fill();

    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sept", "Douze \xE9t\xE9", "Moins trois"}));
    EXPECT_EQ(data->lastList, kLettrage);
    ASSERT_TRUE(ComboSelectCode(combo.get(), -3));
    EXPECT_EQ(combo->GetItemIndex(), 2);
    EXPECT_EQ(log.messages(), std::vector<std::string>{"----TcxComboBox::Update()"});
}

TEST_F(TdCComboBoxTest, UpdateReplacesTheOldLines)
{
    Fill();
    data->lines() = {{{0, "1"}, {1, "Un"}}};
    Fill();
    EXPECT_EQ(Labels(), std::vector<std::string>{"Un"});
}

TEST_F(TdCComboBoxTest, UpdateWhileRefreshIsOffKeepsTheOldLines)
{
    Fill();
    data->lines().clear();
    control.m_refreshEnabled = false;
    LogCapture log;

    Fill();

    EXPECT_EQ(Labels().size(), 3u);
    EXPECT_EQ(data->begins, 1);
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TdCComboBoxTest, AnEmptySourceLeavesNoLine)
{
    Fill();
    data->lines().clear();
    Fill();
    EXPECT_TRUE(Labels().empty());
}

TEST_F(TdCComboBoxTest, UnreadableCodesBecomeZero)
{
    data->lines() = {{{0, "abc"}, {1, "Sans code"}}, {{1, "Sans colonne"}}};
    Fill();
    ASSERT_TRUE(ComboSelectCode(combo.get(), 0));
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->count(), 2);
}

TEST_F(TdCComboBoxTest, ShowingSelectsTheLineOfTheLettersCode)
{
    Fill();
    MetValeurLettre(lettre, "7");
    ScriptedDialogs dialogs;
    LogCapture log;

    control.LettrageVersEcran(letters, nullptr);

    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->GetText(), "Sept");
    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(log.messages(), std::vector<std::string>{
                                  "----TcxComboBox::LettrageVersEcran() lettrage: 5 valeur: 7"});
}

TEST_F(TdCComboBoxTest, ShowingACodeNoLineHasIsAnErrorAndLogsNothing)
{
    Fill();
    ComboSelectCode(combo.get(), 12);
    MetValeurLettre(lettre, "8");
    ScriptedDialogs dialogs;
    LogCapture log;

    control.LettrageVersEcran(letters, nullptr);

    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kValeurAbsente);
    EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Stop);
    EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OK);
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TdCComboBoxTest, ShowingALetterWithoutValueIsAnError)
{
    Fill();
    ScriptedDialogs dialogs;
    control.LettrageVersEcran(letters, nullptr);
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kLettreAbsente);
}

TEST_F(TdCComboBoxTest, ShowingIsNotHeldBackByTheRefreshFlag)
{
    Fill();
    MetValeurLettre(lettre, "12");
    control.m_refreshEnabled = false;
    control.LettrageVersEcran(letters, nullptr);
    EXPECT_EQ(combo->GetItemIndex(), 1);
}

TEST_F(TdCComboBoxTest, StoringWritesTheSelectedCodeInDecimal)
{
    Fill();
    MetValeurLettre(lettre, "7");
    ComboSelectCode(combo.get(), 12);
    LogCapture log;

    control.EcranVersLettrage(letters, nullptr);

    EXPECT_STREQ(lettre->valeur, "12");
    EXPECT_EQ(log.messages(), std::vector<std::string>{
                                  "----TcxComboBox::EcranVersLettrage() lettrage: 5 valeur: 12"});

    ComboSelectCode(combo.get(), -3);
    control.EcranVersLettrage(letters, nullptr);
    EXPECT_STREQ(lettre->valeur, "-3");
}

TEST_F(TdCComboBoxTest, StoringWithNoLineSelectedIsAnErrorAndKeepsTheLetter)
{
    Fill();
    MetValeurLettre(lettre, "7");
    ScriptedDialogs dialogs;
    LogCapture log;

    control.EcranVersLettrage(letters, nullptr);

    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kIndexNegatif);
    EXPECT_STREQ(lettre->valeur, "7");
    EXPECT_TRUE(log.messages().empty());
}

TEST_F(TdCComboBoxTest, TheDataSourceConvertsBetweenLetterValuesAndCodes)
{
    auto* ouiNon = new OuiNonData({{{0, "1"}, {1, "Oui"}}, {{0, "2"}, {1, "Non"}}});
    delete control.m_complexData;
    control.m_complexData = ouiNon;
    Fill();
    MetValeurLettre(lettre, "N");

    control.LettrageVersEcran(letters, nullptr);
    EXPECT_EQ(combo->GetText(), "Non");

    ComboSelectCode(combo.get(), 1);
    control.EcranVersLettrage(letters, nullptr);
    EXPECT_STREQ(lettre->valeur, "O");
}

TEST_F(TdCComboBoxTest, MissingLetterWidgetOrDataMakeTheTransfersSilent)
{
    Fill();
    ComboSelectCode(combo.get(), 7);
    MetValeurLettre(lettre, "12");
    ScriptedDialogs dialogs;
    LogCapture log;

    TdCComboBox other;
    other.m_lettrage = 99; // no such letter
    other.m_component = combo.get();
    other.m_complexData = new TableComplexData();
    other.LettrageVersEcran(letters, nullptr);
    other.EcranVersLettrage(letters, nullptr);

    TPanel notACombo;
    TdCComboBox wrongWidget;
    wrongWidget.m_lettrage = kLettrage;
    wrongWidget.m_component = &notACombo;
    wrongWidget.m_complexData = new TableComplexData();
    wrongWidget.LettrageVersEcran(letters, nullptr);
    wrongWidget.EcranVersLettrage(letters, nullptr);
    TControlDisplayInfo* info = nullptr;
    wrongWidget.Update(info);

    TdCComboBox noData;
    noData.m_lettrage = kLettrage;
    noData.m_component = combo.get();
    noData.LettrageVersEcran(letters, nullptr);
    noData.EcranVersLettrage(letters, nullptr);
    noData.Update(info);

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_TRUE(log.messages().empty());
    EXPECT_STREQ(lettre->valeur, "12");
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(info, nullptr);
}

TEST_F(TdCComboBoxTest, SelectionEnablesTheComboWhenTheLetterMayBeEntered)
{
    MetValeurLettre(lettre, "7");
    MetSelectionLettre(lettre, 2);
    control.UpdateSelection(letters);
    EXPECT_FALSE(combo->GetEnabled());

    MetSelectionLettre(lettre, 1);
    control.UpdateSelection(letters);
    EXPECT_TRUE(combo->GetEnabled());

    MetValeurLettre(lettre, nullptr); // no value: the state is not applied
    MetSelectionLettre(lettre, 2);
    control.UpdateSelection(letters);
    EXPECT_TRUE(combo->GetEnabled());
}

TEST_F(TdCComboBoxTest, IdValueAndWindowIdentifierBecomeTheLettrage)
{
    control.SetIdValue();
    EXPECT_EQ(combo->GetIdValue(), kLettrage);
    EXPECT_EQ(GetWindowLongA(combo->Handle(), GWL_ID), kLettrage);
}

TEST_F(TdCComboBoxTest, HelpContextAndSelectLine)
{
    control.SetHelpContext(4711);
    EXPECT_EQ(combo->GetHelpContext(), 4711);

    Fill();
    EXPECT_TRUE(control.SelectLine(12));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_FALSE(control.SelectLine(99));
    EXPECT_EQ(combo->GetItemIndex(), 1);
}

TEST_F(TdCComboBoxTest, FocusGoesOnlyToAnEnabledCombo)
{
    TPanel window;
    combo->setParent(&window);
    window.show();
    QApplication::setActiveWindow(&window);

    combo->SetEnabled(false);
    control.SetFocus();
    EXPECT_FALSE(combo->hasFocus());

    combo->SetEnabled(true);
    control.SetFocus();
    EXPECT_TRUE(combo->hasFocus());
    combo->setParent(nullptr);
}

TEST_F(TdCComboBoxTest, ACopyNeverOwnsTheListDataAndAssignmentTakesLettrageAndWidgetOnly)
{
    const TdCComboBox copy(control);
    EXPECT_EQ(copy.m_complexData, nullptr);
    EXPECT_EQ(copy.m_lettrage, kLettrage);
    EXPECT_EQ(copy.m_component, combo.get());

    TdCComboBox assigned;
    assigned.m_refreshEnabled = false;
    assigned.m_lettrageCalcul = 8;
    assigned = control;
    EXPECT_EQ(assigned.m_lettrage, kLettrage);
    EXPECT_EQ(assigned.m_component, combo.get());
    EXPECT_EQ(assigned.m_complexData, nullptr);
    EXPECT_FALSE(assigned.m_refreshEnabled);
    EXPECT_EQ(assigned.m_lettrageCalcul, 8);

    const TdCComboBox& same = assigned;
    assigned = same;
    EXPECT_EQ(assigned.m_lettrage, kLettrage);
    // Each destructor then frees only its own list data (checked by the sanitizer build).
}
