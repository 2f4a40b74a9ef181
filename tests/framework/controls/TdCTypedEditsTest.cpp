#include "controls/TdCcxEditDate.h"
#include "controls/TdCcxEditNum.h"
#include "controls/TdCcxEditStr.h"
#include "controls/TdCcxEditTel.h"

#include "ControlTest.h"

#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditStr.h"
#include "TcxEditTel.h"

#include <QTest>

#include <cstdlib>

namespace {

class TdCcxEditTelTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_tel = new TcxEditTel(m_panel);
        m_control.m_lettrage = 40;
        m_control.m_component = m_tel;
    }

    TcxEditTel* m_tel = nullptr;
    TdCcxEditTel m_control;
};

TEST_F(TdCcxEditTelTest, EmptyAndShortBlankValuesShowTheFullMask)
{
    structLettre* lettre = Add(40, "");
    m_tel->SetText("01.02.03.04.05");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_tel->GetText(), "  .  .  .  .  ");
    m_tel->SetText("01.02.03.04.05");
    MetValeurLettre(lettre, "  .  .  .  .");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_tel->GetText(), "  .  .  .  .  ");
    MetValeurLettre(lettre, "01.23.45.67.89");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_tel->GetText(), "01.23.45.67.89");
    EXPECT_EQ(Lines().front(), "----TEditTel::LettrageVersEcran() lettrage: 40 valeur: ");
}

TEST_F(TdCcxEditTelTest, UntouchedBlankFieldStoresTheMaskAndTypingStoresTheNumber)
{
    structLettre* lettre = Add(40, nullptr);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "  .  .  .  .  ");
    QTest::keyClicks(m_tel, "0612345678");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "06.12.34.56.78");
    EXPECT_EQ(Lines().back(),
              "----TcxEditTel::EcranVersLettrage() lettrage: 40 valeur: 06.12.34.56.78");
}

TEST_F(TdCcxEditTelTest, IdentifierSelectionAndGate)
{
    m_control.SetIdValue();
    EXPECT_EQ(GetWindowLongA(m_tel, GWL_ID), 40);
    Add(40, "01.23.45.67.89", 2);
    m_control.UpdateSelection(m_liste);
    EXPECT_FALSE(m_tel->GetEnabled());
    m_control.m_refreshEnabled = false;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_tel->GetText(), "  .  .  .  .  ");
}

// Activation is shared by the text, amount and date fields; the text field shows it.
class TdCcxEditStrTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_str = new TcxEditStr(m_panel);
        m_str->Switchable = true;
        m_control.m_lettrage = 50;
        m_control.m_lettrageCalcul = 51;
        m_control.m_lettrageActivation = 52;
        m_control.m_component = m_str;
        m_lettre = Add(50, "saisi");
        m_calcul = Add(51, "calcul\xE9");
        m_etat = Add(52, "1");
    }

    bool ActivatedBy(const char* etat)
    {
        MetValeurLettre(m_etat, etat);
        m_control.LettrageVersEcran(m_liste, m_listeStatic);
        return m_str->GetActivated();
    }

    TcxEditStr* m_str = nullptr;
    TdCcxEditStr m_control;
    structLettre* m_lettre = nullptr;
    structLettre* m_calcul = nullptr;
    structLettre* m_etat = nullptr;
};

TEST_F(TdCcxEditStrTest, EditStateTwoActivatesAsAtolReadsIt)
{
    EXPECT_TRUE(ActivatedBy("2"));
    EXPECT_FALSE(ActivatedBy("1"));
    EXPECT_TRUE(ActivatedBy("02"));
    EXPECT_FALSE(ActivatedBy(""));
    EXPECT_TRUE(ActivatedBy("2x"));
    EXPECT_FALSE(ActivatedBy(nullptr));
    EXPECT_FALSE(ActivatedBy("99999999999999999999999"));
    ActivatedBy("2");
    m_control.m_lettrageActivation = 99; // no such letter
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_FALSE(m_str->GetActivated());
}

TEST_F(TdCcxEditStrTest, ShowsTheResultAndTheOwnLetter)
{
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_str->GetCalculateText(), "calcul\xE9");
    EXPECT_EQ(m_str->GetText(), "saisi");
    EXPECT_EQ(m_str->text(), QString::fromUtf8("calculé")); // not activated: the result shows
    EXPECT_EQ(Lines(), std::vector<std::string>{
                           "----TcxEditStr::LettrageVersEcran() lettrage: 50 valeur: saisi"});
    // A missing entered-value letter leaves the result as it was.
    m_control.m_lettrageCalcul = 98;
    MetValeurLettre(m_calcul, "autre");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_str->GetCalculateText(), "calcul\xE9");
}

TEST_F(TdCcxEditStrTest, FieldThatIsNotSwitchableIgnoresTheLinkedLetters)
{
    m_str->Switchable = false;
    MetValeurLettre(m_etat, "2");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_TRUE(m_str->GetActivated());
    EXPECT_EQ(m_str->GetCalculateText(), "");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_etat), "2");
}

