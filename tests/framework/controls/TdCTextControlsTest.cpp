#include "controls/TdCEdit.h"
#include "controls/TdCLabel.h"
#include "controls/TdCMemo.h"
#include "controls/TdCPanel.h"
#include "controls/TdCcxKelLabel.h"
#include "controls/TdCcxKelMemo.h"
#include "controls/TdCcxLabelTitle.h"

#include "ControlTest.h"

#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TcxKelLabel.h"
#include "TcxKelMemo.h"
#include "TcxLabelTitle.h"

#include <QApplication>

namespace {

std::string EveryByte()
{
    std::string text;
    for (int byte = 1; byte < 256; ++byte)
        text += static_cast<char>(byte);
    return text;
}

class TdCEditTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_edit = new TEdit(m_panel);
        m_control.m_lettrage = 10;
        m_control.m_component = m_edit;
    }

    TEdit* m_edit = nullptr;
    TdCEdit m_control;
};

TEST_F(TdCEditTest, ShowsTheLetterAndTracesIt)
{
    Add(10, "Dupont \xE9"
            "pouse Martin");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_edit->text(), QString::fromUtf8("Dupont épouse Martin"));
    EXPECT_EQ(Lines(), std::vector<std::string>{
                           "----TEdit::LettrageVersEcran() lettrage: 10 valeur: Dupont \xE9"
                           "pouse Martin"});
}

TEST_F(TdCEditTest, StoresTheTextWholeAndTracesIt)
{
    structLettre* lettre = Add(10, "ancien");
    m_edit->SetText("nouvelle valeur plus longue");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "nouvelle valeur plus longue");
    EXPECT_EQ(Lines(), std::vector<std::string>{"----TEdit::EcranVersLettrage() lettrage: 10 "
                                                "valeur: nouvelle valeur plus longue"});
    m_edit->SetText("");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "");
}

TEST_F(TdCEditTest, EveryWindows1252ByteMakesTheRoundTrip)
{
    structLettre* lettre = Add(10, EveryByte().c_str());
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    MetValeurLettre(lettre, nullptr);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), EveryByte());
}

TEST_F(TdCEditTest, AbsentLetterChangesNothingAndLogsNothing)
{
    structLettre* other = Add(11, "autre");
    m_edit->SetText("saisie");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    m_control.UpdateSelection(m_liste);
    EXPECT_EQ(m_edit->GetText(), "saisie");
    EXPECT_EQ(Value(other), "autre");
    EXPECT_TRUE(m_edit->GetEnabled());
    EXPECT_TRUE(Lines().empty());
}

TEST_F(TdCEditTest, WidgetOfAnotherClassIsLeftAlone)
{
    auto* memo = new TMemo(m_panel);
    m_control.m_component = memo;
    structLettre* lettre = Add(10, "valeur");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    m_control.SetIdValue();
    EXPECT_EQ(memo->GetText(), "");
    EXPECT_EQ(Value(lettre), "valeur");
    EXPECT_EQ(GetWindowLongA(memo, GWL_ID), 0);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(TdCEditTest, NullValueLeavesTheWidgetButIsTraced)
{
    Add(10, nullptr);
    m_edit->SetText("garde");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_edit->GetText(), "garde");
    EXPECT_EQ(Lines(), std::vector<std::string>{
                           "----TEdit::LettrageVersEcran() lettrage: 10 valeur: (null)"});
}

TEST_F(TdCEditTest, WhileRefreshIsOffTheTypedTextStaysButIsStillStored)
{
    structLettre* lettre = Add(10, "ancienne");
    m_edit->SetText("en cours de saisie");
    m_control.m_refreshEnabled = false;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_edit->GetText(), "en cours de saisie");
    EXPECT_TRUE(Lines().empty());
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "en cours de saisie");
}

TEST_F(TdCEditTest, SelectionEnablesAndColours)
{
    structLettre* lettre = Add(10, "x", 2);
    m_control.UpdateSelection(m_liste);
    EXPECT_FALSE(m_edit->GetEnabled());
    EXPECT_EQ(m_edit->GetColor(), clBtnFace);

    lettre->select = 1;
    m_control.UpdateSelection(m_liste);
    EXPECT_TRUE(m_edit->GetEnabled());
    EXPECT_EQ(m_edit->GetColor(), clWindow);
    EXPECT_EQ(m_edit->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));

    lettre->select = 2;
    MetValeurLettre(lettre, nullptr);
    m_control.UpdateSelection(m_liste);
    EXPECT_TRUE(m_edit->GetEnabled());
}

TEST_F(TdCEditTest, IdentifierFocusAndHelp)
{
    m_control.SetIdValue();
    EXPECT_EQ(GetWindowLongA(m_edit->Handle(), GWL_ID), 10);
    m_control.SetHelpContext(2051);
    EXPECT_EQ(m_edit->GetHelpContext(), 2051);

    m_panel->show();
    QApplication::setActiveWindow(m_panel);
    m_edit->SetEnabled(false);
    m_control.SetFocus();
    EXPECT_NE(QApplication::focusWidget(), m_edit);
    m_edit->SetEnabled(true);
    m_control.SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), m_edit);
}

class TdCLabelTest : public ControlTest
{};

