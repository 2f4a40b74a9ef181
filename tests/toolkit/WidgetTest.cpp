#include "WidgetTest.h"

#include "DesktopMetrics.h"
#include "DialogSeam.h"
#include "GestureFlush.h"
#include "TEdit.h"
#include "TForm.h"
#include "TMemo.h"
#include "TcxCheckBox.h"
#include "TcxComboBox.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxListBox.h"
#include "TcxTreeListNode.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

void WarmUpOnce()
{
    static bool done = false;
    if (std::exchange(done, true))
        return;
    GetSystemMetrics(SM_CYMENU);
    {
        TForm form;
        auto* edit = new TEdit(&form);
        QTest::keyClicks(edit, "a");
        QTest::keyClicks(new TMemo(&form), "a");
        QTest::mouseClick(new TcxCheckBox(&form), Qt::LeftButton);
        auto* combo = new TcxComboBox(&form);
        ComboAdd(combo, "a", 1);
        ComboAdd(combo, "b", 2);
        auto* list = new TcxListBox(&form);
        list->AddItem("a", nullptr);
        list->AddItem("b", nullptr);
        for (QWidget* widget : std::initializer_list<QWidget*>{combo, list}) {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(widget, &down);
        }
        (new TcxKelButton(&form))->SetDefault(true);
        form.show();
        QApplication::setActiveWindow(&form);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        form.hide();
        QTimer::singleShot(0, &form, [&form] { form.SetModalResult(mrOk); });
        form.ShowModal();

        TcxKelTreeList tree;
        tree.AddChild()->AddChild();
        tree.resize(200, 100);
        tree.show();
        QApplication::processEvents();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        tree.hide();

        DialogSeam::Request request;
        request.owner = &form;
        request.buttons = DialogSeam::Buttons::YesNoCancel;
        for (auto icon : {DialogSeam::Icon::Stop, DialogSeam::Icon::Exclamation,
                          DialogSeam::Icon::Information, DialogSeam::Icon::Question}) {
            request.icon = icon;
            DialogSeam::createMessageBox(request)->ensurePolished();
        }
    }
    flushQtEvents();
    flushDeletedGestures();
}

} // namespace

void WidgetTest::SetUp()
{
    WarmUpOnce();
    QtLeakCheckedTest::SetUp();
}

void WidgetTest::TearDown()
{
    flushDeletedGestures();
    QtLeakCheckedTest::TearDown();
}
