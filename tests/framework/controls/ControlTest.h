#pragma once

// Fixture of the data-bound control tests: real widgets on a panel, the screen's two letter
// lists, and the framework trace captured. Qt's lazily built singletons (those of the first
// edit and the first key press) are created before the leak checks start counting.

#include "GestureFlush.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"

#include "TControl.h"
#include "TEdit.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxEditStr.h"
#include "TcxKelTreeList.h"
#include "TcxListBox.h"
#include "TcxTreeListNode.h"
#include "controls/TdControl.h"
#include "qlettre.h"

#include <QTest>

#include <string>
#include <vector>

class ControlTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        TPanel panel;
        QTest::keyClicks(new TEdit(&panel), "a");
        QTest::keyClicks(new TMemo(&panel), "a");
        QTest::mouseClick(new TcxCheckBox(&panel), Qt::LeftButton);
        new TcxEditStr(&panel);
        new TLabel(&panel);
        ComboAdd(new TcxComboBox(&panel), "a", 1);
        (new TcxListBox(&panel))->AddItem("a", nullptr);
        (new TcxKelTreeList(&panel))->AddChild()->AddChild();
        flushQtEvents();
    }
    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        m_panel = new TPanel(nullptr);
    }
    void TearDown() override
    {
        delete m_panel;
        flushDeletedGestures();
        LibereLettre(&m_liste);
        LibereLettre(&m_listeStatic);
        QtLeakCheckedTest::TearDown();
    }

    // Adds a letter with a value (null: none) to the main list, or to the static one.
    structLettre* Add(short lettrage, const char* valeur, short select = 1, bool inStatic = false)
    {
        structLettre* lettre =
            AjouteLettre(inStatic ? &m_listeStatic : &m_liste, lettrage, 0, 0, 0, select, 0);
        MetValeurLettre(lettre, valeur);
        return lettre;
    }

    // Gives the control its letter and widget; returns the widget.
    template <class W>
    static W* Bind(TdControl& control, short lettrage, W* widget)
    {
        control.m_lettrage = lettrage;
        control.m_component = widget;
        return widget;
    }
    // The two transfers between the screen's lists and the control's widget.
    void Show(TdControl& control) { control.LettrageVersEcran(m_liste, m_listeStatic); }
    void Store(TdControl& control) { control.EcranVersLettrage(m_liste, m_listeStatic); }
    // Shows `valeur` through the control and returns its widget's text.
    std::string Shown(TdControl& control, structLettre* lettre, const char* valeur)
    {
        MetValeurLettre(lettre, valeur);
        Show(control);
        return dynamic_cast<TControl*>(control.m_component)->GetText();
    }
    // Stores through the control and returns the letter's value.
    std::string Stored(TdControl& control, const structLettre* lettre)
    {
        Store(control);
        return Value(lettre);
    }

    static std::string Value(const structLettre* lettre)
    {
        return lettre && lettre->valeur ? lettre->valeur : "(null)";
    }

    structLettre* m_liste = nullptr;
    structLettre* m_listeStatic = nullptr;
    TPanel* m_panel = nullptr; // the form the widgets live on, deleted after each test
    LogCapture m_log;
};
