#include "view/TView.h"

#include "QtLeakCheck.h"

#include "TPanel.h"

#include <QPointer>

namespace {

class TViewTest : public QtLeakCheckedTest
{};

TEST_F(TViewTest, CreatedHiddenShownAndHiddenByItsOperationsAndDeletedByItsOwner)
{
    auto* owner = new TPanel(nullptr);
    QPointer<TView> view = new TView(owner);
    EXPECT_FALSE(view->GetVisible());
    view->Show();
    EXPECT_TRUE(view->GetVisible());
    view->Hide();
    EXPECT_FALSE(view->GetVisible());
    delete owner;
    EXPECT_TRUE(view.isNull());
}

} // namespace
