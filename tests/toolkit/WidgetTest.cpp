#include "WidgetTest.h"

#include "TEdit.h"
#include "TForm.h"
#include "TMemo.h"
#include "TcxCheckBox.h"

#include <QTest>
#include <QTimer>

namespace {

void WarmUpOnce()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    TForm form;
    auto* edit = new TEdit(&form);
    auto* memo = new TMemo(&form);
    auto* box = new TcxCheckBox(&form);
    QTest::keyClicks(edit, "a");
    QTest::keyClicks(memo, "a");
    QTest::mouseClick(box, Qt::LeftButton);
    QTimer::singleShot(0, &form, [&form] { form.SetModalResult(mrOk); });
    form.ShowModal();
    flushQtEvents();
}

} // namespace

void WidgetTest::SetUp()
{
    WarmUpOnce();
    QtLeakCheckedTest::SetUp();
}
