#include "WidgetTest.h"

#include "GestureFlush.h"
#include "TEdit.h"
#include "TForm.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListNode.h"

#include <QTest>
#include <QTimer>

void WidgetTest::SetUp()
{
    static bool warm = false;
    if (!std::exchange(warm, true)) {
        {
            TForm form;
            auto* edit = new TEdit(&form);
            QTest::keyClicks(edit, "a");
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
        }
        flushQtEvents();
        flushDeletedGestures();
    }
    QtLeakCheckedTest::SetUp();
}

void WidgetTest::TearDown()
{
    flushDeletedGestures();
    QtLeakCheckedTest::TearDown();
}
