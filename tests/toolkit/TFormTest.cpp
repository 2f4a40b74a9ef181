#include "TForm.h"
#include "TPanel.h"

#include "WidgetTest.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>

namespace {

using TFormTest = WidgetTest;

TEST_F(TFormTest, FormIsAWindowDeletedWithItsOwnerOrAChildOfThePanelItIsEmbeddedIn)
{
    TForm host;
    host.SetClientWidth(892);
    host.SetConstraintMaxHeight(400);
    host.SetConstraintMaxHeight(0);
    EXPECT_EQ(host.maximumHeight(), QWIDGETSIZE_MAX);
    EXPECT_EQ(host.width(), 892);
    auto* panel = new TPanel(&host);
    auto* form = new TForm(&host);
    EXPECT_TRUE(form->isWindow());
    form->SetParent(panel);
    EXPECT_FALSE(form->isWindow());
    EXPECT_EQ(form->parentWidget(), panel);
    host.show();
    EXPECT_FALSE(form->isVisible()); // not shown merely because its panel is
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
        EXPECT_TRUE(form.IsModal());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Dialog);
        form.SetModalResult(mrCancel); // refused
        EXPECT_EQ(form.GetModalResult(), mrNone);
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(queries, 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
}

TEST_F(TFormTest, CloseActionsHideRefuseOrFree)
{
    auto* form = new TForm(nullptr);
    QPointer<QWidget> watch(form);
    TCloseAction next = caNone;
    TObject* sender = nullptr;
    form->OnClose = [&](TObject* s, TCloseAction& action) {
        sender = s;
        EXPECT_EQ(action, caHide);
        action = next;
    };
    form->show();
    form->Close();
    EXPECT_EQ(sender, static_cast<TObject*>(form));
    EXPECT_TRUE(form->isVisible());
    next = caHide;
    form->Close();
    EXPECT_FALSE(form->isVisible());
    form->show();
    next = caFree;
    form->Close();
    flushQtEvents();
    EXPECT_TRUE(watch.isNull());
}

} // namespace
