#include "controls/TdCCheckBox.h"
#include "controls/TdCRadioButton.h"

#include "ControlTest.h"

#include "TcxCheckBox.h"
#include "TcxRadioButton.h"

namespace {

class TdCCheckBoxTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_box = new TcxCheckBox(m_panel);
        m_control.m_lettrage = 30;
        m_control.m_component = m_box;
    }

    void Show(const char* valeur)
    {
        MetValeurLettre(m_lettre, valeur);
        m_control.LettrageVersEcran(m_liste, m_listeStatic);
    }

    std::string Store(bool checked)
    {
        m_box->SetChecked(checked);
        m_control.EcranVersLettrage(m_liste, m_listeStatic);
        return Value(m_lettre);
    }

    TcxCheckBox* m_box = nullptr;
    TdCCheckBox m_control;
    structLettre* m_lettre = nullptr;
};

TEST_F(TdCCheckBoxTest, DefaultCodesAreOneAndTwo)
{
    m_lettre = Add(30, "1");
    Show("1");
    EXPECT_TRUE(m_box->GetChecked());
    Show("2");
    EXPECT_FALSE(m_box->GetChecked());
    EXPECT_EQ(Store(false), "2");
    EXPECT_EQ(Store(true), "1");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TCheckBox::LettrageVersEcran() lettrage: 30 valeur: 1",
                           "----TCheckBox::LettrageVersEcran() lettrage: 30 valeur: 2",
                           "----TCheckBox::EcranVersLettrage() lettrage: 30 valeur: 2",
                           "----TCheckBox::EcranVersLettrage() lettrage: 30 valeur: 1"}));
}

TEST_F(TdCCheckBoxTest, CodeZeroMeansOneChecked)
{
    m_lettre = Add(30, nullptr);
    m_control.SetOuiNon('0');
    EXPECT_EQ(m_control.m_codeCoche, '1');
    EXPECT_EQ(m_control.m_codeNonCoche, '0');
    Show("1 et la suite");
    EXPECT_TRUE(m_box->GetChecked());
    Show("0");
    EXPECT_FALSE(m_box->GetChecked());
    Show("1");
    Show("x");
    EXPECT_FALSE(m_box->GetChecked());
    EXPECT_EQ(Store(false), "0");
    EXPECT_EQ(Store(true), "1");
}

TEST_F(TdCCheckBoxTest, OtherCodesPairWithTheNextCharacter)
{
    m_control.SetOuiNon('A');
    EXPECT_EQ(m_control.m_codeCoche, 'A');
    EXPECT_EQ(m_control.m_codeNonCoche, 'B');
    m_control.SetOuiNon('O');
    m_lettre = Add(30, "O");
    Show("O");
    EXPECT_TRUE(m_box->GetChecked());
    EXPECT_EQ(Store(false), "P");
}

TEST_F(TdCCheckBoxTest, GatedShowButStoreAlwaysWritesTwoBytes)
{
    m_lettre = Add(30, "une longue valeur");
    m_control.m_refreshEnabled = false;
    Show("1");
    EXPECT_FALSE(m_box->GetChecked());
    EXPECT_EQ(Store(true), "1");
    EXPECT_EQ(Lines().size(), 1u);
}

TEST_F(TdCCheckBoxTest, NullValueLeavesTheBoxAndEmptyValueUnchecks)
{
    m_lettre = Add(30, nullptr);
    m_box->SetChecked(true);
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_TRUE(m_box->GetChecked());
    Show("");
    EXPECT_FALSE(m_box->GetChecked());
}

TEST_F(TdCCheckBoxTest, SelectionAndHelp)
{
    m_lettre = Add(30, "1", 0);
    m_control.UpdateSelection(m_liste);
    EXPECT_FALSE(m_box->GetEnabled());
    m_control.SetHelpContext(5);
    EXPECT_EQ(m_box->GetHelpContext(), 5);
    TdCCheckBox copy(m_control);
    EXPECT_TRUE(copy == m_control);
    copy.SetOuiNon('0');
    EXPECT_FALSE(copy == m_control);
}

class TdCRadioButtonTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_button = new TcxRadioButton(m_panel);
        m_control.m_lettrage = 31;
        m_control.m_component = m_button;
    }

    TcxRadioButton* m_button = nullptr;
    TdCRadioButton m_control;
};

TEST_F(TdCRadioButtonTest, CheckedExactlyWhenTheValueStartsWithOne)
{
    structLettre* lettre = Add(31, "1 oui");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_TRUE(m_button->GetChecked());
    MetValeurLettre(lettre, "0");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_FALSE(m_button->GetChecked());
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TRadioButton::LettrageVersEcran() lettrage: 31 valeur: 1 oui",
                           "----TRadioButton::LettrageVersEcran() lettrage: 31 valeur: 0"}));
}

TEST_F(TdCRadioButtonTest, NotGatedAndStoresOneOrZero)
{
    structLettre* lettre = Add(31, "1");
    m_control.m_refreshEnabled = false;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_TRUE(m_button->GetChecked());
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "1");
    m_button->SetChecked(false);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "0");
    EXPECT_EQ(Lines().back(), "----TRadioButton::EcranVersLettrage() lettrage: 31 valeur: 0");
}

TEST_F(TdCRadioButtonTest, SelectionAndHelp)
{
    Add(31, "0", 2);
    m_control.UpdateSelection(m_liste);
    EXPECT_FALSE(m_button->GetEnabled());
    m_control.SetHelpContext(6);
    EXPECT_EQ(m_button->GetHelpContext(), 6);
}

} // namespace
