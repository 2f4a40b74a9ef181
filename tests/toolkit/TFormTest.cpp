#include "TForm.h"
#include "TPanel.h"
#include "TcxKelForm.h"

#include "WidgetTest.h"

#include <QAccessible>
#include <QPointer>
#include <QTimer>

namespace {

class TFormTest : public WidgetTest
{};

TEST_F(TFormTest, CaptionIsTheWindowTitle)
{
    TcxKelForm form;
    form.SetCaption("D\xE9"
                    "claration");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("Déclaration"));
    EXPECT_EQ(form.GetText(), "D\xE9"
                              "claration");
}

TEST_F(TFormTest, FormWithOwnerIsAWindowDeletedWithTheOwner)
{
    auto* owner = new TForm(nullptr);
    auto* form = new TForm(owner);
    QPointer<QWidget> watch(form);
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(form->parentWidget(), owner);
    delete owner;
    EXPECT_TRUE(watch.isNull());
}

TEST_F(TFormTest, EmbeddedInAPanelTheFormIsAChildWidget)
{
    TForm host;
    auto* panel = new TPanel(&host);
    auto* form = new TForm(&host);
    form->SetParent(panel);
    EXPECT_FALSE(form->isWindow());
    EXPECT_EQ(form->parentWidget(), panel);
    host.show();
    EXPECT_FALSE(form->isVisible()); // not shown merely because its panel is
    form->SetVisible(true);
    EXPECT_TRUE(form->isVisible());
    // Screen readers see a pane inside the window, a window once it is one again.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(form);
    EXPECT_EQ(iface->role(), QAccessible::Pane);
    form->SetParent(nullptr);
    EXPECT_TRUE(form->isWindow());
    EXPECT_EQ(iface->role(), QAccessible::Window);
}

TEST_F(TFormTest, ClientSizeAndConstraints)
{
    TForm form;
    form.SetClientWidth(892);
    form.SetClientHeight(523);
    EXPECT_EQ(form.GetClientWidth(), 892);
    EXPECT_EQ(form.GetClientHeight(), 523);
    form.SetConstraintMaxHeight(400);
    EXPECT_EQ(form.GetConstraintMaxHeight(), 400);
    EXPECT_EQ(form.maximumHeight(), 400);
    form.SetConstraintMaxHeight(0);
    EXPECT_EQ(form.maximumHeight(), QWIDGETSIZE_MAX);
}

TEST_F(TFormTest, ShowModalAnswersTheModalResultThatClosedIt)
{
    TForm form;
    QTimer::singleShot(0, &form, [&form] {
        EXPECT_TRUE(form.IsModal());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(&form)->role(), QAccessible::Dialog);
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsModal());
}

TEST_F(TFormTest, ClosingAModalFormAnswersCancel)
{
    TForm form;
    QTimer::singleShot(0, &form, [&form] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST_F(TFormTest, CloseQueryCanKeepAModalFormOpen)
{
    TForm form;
    int queries = 0;
    form.OnCloseQuery = [&queries](TObject*, bool& canClose) { canClose = ++queries > 1; };
    QTimer::singleShot(0, &form, [&form] {
        form.SetModalResult(mrOk); // refused
        EXPECT_EQ(form.GetModalResult(), mrNone);
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrCancel);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
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
