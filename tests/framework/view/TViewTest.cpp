#include "view/TView.h"

#include "QtLeakCheck.h"

#include "TPanel.h"

#include <QPointer>

namespace {

class TViewTest : public QtLeakCheckedTest
{};

TEST_F(TViewTest, CreatedHiddenAndShownOrHiddenOnlyByVisibility)
{
    TPanel host;
    host.resize(400, 300);
    auto* view = new TView(&host);
    view->SetParent(&host);
    view->SetBounds(5, 6, 100, 50);
    EXPECT_FALSE(view->GetVisible());
    view->Show();
    view->Show();
    EXPECT_TRUE(view->GetVisible());
    EXPECT_EQ(view->parentWidget(), &host);
    EXPECT_EQ(view->geometry(), QRect(5, 6, 100, 50));
    view->Hide();
    view->Hide();
    EXPECT_FALSE(view->GetVisible());
    EXPECT_EQ(view->parentWidget(), &host);
    EXPECT_EQ(view->geometry(), QRect(5, 6, 100, 50));
}

TEST_F(TViewTest, DefaultOperationsIgnoreTheCall)
{
    TView view;
    view.resize(200, 100);
    view.SetCaption("Vue");
    view.Reduce();
    view.FixClientHeight(640);
    view.SetControlHelpContext(1234);
    view.InitCouleurs();
    view.SaveControlDisplay();
    view.Update();
    EXPECT_EQ(view.size(), QSize(200, 100));
    EXPECT_EQ(view.GetCaption(), "Vue");
    EXPECT_FALSE(view.GetVisible());
}

TEST_F(TViewTest, ViewsCompareEqualAndAssignmentChangesNothing)
{
    TView first;
    TView second;
    first.SetCaption("premi\xE8re");
    second.resize(321, 123);
    EXPECT_TRUE(first == second);
    TView& result = (first = second);
    EXPECT_EQ(&result, &first);
    EXPECT_EQ(first.GetCaption(), "premi\xE8re");
    EXPECT_NE(first.size(), QSize(321, 123));
}

TEST_F(TViewTest, OwnerDeletesTheView)
{
    auto* owner = new TPanel(nullptr);
    QPointer<QWidget> view = new TView(owner);
    delete owner;
    EXPECT_TRUE(view.isNull());
}

} // namespace