TEST_F(TdCLabelTest, LabelsReadTheStaticListOnly)
{
    auto* label = new TLabel(m_panel);
    TdCLabel control;
    control.m_lettrage = 3;
    control.m_component = label;
    Add(3, "de la liste principale");
    structLettre* statique = AddStatic(3, "Revenus \xE0 d\xE9"
                                          "clarer");
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(label->text(), QString::fromUtf8("Revenus à déclarer"));
    label->SetText("Autre libell\xE9");
    control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(statique), "Autre libell\xE9");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{
                  "----TLabel::LettrageVersEcran() lettrage: 3 valeur: Revenus \xE0 d\xE9"
                  "clarer",
                  "----TLabel::EcranVersLettrage() lettrage: 3 valeur: Autre libell\xE9"}));
    // Not gated, and no selection.
    control.m_refreshEnabled = false;
    MetValeurLettre(statique, "encore");
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(label->GetText(), "encore");
    m_liste->select = 2;
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(label->GetEnabled());
}

TEST_F(TdCLabelTest, TitleAndLabelAreDifferentWidgets)
{
    auto* title = new TcxLabelTitle(m_panel);
    auto* label = new TLabel(m_panel);
    AddStatic(4, "Titre");
    TdCcxLabelTitle titleControl;
    titleControl.m_lettrage = 4;
    titleControl.m_component = title;
    TdCLabel labelControl;
    labelControl.m_lettrage = 4;
    labelControl.m_component = title; // not a TLabel
    labelControl.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_TRUE(Lines().empty());
    titleControl.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(title->GetText(), "Titre");
    EXPECT_EQ(label->GetText(), "");
    EXPECT_EQ(Lines(), std::vector<std::string>{
                           "----TdCcxLabelTitle::LettrageVersEcran() lettrage: 4 valeur: Titre"});
}

TEST_F(TdCLabelTest, KelLabelShowsTagsAndGivesBackItsText)
{
    auto* label = new TcxKelLabel(m_panel);
    TdCcxKelLabel control;
    control.m_lettrage = 8;
    control.m_component = label;
    structLettre* statique = AddStatic(8, "<b>Total</b> & reste");
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(label->m_text, "<b>Total</b> & reste");
    EXPECT_TRUE(label->text().contains(QStringLiteral("<b>Total</b> &amp; reste")));
    label->m_text = "modifi\xE9";
    control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(statique), "modifi\xE9");
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{
                  "----TcxKelLabel::LettrageVersEcran() lettrage: 8 valeur: <b>Total</b> & reste",
                  "----TcxKelLabel::EcranVersLettrage() lettrage: 8 valeur: modifi\xE9"}));
    // Selection comes from the list it is given.
    Add(8, "x", 2);
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(label->GetEnabled());
}

TEST_F(TdCLabelTest, PanelShowsItsLetterFromTheMainList)
{
    auto* panel = new TPanel(m_panel);
    TdCPanel control;
    control.m_lettrage = 9;
    control.m_component = panel;
    structLettre* lettre = Add(9, "L\xE9gende");
    AddStatic(9, "statique");
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(panel->GetText(), "L\xE9gende");
    panel->SetText("Autre");
    control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "Autre");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TPanel::LettrageVersEcran() lettrage: 9 valeur: L\xE9gende",
                           "----TPanel::EcranVersLettrage() lettrage: 9 valeur: Autre"}));
}

class TdCMemoTest : public ControlTest
{};

TEST_F(TdCMemoTest, MemoKeepsLineBreaksAndTracesLongerLines)
{
    auto* memo = new TMemo(m_panel);
    TdCMemo control;
    control.m_lettrage = 20;
    control.m_component = memo;
    control.SetIdValue();
    EXPECT_EQ(GetWindowLongA(memo, GWL_ID), 20);
    const std::string text = "ligne 1\r\nligne 2\xA0\xE9\r\n" + std::string(900, 'm');
    structLettre* lettre = Add(20, text.c_str());
    control.LettrageVersEcran(m_liste, m_listeStatic);
    MetValeurLettre(lettre, nullptr);
    control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), text);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "----TMemo::LettrageVersEcran() lettrage: 20 valeur: " + text);
    EXPECT_EQ(lines[1], "----TMemo::EcranVersLettrage() lettrage: 20 valeur: " + text);
}

TEST_F(TdCMemoTest, MemoIsGatedAndFollowsSelection)
{
    auto* memo = new TMemo(m_panel);
    TdCMemo control;
    control.m_lettrage = 20;
    control.m_component = memo;
    Add(20, "lettre", 3);
    memo->SetText("tape");
    control.m_refreshEnabled = false;
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(memo->GetText(), "tape");
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(memo->GetEnabled());
    control.SetHelpContext(77);
    EXPECT_EQ(memo->GetHelpContext(), 77);
}

TEST_F(TdCMemoTest, KelMemoGetsItsIdentifierThroughTheWidget)
{
    auto* memo = new TcxKelMemo(m_panel);
    TdCcxKelMemo control;
    control.m_lettrage = 21;
    control.m_component = memo;
    control.SetIdValue();
    EXPECT_EQ(memo->GetIdValue(), 21);
    structLettre* lettre = Add(21, "note");
    control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(memo->GetText(), "note");
    memo->SetText("note revue");
    control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "note revue");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TcxKelMemo::LettrageVersEcran() lettrage: 21 valeur: note",
                           "----TcxKelMemo::EcranVersLettrage() lettrage: 21 valeur: note revue"}));
    TControlDisplayInfo* info = nullptr;
    control.Update(info);
    EXPECT_EQ(info, nullptr);
}

} // namespace
