#include "controls/TdCCheckBox.h"
#include "controls/TdCRadioButton.h"

#include "ControlTest.h"

#include "TcxCheckBox.h"
#include "TcxRadioButton.h"

#include <tuple>

namespace {

class TdCCheckBoxTest : public ControlTest
{};

TEST_F(TdCCheckBoxTest, CheckedCodeIsTheSetOuiNonCodeAndUncheckedTheNextOne)
{
    auto* box = new TcxCheckBox(m_panel);
    structLettre* lettre = Add(30, nullptr);
    const std::string show = "----TCheckBox::LettrageVersEcran() lettrage: 30 valeur: ";
    const std::string store = "----TCheckBox::EcranVersLettrage() lettrage: 30 valeur: ";
    // SetOuiNon code (none: the default), letter shown, box checked, stored codes.
    const std::tuple<char, std::string, bool, std::string, std::string> cases[] = {
        {0, "1", true, "2", "1"},
        {0, "2", false, "2", "1"},
        {'0', "1 et la suite", true, "0", "1"},
        {'0', "0", false, "0", "1"},
        {'0', "x", false, "0", "1"},
        {'0', "", false, "0", "1"},
        {'A', "A", true, "B", "A"},
        {'O', "P", false, "P", "O"}};
    for (const auto& [code, shown, checked, uncheckedCode, checkedCode] : cases) {
        SCOPED_TRACE(shown);
        TdCCheckBox control;
        Bind(control, 30, box);
        if (code)
            control.SetOuiNon(code);
        MetValeurLettre(lettre, shown.c_str());
        box->SetChecked(!checked);
        m_log.clear();
        Show(control);
        EXPECT_EQ(box->GetChecked(), checked);
        box->SetChecked(false);
        EXPECT_EQ(Stored(control, lettre), uncheckedCode);
        box->SetChecked(true);
        EXPECT_EQ(Stored(control, lettre), checkedCode);
        EXPECT_EQ(Lines(), (std::vector<std::string>{show + shown, store + uncheckedCode,
                                                     store + checkedCode}));
    }
}

TEST_F(TdCCheckBoxTest, RefreshOffOrNullValueLeavesTheBoxAndSelectionEnablesIt)
{
    TdCCheckBox control;
    auto* box = Bind(control, 30, new TcxCheckBox(m_panel));
    structLettre* lettre = Add(30, nullptr, 0);
    box->SetChecked(true);
    Show(control);
    EXPECT_TRUE(box->GetChecked());
    MetValeurLettre(lettre, "2 une longue valeur");
    control.m_refreshEnabled = false;
    Show(control);
    EXPECT_TRUE(box->GetChecked());
    EXPECT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Stored(control, lettre), "1") << "stores even so";
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(box->GetEnabled());
    control.SetHelpContext(5);
    EXPECT_EQ(box->GetHelpContext(), 5);
}

TEST_F(TdCCheckBoxTest, RadioButtonIsCheckedByALeadingOneEvenWithRefreshOff)
{
    TdCRadioButton control;
    auto* button = Bind(control, 31, new TcxRadioButton(m_panel));
    control.m_refreshEnabled = false;
    structLettre* lettre = Add(31, "1 oui", 2);
    Show(control);
    EXPECT_TRUE(button->GetChecked());
    EXPECT_EQ(Stored(control, lettre), "1");
    MetValeurLettre(lettre, "0");
    Show(control);
    EXPECT_FALSE(button->GetChecked());
    EXPECT_EQ(Stored(control, lettre), "0");
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TRadioButton::LettrageVersEcran() lettrage: 31 valeur: 1 oui",
                           "----TRadioButton::EcranVersLettrage() lettrage: 31 valeur: 1",
                           "----TRadioButton::LettrageVersEcran() lettrage: 31 valeur: 0",
                           "----TRadioButton::EcranVersLettrage() lettrage: 31 valeur: 0"}));
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(button->GetEnabled());
    control.SetHelpContext(6);
    EXPECT_EQ(button->GetHelpContext(), 6);
}

} // namespace
