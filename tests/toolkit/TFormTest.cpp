#include "TForm.h"
#include "TPanel.h"

#include "WidgetTest.h"

#include <QAccessible>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

using TFormTest = WidgetTest;

TEST_F(TFormTest, AFormEmbeddedInAPanelIsAChildShownOnlyWhenItIsMadeVisible)
{
    TForm host;
    host.SetConstraintMaxHeight(400);
    host.SetConstraintMaxHeight(0);
    EXPECT_EQ(host.maximumHeight(), QWIDGETSIZE_MAX);
    auto* panel = new TPanel(&host);
    auto* form = new TForm(&host);
    EXPECT_TRUE(form->isWindow());
    form->SetParent(panel);
    EXPECT_EQ(form->parentWidget(), panel);
    host.show();
    EXPECT_FALSE(form->isVisible());
    form->SetVisible(true);
    // Screen readers see a pane inside the window, a window once it is one again.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(form);
    EXPECT_EQ(iface->role(), QAccessible::Pane);
    form->SetParent(nullptr);
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(iface->role(), QAccessible::Window);
}

TEST_F(TFormTest, ShowModalAnswersTheModalResultThatClosedItUnlessCloseQueryRefuses)
{
    TForm form;
    QTimer::singleShot(0, &form, [&form] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    int queries = 0;
    form.OnCloseQuery = [&queries](TObject*, bool& canClose) { canClose = ++queries > 1; };
    QTimer::singleShot(0, &form, [&form] {
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Dialog);
        form.SetModalResult(mrCancel); // refused
        EXPECT_EQ(form.GetModalResult(), mrNone);
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(form.IsModal());
}

TEST_F(TFormTest, CloseActionsHideRefuseOrFree)
{
    QPointer<TForm> form = new TForm(nullptr);
    for (TCloseAction action : {caNone, caHide, caFree}) {
        form->OnClose = [action](TObject*, TCloseAction& chosen) { chosen = action; };
        form->show();
        form->Close();
        EXPECT_EQ(form->isVisible(), action == caNone);
    }
    QTRY_VERIFY(form.isNull());
}

} // namespace
