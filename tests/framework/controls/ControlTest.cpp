#include "ControlTest.h"

#include "GestureFlush.h"
#include "TEdit.h"
#include "TMemo.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxKelTreeList.h"
#include "TcxListBox.h"
#include "TcxTreeListNode.h"

#include <QTest>

void ControlTest::SetUpTestSuite()
{
    TPanel panel;
    auto* edit = new TEdit(&panel);
    auto* memo = new TMemo(&panel);
    auto* box = new TcxCheckBox(&panel);
    QTest::keyClicks(edit, "a");
    QTest::keyClicks(memo, "a");
    QTest::mouseClick(box, Qt::LeftButton);
    ComboAdd(new TcxComboBox(&panel), "a", 1);
    (new TcxListBox(&panel))->AddItem("a", nullptr);
    (new TcxKelTreeList(&panel))->AddChild()->AddChild();
    flushQtEvents();
}

void ControlTest::SetUp()
{
    QtLeakCheckedTest::SetUp();
    m_panel = new TPanel(nullptr);
}

void ControlTest::TearDown()
{
    delete m_panel;
    m_panel = nullptr;
    flushDeletedGestures();
    LibereLettre(&m_liste);
    LibereLettre(&m_listeStatic);
    QtLeakCheckedTest::TearDown();
}

structLettre* ControlTest::Add(short lettrage, const char* valeur, short select)
{
    structLettre* lettre = AjouteLettre(&m_liste, lettrage, 0, 0, 0, select, 0);
    MetValeurLettre(lettre, valeur);
    return lettre;
}

structLettre* ControlTest::AddStatic(short lettrage, const char* valeur)
{
    structLettre* lettre = AjouteLettre(&m_listeStatic, lettrage, 0, 0, 0, 1, 0);
    MetValeurLettre(lettre, valeur);
    return lettre;
}
