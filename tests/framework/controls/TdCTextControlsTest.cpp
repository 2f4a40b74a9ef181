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
#include "TcxCheckBox.h"
#include "TcxKelLabel.h"
#include "TcxKelMemo.h"
#include "TcxLabelTitle.h"

#include <QApplication>

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
    auto* other = new TcxCheckBox(m_panel);
    short lettrage = 10;
    for (Row& r : rows) {
        SCOPED_TRACE(r.name);
        TdControl& control = *r.control;
        control.m_lettrage = ++lettrage;
        // The letter in its own list; one of the same lettrage in the other list is a decoy.
        structLettre* lettre = r.fromStatic ? AddStatic(lettrage, nullptr) : Add(lettrage, nullptr);
        structLettre* decoy =
            r.fromStatic ? Add(lettrage, "autre", 2) : AddStatic(lettrage, "autre");
        m_log.clear();
        r.widget->SetText("garde");
        Show(control);
        EXPECT_EQ(r.widget->GetText(), "garde") << "no value: the widget is kept";
        EXPECT_EQ(Shown(control, lettre, texte.c_str()), texte);
        r.widget->SetText("Autre libell\xE9");
        EXPECT_EQ(Stored(control, lettre), "Autre libell\xE9");
        EXPECT_EQ(Lines().size(), 3u);
        EXPECT_EQ(Lines().back(), "----" + r.name + "::EcranVersLettrage() lettrage: " +
                                      std::to_string(lettrage) + " valeur: Autre libell\xE9");

        m_log.clear();
        control.m_refreshEnabled = false;
        MetValeurLettre(lettre, "apr\xE8s");
        Show(control);
        EXPECT_EQ(r.widget->GetText(), r.gated ? "Autre libell\xE9" : "apr\xE8s");
        EXPECT_EQ(Lines().size(), r.gated ? 0u : 1u);
        r.widget->SetText("");
        EXPECT_EQ(Stored(control, lettre), "") << "stored whatever the refresh";
        if (!r.fromStatic)
            lettre->select = 2;
        control.UpdateSelection(m_liste);
        EXPECT_EQ(r.widget->GetEnabled(), !r.selectable);

        // Without its letter or with a widget of another class, a control does nothing.
        m_log.clear();
        control.m_refreshEnabled = true;
        control.m_component = other;
        Show(control);
        Store(control);
        control.m_component = r.widget;
        control.m_lettrage = 99;
        Show(control);
        EXPECT_EQ(Stored(control, lettre), "");
        EXPECT_EQ(Value(decoy), "autre");
        EXPECT_TRUE(Lines().empty());
    }
}

TEST_F(TdCTextControlsTest, EditMakesEveryByteRoundTripAndTakesTheFocusOnlyWhenEnabled)
{
    TdCEdit control;
    auto* edit = Bind(control, 10, new TEdit(m_panel));
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    structLettre* lettre = Add(10, everyByte.c_str(), 2);
    Show(control);
    MetValeurLettre(lettre, nullptr);
    EXPECT_EQ(Stored(control, lettre), everyByte);
    EXPECT_EQ(Shown(control, lettre, "Dupont \xE9pouse"), "Dupont \xE9pouse");
    EXPECT_EQ(edit->text(), QString::fromUtf8("Dupont épouse"));

    control.UpdateSelection(m_liste);
    EXPECT_FALSE(edit->GetEnabled());
    m_panel->show();
    QApplication::setActiveWindow(m_panel);
    control.SetFocus();
    EXPECT_NE(QApplication::focusWidget(), edit);
    lettre->select = 1;
    control.UpdateSelection(m_liste);
    control.SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    lettre->select = 2;
    MetValeurLettre(lettre, nullptr);
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(edit->GetEnabled()) << "no value: the state is kept";
}

} // namespace