TEST_F(TdCcxEditStrTest, StoreWritesTheEditStateBeforeTheText)
{
    ActivatedBy("1");
    m_str->SetActivated(true);
    m_str->SetText("nouveau");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_etat), "2");
    EXPECT_EQ(Value(m_lettre), "nouveau");
    m_str->SetActivated(false);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_etat), "1");
    EXPECT_EQ(Lines().back(), "----TcxEditStr::EcranVersLettrage() lettrage: 50 valeur: nouveau");
}

TEST_F(TdCcxEditStrTest, ShortEditStateBufferIsEnlarged)
{
    MetValeurLettre(m_etat, "");
    m_str->SetActivated(true);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_etat), "2");
    // Without a value the edit-state letter is left alone.
    MetValeurLettre(m_etat, nullptr);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(m_etat->valeur, nullptr);
}

TEST_F(TdCcxEditStrTest, IdentifierGoesThroughTheWidget)
{
    m_control.SetIdValue();
    EXPECT_EQ(m_str->GetIdValue(), 50);
}

class TdCcxEditNumTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_num = new TcxEditNum(m_panel);
        m_control.m_lettrage = 60;
        m_control.m_component = m_num;
    }

    TcxEditNum* m_num = nullptr;
    TdCcxEditNum m_control;
};

TEST_F(TdCcxEditNumTest, AmountsAreReadAsAtofAndWrittenAsPercentF)
{
    structLettre* lettre = Add(60, "12,5");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 12.0);
    m_num->SetValue(-3);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "-3.000000");
    m_num->SetValue(12.5);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "12.500000");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TcxEditNum::LettrageVersEcran() lettrage: 60 valeur: 12,5",
                           "----TcxEditNum::EcranVersLettrage() lettrage: 60 valeur: -3.000000",
                           "----TcxEditNum::EcranVersLettrage() lettrage: 60 valeur: 12.500000"}));
}

TEST_F(TdCcxEditNumTest, TypedAmountIsStored)
{
    structLettre* lettre = Add(60, "0");
    QTest::keyClicks(m_num, "1234,56");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "1234.560000");
    m_num->SetText("");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "0.000000");
    MetValeurLettre(lettre, "pas un nombre");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_num->GetValue(), 0.0);
}

TEST_F(TdCcxEditNumTest, BigAmountsAreWrittenWhole)
{
    structLettre* lettre = Add(60, "1000000000000");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "1000000000000.000000");
    MetValeurLettre(lettre, "-123456789012345678");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(lettre), "-123456789012345680.000000");
    MetValeurLettre(lettre, "1e300");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(std::strtod(lettre->valeur, nullptr), 1e300);
    EXPECT_EQ(Value(lettre).substr(Value(lettre).size() - 7), ".000000");
}

TEST_F(TdCcxEditNumTest, LettersThatAreNoFiniteNumberShowBlankAndStayUntilTheUserTypes)
{
    structLettre* lettre = Add(60, nullptr);
    for (const char* valeur : {"inf", "-inf", "nan", "1e309"}) {
        MetValeurLettre(lettre, valeur);
        m_control.LettrageVersEcran(m_liste, m_listeStatic);
        EXPECT_EQ(m_num->text(), QString()) << valeur;
        m_control.EcranVersLettrage(m_liste, m_listeStatic);
        EXPECT_EQ(Value(lettre), valeur);
        QTest::keyClicks(m_num, "5");
        m_control.EcranVersLettrage(m_liste, m_listeStatic);
        EXPECT_EQ(Value(lettre), "5.000000") << valeur;
    }
}

TEST_F(TdCcxEditNumTest, WriteAmountIsBoundedAndReadAmountIsAtof)
{
    char small[8];
    EXPECT_EQ(TdCcxEditNum::WriteAmount(1234.5, small, sizeof small), 11u);
    EXPECT_STREQ(small, "1234.50");
    EXPECT_EQ(TdCcxEditNum::ReadAmount("  -12.5abc"), -12.5);
    EXPECT_EQ(TdCcxEditNum::ReadAmount("+7"), 7.0);
    EXPECT_EQ(TdCcxEditNum::ReadAmount("x"), 0.0);
    EXPECT_EQ(TdCcxEditNum::ReadAmount(nullptr), 0.0);
}

TEST_F(TdCcxEditNumTest, EnteredValueLetterStandsInForAFrozenLetter)
{
    structLettre* own = Add(60, "1", 2);
    structLettre* entered = Add(5, "77");
    m_control.m_lettrageCalcul = 5;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 77.0);
    m_num->SetValue(80);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(entered), "80.000000");
    EXPECT_EQ(Value(own), "1");
    EXPECT_EQ(Lines().back(), "----TcxEditNum::EcranVersLettrage() lettrage: 5 valeur: 80.000000");
}

