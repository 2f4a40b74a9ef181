#include "presenter/TPrNavigateTree.h"

#include "presenter/TPrBaseForm.h"
#include "view/TViewNavigateTree.h"

#include "PresenterDoubles.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "QtLeakCheck.h"
#include "TInfoGene.h"
#include "TPanel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QPointer>

using ::testing::ElementsAre;

namespace {

class TPrNavigateTreeTest : public QtLeakCheckedTest
{
protected:
    static void SetUpTestSuite()
    {
        SetDesktopSizeOverride(1280, 1024);
        // The first wizard window and tree list of the process make Qt build its lazy
        // singletons; let that happen before objects are counted.
        WarmUpShownWindows();
        {
            TInfoGene info;
            QuietModel model(&info);
            TPrBaseForm form(nullptr, &model, nullptr);
            form.Add(
                new TPrNavigateTree(form.getPanelNavigateTree(), &form, &model, nullptr, nullptr));
        }
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
    }
    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        QtLeakCheckedTest::SetUp();
        form = new TPrBaseForm(nullptr, &model, nullptr);
        tree = new TPrNavigateTree(form->getPanelNavigateTree(), form, &model, nullptr, nullptr);
        form->Add(tree);
    }
    void TearDown() override
    {
        delete form;
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    Journal journal;
    TInfoGene info;
    QuietModel model{&info};
    TPrBaseForm* form = nullptr;
    TPrNavigateTree* tree = nullptr;
};

TEST_F(TPrNavigateTreeTest, MakesItsTreeViewInTheNavigationPanel)
{
    TViewNavigateTree* view = tree->getViewNavigateTree();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(tree->getView(), view);
    EXPECT_EQ(view->getPresenter(), tree);
    EXPECT_EQ(view->parentWidget(), form->getPanelNavigateTree());
    EXPECT_EQ(tree->getRoot(), form);
    EXPECT_TRUE(view->isHidden()); // shown with the wizard
}

TEST_F(TPrNavigateTreeTest, TheViewGoesWithThePresenter)
{
    QPointer<TViewNavigateTree> view = tree->getViewNavigateTree();
    form->Remove(tree);
    delete tree;
    EXPECT_TRUE(view.isNull());
}

TEST_F(TPrNavigateTreeTest, APresenterOutlivingItsPanelForgetsItsView)
{
    auto* panel = new TPanel(nullptr);
    auto* lone = new TPrNavigateTree(panel, form, &model, nullptr, nullptr);
    delete panel;
    EXPECT_EQ(lone->getView(), nullptr);
    delete lone;
}

TEST_F(TPrNavigateTreeTest, AcceptVisitsTheTreeBeforeItsChildren)
{
    auto* child = new RecordingScreenPresenter(journal, "child", form);
    tree->Add(child);
    RecordingVisitor visitor(journal);
    visitor.name(tree, "tree");
    visitor.name(child, "child");

    tree->Accept(&visitor);

    EXPECT_THAT(journal.entries(), ElementsAre("NavigateTree:tree", "EcranVCL:child"));
}

TEST_F(TPrNavigateTreeTest, ACopyTakesTheLinksButNotTheView)
{
    TPrNavigateTree copy(*tree);
    EXPECT_EQ(copy.getView(), nullptr);
    EXPECT_EQ(copy.getRoot(), form);
    EXPECT_EQ(copy.getModel(), &model);
}

} // namespace
