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

class TdCTypedEditsTest : public ControlTest
{};

TEST_F(TdCTypedEditsTest, PhoneShowsTheFullMaskForBlankValuesAndStoresWhatIsTyped)
{
    TdCcxEditTel control;
    auto* tel = Bind(control, 40, new TcxEditTel(m_panel));
    structLettre* lettre = Add(40, nullptr, 2);
    EXPECT_EQ(Stored(control, lettre), "  .  .  .  .  ") << "an untouched blank field";
    QTest::keyClicks(tel, "0612345678");
    EXPECT_EQ(Stored(control, lettre), "06.12.34.56.78");
    for (const char* blank : {"", "  .  .  .  ."}) {
        tel->SetText("01.02.03.04.05");
        EXPECT_EQ(Shown(control, lettre, blank), "  .  .  .  .  ") << blank;
    }
    EXPECT_EQ(Lines()[2], "----TEditTel::LettrageVersEcran() lettrage: 40 valeur: ");
    EXPECT_EQ(Shown(control, lettre, "01.23.45.67.89"), "01.23.45.67.89");
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(tel->GetEnabled());
    control.m_refreshEnabled = false;
    EXPECT_EQ(Shown(control, lettre, ""), "01.23.45.67.89");
}

// Activation is shared by the text, amount and date fields; the text field shows it.
class TdCcxEditStrTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_str = Bind(m_control, 50, new TcxEditStr(m_panel));
        m_str->Switchable = true;
        m_control.m_lettrageCalcul = 51;
        m_control.m_lettrageActivation = 52;
        m_lettre = Add(50, "saisi");
        Add(51, "calcul\xE9");
        m_etat = Add(52, "1");
    }

    TcxEditStr* m_str = nullptr;
    TdCcxEditStr m_control;
    structLettre* m_lettre = nullptr;
    structLettre* m_etat = nullptr;
};

TEST_F(TdCcxEditStrTest, EditStateTwoActivatesAsStrtolReadsItUnlessTheFieldIsNotSwitchable)
{
    const std::pair<const char*, bool> cases[] = {{"2", true},  {"1", false},
                                                  {"2x", true}, {nullptr, false},
                                                  {"02", true}, {"99999999999999999999999", false}};
    for (const auto& [etat, activated] : cases) {
        MetValeurLettre(m_etat, etat);
        Show(m_control);
        EXPECT_EQ(m_str->GetActivated(), activated) << (etat ? etat : "(null)");
    }
    MetValeurLettre(m_etat, "2");
    Show(m_control);
    m_control.m_lettrageActivation = 99; // no such letter
    Show(m_control);
    EXPECT_FALSE(m_str->GetActivated());
    m_str->Switchable = false;
    m_control.m_lettrageActivation = 52;
    Show(m_control);
    EXPECT_FALSE(m_str->GetActivated());
    EXPECT_EQ(Stored(m_control, m_etat), "2") << "not stored either";
}

TEST_F(TdCcxEditStrTest, ShowsTheResultAndTheOwnLetterAndStoresTheStateWithTheText)
{
    Show(m_control);
    EXPECT_EQ(m_str->GetCalculateText(), "calcul\xE9");
    EXPECT_EQ(m_str->GetText(), "saisi");
    EXPECT_EQ(m_str->text(), QString::fromUtf8("calculé")); // not activated: the result shows
    m_control.m_lettrageCalcul = 98; // a missing result letter leaves the result
    Show(m_control);
    EXPECT_EQ(m_str->GetCalculateText(), "calcul\xE9");

    m_str->SetActivated(true);
    m_str->SetText("nouveau");
    EXPECT_EQ(Stored(m_control, m_etat), "2");
    EXPECT_EQ(Value(m_lettre), "nouveau");
    m_str->SetActivated(false);
    EXPECT_EQ(Stored(m_control, m_etat), "1");
    MetValeurLettre(m_etat, "");
    m_str->SetActivated(true);
    EXPECT_EQ(Stored(m_control, m_etat), "2") << "a short edit-state value is enlarged";
    MetValeurLettre(m_etat, nullptr);
    Store(m_control);
    EXPECT_EQ(m_etat->valeur, nullptr) << "without a value the edit state is left alone";
}

class TdCcxEditNumTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_num = Bind(m_control, 60, new TcxEditNum(m_panel));
    }
    // The letter's value after a show and a store.
    std::string RoundTrip(structLettre* lettre, const char* valeur)
    {
        MetValeurLettre(lettre, valeur);
        Show(m_control);
        return Stored(m_control, lettre);
    }

    TcxEditNum* m_num = nullptr;
    TdCcxEditNum m_control;
};

TEST_F(TdCcxEditNumTest, AmountsAreReadAsStrtodAndWrittenWholeWithSixDecimals)
{
    structLettre* lettre = Add(60, "12,5");
    Show(m_control);
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 12.0);
    m_num->SetText("");
    QTest::keyClicks(m_num, "1234,56");
    EXPECT_EQ(Stored(m_control, lettre), "1234.560000");
    m_num->SetText("");
    EXPECT_EQ(Stored(m_control, lettre), "0.000000");
    const std::pair<const char*, const char*> trips[] = {{"pas un nombre", "0.000000"},
                                                         {"-3", "-3.000000"},
                                                         {"12.5", "12.500000"},
                                                         {"1000000000000", "1000000000000.000000"}};
    for (const auto& [valeur, stored] : trips)
        EXPECT_EQ(RoundTrip(lettre, valeur), stored);
    const std::string huge = RoundTrip(lettre, "1e300");
    EXPECT_EQ(std::strtod(huge.c_str(), nullptr), 1e300);
    EXPECT_EQ(huge.substr(huge.size() - 7), ".000000");
    EXPECT_EQ(Lines().back(), "----TcxEditNum::EcranVersLettrage() lettrage: 60 valeur: " + huge);

    char small[8];
    EXPECT_EQ(TdCcxEditNum::WriteAmount(1234.5, small, sizeof small), 11u);
    EXPECT_STREQ(small, "1234.50");
    EXPECT_EQ(TdCcxEditNum::ReadAmount("  -12.5abc"), -12.5);
    EXPECT_EQ(TdCcxEditNum::ReadAmount(nullptr), 0.0);
}

TEST_F(TdCcxEditNumTest, LettersThatAreNoFiniteNumberShowBlankAndStayUntilTheUserTypes)
{
    structLettre* lettre = Add(60, nullptr);
    for (const char* valeur : {"inf", "1e309"}) {
        EXPECT_EQ(RoundTrip(lettre, valeur), valeur);
        EXPECT_EQ(m_num->text(), QString()) << valeur;
        QTest::keyClicks(m_num, "5");
        EXPECT_EQ(Stored(m_control, lettre), "5.000000") << valeur;
    }
}

TEST_F(TdCcxEditNumTest, EnteredValueLetterStandsInForAFrozenLetterOnlyWithItsThreeConditions)
{
    structLettre* own = Add(60, "1");
    Add(0, "55");
    structLettre* entered = Add(5, "77");
    // Result letter, select flag, edit-state letter, amount shown.
    const std::tuple<short, short, short, double> cases[] = {
        {0, 2, -1, 1.0}, {5, 1, -1, 1.0}, {5, 2, 61, 1.0}, {5, 2, -1, 77.0}};
    for (const auto& [calcul, select, activation, shown] : cases) {
        m_control.m_lettrageCalcul = calcul;
        m_control.m_lettrageActivation = activation;
        own->select = select;
        Show(m_control);
        EXPECT_DOUBLE_EQ(m_num->GetValue(), shown) << calcul << select << activation;
    }
    m_num->SetValue(80);
    EXPECT_EQ(Stored(m_control, entered), "80.000000");
    EXPECT_EQ(Value(own), "1");
}