TEST_F(TdCcxEditNumTest, NoSubstitutionWithoutItsThreeConditions)
{
    structLettre* own = Add(60, "1", 2);
    Add(0, "55");
    Add(5, "77");
    m_control.m_lettrageCalcul = 0; // strictly greater than 0 is required
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 1.0);
    m_control.m_lettrageCalcul = 5;
    own->select = 1;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 1.0);
    own->select = 2;
    m_control.m_lettrageActivation = 61;
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 1.0);
}

TEST_F(TdCcxEditNumTest, SwitchableAmountShowsItsResult)
{
    m_num->Switchable = true;
    m_control.m_lettrageCalcul = 61;
    m_control.m_lettrageActivation = 62;
    Add(60, "10");
    Add(61, "2500.75");
    structLettre* etat = Add(62, "1");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_FALSE(m_num->GetActivated());
    EXPECT_EQ(m_num->text(), QStringLiteral("2 500,75"));
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 10.0);
    m_num->SetActivated(true);
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(etat), "2");
}

class TdCcxEditDateTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_date = new TcxEditDate(m_panel);
        m_control.m_lettrage = 70;
        m_control.m_component = m_date;
        m_lettre = Add(70, nullptr);
    }

    void Show(const char* valeur)
    {
        MetValeurLettre(m_lettre, valeur);
        m_control.LettrageVersEcran(m_liste, m_listeStatic);
    }

    TcxEditDate* m_date = nullptr;
    TdCcxEditDate m_control;
    structLettre* m_lettre = nullptr;
};

TEST_F(TdCcxEditDateTest, UntouchedDatesComeBackAndAPartlyTypedOneStaysOnScreen)
{
    // A switchable date shown as its result (edit state "1") is stored back the same.
    m_date->Switchable = true;
    m_control.m_lettrageActivation = 71;
    structLettre* etat = Add(71, "1");
    Show("15/05/2025");
    EXPECT_FALSE(m_date->GetActivated());
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_lettre), "15/05/2025");
    EXPECT_EQ(Value(etat), "1");

    // Partly typed: stored as "", and kept for the user to complete when shown again.
    MetValeurLettre(etat, "2");
    Show("15/05/2025");
    m_date->clear();
    QTest::keyClicks(m_date, "0306");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_lettre), "");
    m_control.LettrageVersEcran(m_liste, m_listeStatic);
    EXPECT_EQ(m_date->GetText(), "03/06/    ");
    // Emptied by the model itself (a re-initialisation), the letter empties the field.
    Show("");
    EXPECT_EQ(m_date->GetText(), TdCcxEditDate::kBlank);
}

TEST_F(TdCcxEditDateTest, CompleteDateGoesToTheResultOrToTheEntry)
{
    m_date->SetActivated(false);
    Show("12/03/2005");
    EXPECT_EQ(m_date->GetCalculateText(), "12/03/2005");
    EXPECT_EQ(m_date->GetText(), "  /  /    ");
    m_date->SetActivated(true);
    Show("01/02/2003");
    EXPECT_EQ(m_date->GetText(), "01/02/2003");
    EXPECT_EQ(m_date->GetCalculateText(), "12/03/2005");
    EXPECT_EQ(Lines().back(),
              "----TcxEditDate::LettrageVersEcran() lettrage: 70 valeur: 01/02/2003");
}

TEST_F(TdCcxEditDateTest, EmptyShowsTheMaskShortOrBlankValuesChangeNothing)
{
    Show("12/03/2005");
    Show("");
    EXPECT_EQ(m_date->GetText(), "  /  /    ");
    Show("12/03/2005");
    Show("1");
    EXPECT_EQ(m_date->GetText(), "12/03/2005");
    Show("12/03/ 005");
    EXPECT_EQ(m_date->GetText(), "12/03/2005");
    Show(nullptr);
    EXPECT_EQ(m_date->GetText(), "12/03/2005");
}

TEST_F(TdCcxEditDateTest, OnlyACompleteDateIsStored)
{
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_lettre), "");
    QTest::keyClicks(m_date, "120320");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_lettre), "");
    QTest::keyClicks(m_date, "05");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(m_lettre), "12/03/2005");
    EXPECT_EQ(Lines().back(),
              "----TcxEditDate::EcranVersLettrage() lettrage: 70 valeur: 12/03/2005");
}

TEST_F(TdCcxEditDateTest, SwitchableDateFollowsItsEditState)
{
    m_date->Switchable = true;
    m_control.m_lettrageActivation = 71;
    structLettre* etat = Add(71, "2");
    Show("24/12/2010");
    EXPECT_TRUE(m_date->GetActivated());
    EXPECT_EQ(m_date->GetText(), "24/12/2010");
    MetValeurLettre(etat, "1");
    Show("25/12/2010");
    EXPECT_FALSE(m_date->GetActivated());
    EXPECT_EQ(m_date->GetCalculateText(), "25/12/2010");
    m_control.EcranVersLettrage(m_liste, m_listeStatic);
    EXPECT_EQ(Value(etat), "1");
    EXPECT_EQ(Value(m_lettre), "24/12/2010");
}

} // namespace
