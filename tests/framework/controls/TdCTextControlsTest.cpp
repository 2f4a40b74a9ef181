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
    Row row(std::string name, bool fromStatic, bool gated, bool selectable)
    {
        auto control = std::make_unique<C>();
        W* widget = Bind(*control, 0, new W(m_panel));
        return {std::move(control), widget, std::move(name), fromStatic, gated, selectable};
    }
};

TEST_F(TdCTextControlsTest, EachTextControlMovesItsLetterBetweenItsListAndItsWidget)
{
    std::vector<Row> rows;
    rows.push_back(row<TdCEdit, TEdit>("TEdit", false, true, true));
    rows.push_back(row<TdCMemo, TMemo>("TMemo", false, true, true));
    rows.push_back(row<TdCcxKelMemo, TcxKelMemo>("TcxKelMemo", false, true, true));
    rows.push_back(row<TdCPanel, TPanel>("TPanel", false, false, false));
    rows.push_back(row<TdCLabel, TLabel>("TLabel", true, false, false));
    rows.push_back(row<TdCcxLabelTitle, TcxLabelTitle>("TdCcxLabelTitle", true, false, false));
    rows.push_back(row<TdCcxKelLabel, TcxKelLabel>("TcxKelLabel", true, false, true));
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
        const auto line = [&](const std::string& transfer, const std::string& valeur) {
            return "----" + r.name + "::" + transfer + "() lettrage: " + std::to_string(lettrage) +
                   " valeur: " + valeur;
        };
        m_log.clear();
        r.widget->SetText("garde");
        Show(control);
        EXPECT_EQ(r.widget->GetText(), "garde") << "no value: the widget is kept";
        MetValeurLettre(lettre, texte.c_str());
        Show(control);
        EXPECT_EQ(r.widget->GetText(), texte);
        r.widget->SetText("Autre libell\xE9");
        EXPECT_EQ(Stored(control, lettre), "Autre libell\xE9");
        EXPECT_EQ(Lines(),
                  (std::vector<std::string>{line("LettrageVersEcran", "(null)"),
                                            line("LettrageVersEcran", texte),
                                            line("EcranVersLettrage", "Autre libell\xE9")}));

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

TEST_F(TdCTextControlsTest, EditMakesEveryByteRoundTripAndColoursItsSelection)
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
    MetValeurLettre(lettre, "Dupont \xE9pouse");
    Show(control);
    EXPECT_EQ(edit->text(), QString::fromUtf8("Dupont épouse"));

    control.UpdateSelection(m_liste);
    EXPECT_FALSE(edit->GetEnabled());
    EXPECT_EQ(edit->GetColor(), clBtnFace);
    lettre->select = 1;
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(edit->GetEnabled());
    EXPECT_EQ(edit->GetColor(), clWindow);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    lettre->select = 2;
    MetValeurLettre(lettre, nullptr);
    control.UpdateSelection(m_liste);
    EXPECT_TRUE(edit->GetEnabled()) << "no value: the state is kept";
}

TEST_F(TdCTextControlsTest, IdentifierHelpAndFocusReachTheirWidgetOnly)
{
    TdCEdit edit;
    TdCMemo memo;
    TdCcxKelMemo kelMemo;
    auto* editWidget = Bind(edit, 10, new TEdit(m_panel));
    auto* memoWidget = Bind(memo, 20, new TMemo(m_panel));
    auto* kelMemoWidget = Bind(kelMemo, 21, new TcxKelMemo(m_panel));
    for (TdControl* control : std::initializer_list<TdControl*>{&edit, &memo, &kelMemo})
        control->SetIdValue();
    EXPECT_EQ(GetWindowLongA(editWidget->Handle(), GWL_ID), 10);
    EXPECT_EQ(GetWindowLongA(memoWidget, GWL_ID), 20);
    EXPECT_EQ(kelMemoWidget->GetIdValue(), 21);
    edit.SetHelpContext(2051);
    memo.SetHelpContext(77);
    kelMemo.SetHelpContext(78);
    EXPECT_EQ(editWidget->GetHelpContext(), 2051);
    EXPECT_EQ(memoWidget->GetHelpContext(), 77);
    EXPECT_EQ(kelMemoWidget->GetHelpContext(), 78);
    TdCEdit onMemo;
    Bind(onMemo, 30, memoWidget);
    onMemo.SetIdValue();
    EXPECT_EQ(GetWindowLongA(memoWidget, GWL_ID), 20) << "not an edit";

    m_panel->show();
    QApplication::setActiveWindow(m_panel);
    editWidget->SetEnabled(false);
    edit.SetFocus();
    EXPECT_NE(QApplication::focusWidget(), editWidget);
    editWidget->SetEnabled(true);
    edit.SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), editWidget);
}

TEST_F(TdCTextControlsTest, MemoKeepsLineBreaksAndTracesLongLinesAndKelLabelShowsTags)
{
    TdCMemo control;
    Bind(control, 20, new TMemo(m_panel));
    const std::string text = "ligne 1\r\nligne 2\xA0\xE9\r\n" + std::string(900, 'm');
    structLettre* lettre = Add(20, text.c_str());
    Show(control);
    MetValeurLettre(lettre, nullptr);
    EXPECT_EQ(Stored(control, lettre), text);
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "----TMemo::LettrageVersEcran() lettrage: 20 valeur: " + text,
                           "----TMemo::EcranVersLettrage() lettrage: 20 valeur: " + text}));

    TdCcxKelLabel kelLabel;
    auto* label = Bind(kelLabel, 8, new TcxKelLabel(m_panel));
    AddStatic(8, "<b>Total</b> & reste");
    Show(kelLabel);
    EXPECT_TRUE(label->text().contains(QStringLiteral("<b>Total</b> &amp; reste")));
}

} // namespace
