#include "controls/TdCComboBox.h"
#include "controls/TdCEdit.h"
#include "controls/TdCcxEditDate.h"
#include "controls/TdCcxEditNum.h"
#include "controls/TdCcxEditStr.h"
#include "controls/TdCcxEditTel.h"

#include "ControlTest.h"

#include "TcxEditDate.h"
#include "TcxEditNum.h"
#include "TcxEditTel.h"

#include <cstdlib>

namespace {

class TdCTypedEditsTest : public ControlTest
{
protected:
    // A field bound to letter 50, switching on edit-state letter 52 and showing result 51.
    template <class W>
    W* Switchable(TdControl& control)
    {
        W* widget = Bind(control, 50, new W(m_panel));
        widget->Switchable = true;
        control.m_lettrageCalcul = 51;
        control.m_lettrageActivation = 52;
        return widget;
    }
    // The letter's value after a show and a store.
    std::string RoundTrip(TdControl& control, structLettre* lettre, const char* valeur)
    {
        MetValeurLettre(lettre, valeur);
        Show(control);
        return Stored(control, lettre);
    }
};

// A refused entry puts the user back on the field, unless it cannot be entered.
TEST_F(TdCTypedEditsTest, SetFocusGoesToTheFieldOnlyWhenItIsEnabled)
{
    TdCEdit edit;
    TdCcxEditStr text;
    TdCcxEditTel phone;
    TdCcxEditDate date;
    TdCComboBox combo;
    const std::pair<TdControl*, QWidget*> fields[] = {
        {&edit, Bind(edit, 1, new TEdit(m_panel))},
        {&text, Bind(text, 2, new TcxEditStr(m_panel))},
        {&phone, Bind(phone, 3, new TcxEditTel(m_panel))},
        {&date, Bind(date, 4, new TcxEditDate(m_panel))},
        {&combo, Bind(combo, 5, new TcxComboBox(m_panel))}};
    m_panel->show();
    for (const auto& [control, widget] : fields) {
        widget->setEnabled(false);
        control->SetFocus();
        EXPECT_NE(m_panel->focusWidget(), widget) << widget->metaObject()->className();
        widget->setEnabled(true);
        control->SetFocus();
        EXPECT_EQ(m_panel->focusWidget(), widget) << widget->metaObject()->className();
    }
}

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
    EXPECT_EQ(Shown(control, lettre, "01.23.45.67.89"), "01.23.45.67.89");
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(tel->GetEnabled());
    control.m_refreshEnabled = false;
    EXPECT_EQ(Shown(control, lettre, ""), "01.23.45.67.89");
}

// Activation is shared by the text, amount and date fields; the text field shows it.
TEST_F(TdCTypedEditsTest, TextFieldShowsTheResultOrItsLetterAsItsEditStateSaysAndStoresBoth)
{
    TdCcxEditStr control;
    auto* str = Switchable<TcxEditStr>(control);
    structLettre* lettre = Add(50, "saisi");
    Add(51, "calcul\xE9");
    structLettre* etat = Add(52, "1");
    EXPECT_EQ(Shown(control, lettre, "saisi"), "saisi");
    EXPECT_EQ(str->text(), QString::fromUtf8("calculé")); // not activated: the result shows
    control.m_lettrageCalcul = 98; // a missing result letter leaves the result
    Show(control);
    EXPECT_EQ(str->GetCalculateText(), "calcul\xE9");
    // Edit state 2 activates, as strtol reads it.
    const std::pair<const char*, bool> cases[] = {{"2x", true},
                                                  {"1", false},
                                                  {nullptr, false},
                                                  {"2", true},
                                                  {"99999999999999999999999", false}};
    for (const auto& [valeur, activated] : cases) {
        MetValeurLettre(etat, valeur);
        Show(control);
        EXPECT_EQ(str->GetActivated(), activated) << (valeur ? valeur : "(null)");
    }
    MetValeurLettre(etat, "2");
    Show(control);
    control.m_lettrageActivation = 99; // no such letter
    Show(control);
    EXPECT_FALSE(str->GetActivated());

    control.m_lettrageActivation = 52;
    str->SetActivated(true);
    str->SetText("nouveau");
    EXPECT_EQ(Stored(control, etat), "2");
    EXPECT_EQ(Value(lettre), "nouveau");
    str->SetActivated(false);
    EXPECT_EQ(Stored(control, etat), "1");
    MetValeurLettre(etat, "");
    str->SetActivated(true);
    EXPECT_EQ(Stored(control, etat), "2") << "a short edit-state value is enlarged";
    MetValeurLettre(etat, nullptr);
    Store(control);
    EXPECT_EQ(etat->valeur, nullptr) << "without a value the edit state is left alone";
    str->Switchable = false;
    str->SetActivated(false);
    Shown(control, etat, "2");
    EXPECT_FALSE(str->GetActivated());
    EXPECT_EQ(Stored(control, etat), "2") << "not switchable: the state is neither read nor stored";
}