TEST_F(TdCcxEditNumTest, SwitchableAmountShowsItsResult)
{
    m_num->Switchable = true;
    m_control.m_lettrageCalcul = 61;
    m_control.m_lettrageActivation = 62;
    Add(60, "10");
    Add(61, "2500.75");
    structLettre* etat = Add(62, "1");
    Show(m_control);
    EXPECT_FALSE(m_num->GetActivated());
    EXPECT_EQ(m_num->text(), QStringLiteral("2 500,75"));
    EXPECT_DOUBLE_EQ(m_num->GetValue(), 10.0);
    m_num->SetActivated(true);
    EXPECT_EQ(Stored(m_control, etat), "2");
}

class TdCcxEditDateTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        m_date = Bind(m_control, 70, new TcxEditDate(m_panel));
        m_lettre = Add(70, nullptr);
    }
    void Show(const char* valeur)
    {
        MetValeurLettre(m_lettre, valeur);
        ControlTest::Show(m_control);
    }

    TcxEditDate* m_date = nullptr;
    TdCcxEditDate m_control;
    structLettre* m_lettre = nullptr;
};

TEST_F(TdCcxEditDateTest, OnlyACompleteDateIsShownOrStored)
{
    m_date->SetActivated(false);
    Show("12/03/2005");
    EXPECT_EQ(m_date->GetCalculateText(), "12/03/2005") << "not activated: the result";
    EXPECT_EQ(m_date->GetText(), "  /  /    ");
    m_date->SetActivated(true);
    Show("01/02/2003");
    EXPECT_EQ(m_date->GetText(), "01/02/2003");
    EXPECT_EQ(m_date->GetCalculateText(), "12/03/2005");
    for (const char* unchanged : {"1", "12/03/ 005", static_cast<const char*>(nullptr)}) {
        Show(unchanged);
        EXPECT_EQ(m_date->GetText(), "01/02/2003");
    }
    Show("");
    EXPECT_EQ(m_date->GetText(), "  /  /    ");

    EXPECT_EQ(Stored(m_control, m_lettre), "");
    QTest::keyClicks(m_date, "120320");
    EXPECT_EQ(Stored(m_control, m_lettre), "");
    QTest::keyClicks(m_date, "05");
    EXPECT_EQ(Stored(m_control, m_lettre), "12/03/2005");
}

TEST_F(TdCcxEditDateTest, SwitchableDateFollowsItsEditStateAndKeepsAPartlyTypedDate)
{
    m_date->Switchable = true;
    m_control.m_lettrageActivation = 71;
    structLettre* etat = Add(71, "1");
    Show("15/05/2025");
    EXPECT_FALSE(m_date->GetActivated());
    EXPECT_EQ(Stored(m_control, m_lettre), "15/05/2025") << "an untouched result comes back";
    EXPECT_EQ(Value(etat), "1");
    MetValeurLettre(etat, "2");
    Show("24/12/2010");
    EXPECT_TRUE(m_date->GetActivated());
    EXPECT_EQ(m_date->GetText(), "24/12/2010");
    MetValeurLettre(etat, "0");
    EXPECT_EQ(Stored(m_control, etat), "2") << "the edit state is stored with the date";
    MetValeurLettre(etat, "1");
    Show("25/12/2010");
    EXPECT_FALSE(m_date->GetActivated());
    EXPECT_EQ(m_date->GetCalculateText(), "25/12/2010");
    EXPECT_EQ(Stored(m_control, etat), "1");
    EXPECT_EQ(Value(m_lettre), "24/12/2010");

    // Partly typed: stored as "", and kept for the user to complete when shown again.
    MetValeurLettre(etat, "2");
    Show("15/05/2025");
    m_date->clear();
    QTest::keyClicks(m_date, "0306");
    EXPECT_EQ(Stored(m_control, m_lettre), "");
    ControlTest::Show(m_control);
    EXPECT_EQ(m_date->GetText(), "03/06/    ");
    Show(""); // emptied by the model itself (a re-initialisation)
    EXPECT_EQ(m_date->GetText(), TdCcxEditDate::kBlank);
}

} // namespace
