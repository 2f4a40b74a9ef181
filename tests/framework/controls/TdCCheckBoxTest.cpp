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
    // SetOuiNon code (none: the default), letter shown, box checked, stored codes.
    const std::tuple<char, std::string, bool, std::string, std::string> cases[] = {
        {0, "1", true, "2", "1"},
        {0, "2", false, "2", "1"},
        {'0', "1 et la suite", true, "0", "1"},
        {'0', "0", false, "0", "1"},
        {'A', "A", true, "B", "A"},
        {'O', "P", false, "P", "O"}};
    for (const auto& [code, shown, checked, uncheckedCode, checkedCode] : cases) {
        SCOPED_TRACE(shown);
        TdCCheckBox control;
        Bind(control, 30, box);
        if (code)
            control.SetOuiNon(code);
        box->SetChecked(!checked);
        MetValeurLettre(lettre, shown.c_str());
        Show(control);
        EXPECT_EQ(box->GetChecked(), checked);
        box->SetChecked(false);
        EXPECT_EQ(Stored(control, lettre), uncheckedCode);
        box->SetChecked(true);
        EXPECT_EQ(Stored(control, lettre), checkedCode);
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
    EXPECT_EQ(Stored(control, lettre), "1") << "stores even so";
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(box->GetEnabled());
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
    control.UpdateSelection(m_liste);
    EXPECT_FALSE(button->GetEnabled());
}

} // namespace
