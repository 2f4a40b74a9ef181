#include "controls/TdCCheckBox.h"
#include "controls/TdCEdit.h"
#include "controls/TdCLabel.h"
#include "controls/TdCMemo.h"
#include "controls/TdCPanel.h"
#include "controls/TdCRadioButton.h"
#include "controls/TdCcxKelLabel.h"
#include "controls/TdCcxKelMemo.h"
#include "controls/TdCcxLabelTitle.h"

#include "ControlTest.h"

#include "TcxKelLabel.h"
#include "TcxKelMemo.h"
#include "TcxLabelTitle.h"
#include "TcxRadioButton.h"

#include <memory>

namespace {

class TdCTextControlsTest : public ControlTest
{
protected:
    struct Row
    {
        std::unique_ptr<TdControl> control;
        TControl* widget;
        std::string name; // in the trace lines
        bool fromStatic, gated, selectable;
    };
    template <class C, class W>
    void row(std::string name, bool fromStatic, bool gated, bool selectable)
    {
        auto control = std::make_unique<C>();
        W* widget = Bind(*control, 0, new W(m_panel));
        rows.push_back(
            {std::move(control), widget, std::move(name), fromStatic, gated, selectable});
    }
    std::vector<Row> rows;
};

TEST_F(TdCTextControlsTest, EachTextControlMovesItsLetterBetweenItsListAndItsWidget)
{
    row<TdCEdit, TEdit>("TEdit", false, true, true);
    row<TdCMemo, TMemo>("TMemo", false, true, true);
    row<TdCcxKelMemo, TcxKelMemo>("TcxKelMemo", false, true, true);
    row<TdCPanel, TPanel>("TPanel", false, false, false);
    row<TdCLabel, TLabel>("TLabel", true, false, false);
    row<TdCcxLabelTitle, TcxLabelTitle>("TdCcxLabelTitle", true, false, false);
    row<TdCcxKelLabel, TcxKelLabel>("TcxKelLabel", true, false, true);
    const std::string texte = "L\xE9gende \xE0 d\xE9"
                              "clarer";
    short lettrage = 10;
    for (Row& r : rows) {
        SCOPED_TRACE(r.name);
        TdControl& control = *r.control;
        control.m_lettrage = ++lettrage;
        // The letter in its own list; one of the same lettrage in the other list is a decoy.
        structLettre* lettre = Add(lettrage, nullptr, 1, r.fromStatic);
        structLettre* decoy = Add(lettrage, "autre", 2, !r.fromStatic);
        r.widget->SetText("garde");
        Show(control);
        EXPECT_EQ(r.widget->GetText(), "garde") << "no value: the widget is kept";
        EXPECT_EQ(Shown(control, lettre, texte.c_str()), texte);
        r.widget->SetText("Autre libell\xE9");
        EXPECT_EQ(Stored(control, lettre), "Autre libell\xE9");
        EXPECT_EQ(Value(decoy), "autre");

        control.m_refreshEnabled = false;
        MetValeurLettre(lettre, "apr\xE8s");
        Show(control);
        EXPECT_EQ(r.widget->GetText(), r.gated ? "Autre libell\xE9" : "apr\xE8s");
        r.widget->SetText("");
        EXPECT_EQ(Stored(control, lettre), "") << "stored whatever the refresh";
        if (!r.fromStatic)
            lettre->select = 2;
        control.UpdateSelection(m_liste);
        EXPECT_EQ(r.widget->GetEnabled(), !r.selectable);
    }
}

TEST_F(TdCTextControlsTest, EditFollowsTheSelectFlagOfALetterWithAValue)
{
    TdCEdit control;
    auto* edit = Bind(control, 10, new TEdit(m_panel));
    structLettre* lettre = Add(10, "x", 1);
    edit->SetEnabled(false);
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(edit->GetEnabled());
    lettre->select = 2;
    MetValeurLettre(lettre, nullptr);
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(edit->GetEnabled()) << "no value: the state is kept";
}

using TdCCheckBoxTest = ControlTest;

TEST_F(TdCCheckBoxTest, CheckedCodeIsTheSetOuiNonCodeUncheckedTheNextOneAndARadioButtonsALeadingOne)
{
    auto* box = new TcxCheckBox(m_panel);
    structLettre* lettre = Add(30, nullptr, 2);
    // SetOuiNon code (none: the default), refresh, letter shown, box before and after, codes
    // stored unchecked and checked.
    const std::tuple<char, bool, const char*, bool, bool, std::string, std::string> cases[] = {
        {0, true, "1", false, true, "2", "1"},
        {0, true, "2", true, false, "2", "1"},
        {'0', true, "1 et la suite", false, true, "0", "1"},
        {'0', true, "0", true, false, "0", "1"},
        {'A', true, "A", false, true, "B", "A"},
        {0, false, "1", false, false, "2", "1"}, // refresh off: the box is left, stored even so
        {0, true, nullptr, true, true, "2", "1"}};
    for (const auto& [code, refresh, shown, before, after, uncheckedCode, checkedCode] : cases) {
        SCOPED_TRACE(shown ? shown : "(null)");
        TdCCheckBox control;
        Bind(control, 30, box)->SetChecked(before);
        control.m_refreshEnabled = refresh;
        if (code)
            control.SetOuiNon(code);
        MetValeurLettre(lettre, shown);
        Show(control);
        EXPECT_EQ(box->GetChecked(), after);
        box->SetChecked(false);
        EXPECT_EQ(Stored(control, lettre), uncheckedCode);
        box->SetChecked(true);
        EXPECT_EQ(Stored(control, lettre), checkedCode);
        control.UpdateSelection(m_liste);
        EXPECT_FALSE(box->GetEnabled());
    }

    // A radio button is checked by a leading 1, even with refresh off.
    TdCRadioButton radio;
    auto* button = Bind(radio, 31, new TcxRadioButton(m_panel));
    radio.m_refreshEnabled = false;
    structLettre* choix = Add(31, "1 oui", 2);
    Show(radio);
    EXPECT_TRUE(button->GetChecked());
    EXPECT_EQ(Stored(radio, choix), "1");
    MetValeurLettre(choix, "0");
    Show(radio);
    EXPECT_FALSE(button->GetChecked());
    EXPECT_EQ(Stored(radio, choix), "0");
    radio.UpdateSelection(m_liste);
    EXPECT_FALSE(button->GetEnabled());
}

// Opens the protected helpers of the base.
class OpenControl : public TdControl
{
public:
    using TdControl::StoreValue;
};

using TdControlTest = ControlTest;

TEST_F(TdControlTest, StoreValueResizesTheStoresBlockAndAcceptsTheLettersOwnText)
{
    structLettre* lettre = Add(1, nullptr);
    for (const std::string& text : {std::string(5000, 'y'), std::string()}) {
        EXPECT_TRUE(OpenControl::StoreValue(lettre, text.c_str()));
        EXPECT_EQ(Value(lettre), text);
    }
    EXPECT_FALSE(OpenControl::StoreValue(nullptr, "x"));
    MetValeurLettre(lettre, "0123456789");
    EXPECT_TRUE(OpenControl::StoreValue(lettre, lettre->valeur + 4)) << "the letter's own text";
    EXPECT_STREQ(lettre->valeur, "456789");
}

} // namespace