TEST_F(TdCTypedEditsTest, AmountsAreReadAsStrtodAndWrittenWholeWithSixDecimals)
{
    TdCcxEditNum control;
    auto* num = Bind(control, 60, new TcxEditNum(m_panel));
    structLettre* lettre = Add(60, "12,5");
    Show(control);
    EXPECT_DOUBLE_EQ(num->GetValue(), 12.0);
    num->SetText("");
    QTest::keyClicks(num, "1234,56");
    EXPECT_EQ(Stored(control, lettre), "1234.560000");
    num->SetText("");
    EXPECT_EQ(Stored(control, lettre), "0.000000");
    const std::pair<const char*, const char*> trips[] = {{"pas un nombre", "0.000000"},
                                                         {"-3", "-3.000000"},
                                                         {"1000000000000", "1000000000000.000000"}};
    for (const auto& [valeur, stored] : trips)
        EXPECT_EQ(RoundTrip(control, lettre, valeur), stored);
    const std::string huge = RoundTrip(control, lettre, "1e300");
    EXPECT_EQ(std::strtod(huge.c_str(), nullptr), 1e300);
    EXPECT_EQ(huge.substr(huge.size() - 7), ".000000");

    // Letters that are no finite number show blank and stay until the user types.
    for (const char* valeur : {"inf", "1e309"}) {
        EXPECT_EQ(RoundTrip(control, lettre, valeur), valeur);
        EXPECT_EQ(num->text(), QString()) << valeur;
        QTest::keyClicks(num, "5");
        EXPECT_EQ(Stored(control, lettre), "5.000000") << valeur;
    }
    char small[8];
    EXPECT_EQ(TdCcxEditNum::WriteAmount(1234.5, small, sizeof small), 11u);
    EXPECT_STREQ(small, "1234.50");
    EXPECT_EQ(TdCcxEditNum::ReadAmount("  -12.5abc"), -12.5);
    EXPECT_EQ(TdCcxEditNum::ReadAmount(nullptr), 0.0);
}

TEST_F(TdCTypedEditsTest, EnteredValueLetterStandsInForAFrozenAmountOnlyWithItsThreeConditions)
{
    TdCcxEditNum control;
    auto* num = Bind(control, 60, new TcxEditNum(m_panel));
    structLettre* own = Add(60, "1");
    Add(0, "55");
    structLettre* entered = Add(5, "77");
    // Result letter, select flag, edit-state letter, amount shown.
    const std::tuple<short, short, short, double> cases[] = {
        {0, 2, -1, 1.0}, {5, 1, -1, 1.0}, {5, 2, 61, 1.0}, {5, 2, -1, 77.0}};
    for (const auto& [calcul, select, activation, shown] : cases) {
        control.m_lettrageCalcul = calcul;
        control.m_lettrageActivation = activation;
        own->select = select;
        Show(control);
        EXPECT_DOUBLE_EQ(num->GetValue(), shown) << calcul << select << activation;
    }
    num->SetValue(80);
    EXPECT_EQ(Stored(control, entered), "80.000000");
    EXPECT_EQ(Value(own), "1");

    // A switchable amount shows its result.
    TdCcxEditNum switchable;
    auto* result = Switchable<TcxEditNum>(switchable);
    Add(50, "10");
    Add(51, "2500.75");
    structLettre* etat = Add(52, "1");
    Show(switchable);
    EXPECT_FALSE(result->GetActivated());
    EXPECT_EQ(result->text(), QStringLiteral("2 500,75"));
    EXPECT_DOUBLE_EQ(result->GetValue(), 10.0);
    result->SetActivated(true);
    EXPECT_EQ(Stored(switchable, etat), "2");
}

TEST_F(TdCTypedEditsTest, DateShowsAndStoresOnlyACompleteDateAndKeepsAPartlyTypedOne)
{
    TdCcxEditDate control;
    auto* date = Switchable<TcxEditDate>(control);
    date->Switchable = false;
    structLettre* lettre = Add(50, nullptr);
    structLettre* etat = Add(52, "1");
    date->SetActivated(false);
    EXPECT_EQ(Shown(control, lettre, "12/03/2005"), "  /  /    ") << "not activated: the result";
    EXPECT_EQ(date->GetCalculateText(), "12/03/2005");
    date->SetActivated(true);
    EXPECT_EQ(Shown(control, lettre, "01/02/2003"), "01/02/2003");
    EXPECT_EQ(date->GetCalculateText(), "12/03/2005");
    for (const char* unchanged : {"1", "12/03/ 005", static_cast<const char*>(nullptr)})
        EXPECT_EQ(Shown(control, lettre, unchanged), "01/02/2003");
    EXPECT_EQ(Shown(control, lettre, ""), "  /  /    ");
    EXPECT_EQ(Stored(control, lettre), "");
    QTest::keyClicks(date, "120320");
    EXPECT_EQ(Stored(control, lettre), "");
    QTest::keyClicks(date, "05");
    EXPECT_EQ(Stored(control, lettre), "12/03/2005");

    // Switchable: the edit state decides, an untouched result comes back.
    date->Switchable = true;
    date->clear();
    Shown(control, lettre, "15/05/2025");
    EXPECT_FALSE(date->GetActivated());
    EXPECT_EQ(Stored(control, lettre), "15/05/2025");
    MetValeurLettre(etat, "2");
    EXPECT_EQ(Shown(control, lettre, "24/12/2010"), "24/12/2010");
    EXPECT_TRUE(date->GetActivated());
    MetValeurLettre(etat, "1");
    Shown(control, lettre, "25/12/2010");
    EXPECT_FALSE(date->GetActivated());
    EXPECT_EQ(date->GetCalculateText(), "25/12/2010");
    EXPECT_EQ(Stored(control, etat), "1");
    EXPECT_EQ(Value(lettre), "24/12/2010");

    // Partly typed: stored as "", and kept for the user to complete when shown again.
    MetValeurLettre(etat, "2");
    Shown(control, lettre, "15/05/2025");
    date->clear();
    QTest::keyClicks(date, "0306");
    EXPECT_EQ(Stored(control, lettre), "");
    Show(control);
    EXPECT_EQ(date->GetText(), "03/06/    ");
    EXPECT_EQ(Shown(control, lettre, ""), TdCcxEditDate::kBlank) << "emptied by the model";
}

} // namespace
