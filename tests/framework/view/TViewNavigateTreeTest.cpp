#include "view/TViewNavigateTree.h"

#include "WizardTestHost.h"

#include "controls/TControlDisplayInfo.h"
#include "presenter/TPrNavigateTree.h"
#include "view/TViewBaseForm.h"

#include "DesktopMetrics.h"
#include "GestureFlush.h"
#include "QtLeakCheck.h"
#include "TPanel.h"
#include "TcxKelButton.h"
#include "TcxKelTreeList.h"
#include "TcxTreeListModel.h"
#include "TcxTreeListNode.h"

#include <gmock/gmock.h>

#include <QTest>

using namespace wizardtest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// A wizard with a navigation tree, a screen that may refuse its data, and the means to click
// the tree's lines.
class NavHarness : public WizardHarness
{
public:
    // A wizard over `screens` with `active` as its active screen, shown and refreshed.
    void Build(const std::vector<Screen>& screens, int active)
    {
        BuildWizard(screens, active);
        presenter = new TPrNavigateTree(form->getPanelNavigateTree(), form, &model, nullptr, flow);
        form->Add(presenter);
        view = presenter->getViewNavigateTree();
        view->SetComplexData(new NavData(&model, flow, &dataDestroyed));
        tree = view->cxKelTreeList_Navigate;
        form->getView()->Show();
        form->Show();
        form->Update();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form->getView()));
    }

    void Destroy()
    {
        delete form;
        form = nullptr;
        flushQtEvents();
    }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (TcxTreeListNode* node = Line(0); node; node = node->GetNext())
            lines.push_back(node->GetValue(0));
        return lines;
    }
    TcxTreeListNode* Line(int index) const { return tree->GetNodes()->GetAbsoluteItem(index); }
    int FocusedLine() const
    {
        return tree->GetFocusedNode() ? tree->GetFocusedNode()->GetAbsoluteIndex() : -1;
    }

    QRect RowOf(int index) const
    {
        return tree->visualRect(
            static_cast<const TcxTreeListModel*>(tree->model())->IndexOf(Line(index)));
    }
    void Click(const QPoint& point)
    {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, point);
    }
    void ClickLine(int index)
    {
        Click(QPoint(RowOf(index).left() + 10, RowOf(index).center().y()));
    }
    // On the line's expand button.
    void ClickButton(int index)
    {
        const QRect row = RowOf(index);
        Click(QPoint(row.left() - tree->indentation() / 2, row.center().y()));
    }

    TPrNavigateTree* presenter = nullptr;
    TViewNavigateTree* view = nullptr;
    bool dataDestroyed = false;
    TcxKelTreeList* tree = nullptr;
};

class TViewNavigateTreeTest : public QtLeakCheckedTest, protected NavHarness
{
protected:
    static void SetUpTestSuite()
    {
        SetDesktopSizeOverride(1280, 1024);
        // The first wizard window, tree list, scroll and click of the process make Qt build
        // what it keeps for good; let that happen before objects are counted.
        {
            NavHarness warmUp;
            warmUp.Build(Screens(60), 10);
            warmUp.tree->SetTopVisibleIndex(20);
            warmUp.ClickLine(21);
            (new TcxKelButton(warmUp.form->getView()))->SetDefault(true);
            QTest::keyClick(warmUp.tree, Qt::Key_Down);
            QTest::keyClick(warmUp.tree, Qt::Key_Return);
            warmUp.Destroy();
        }
        flushQtEvents();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
    }

    void SetUp() override
    {
        SetDesktopSizeOverride(1280, 1024);
        QtLeakCheckedTest::SetUp();
    }
    void TearDown() override
    {
        Destroy();
        flushDeletedGestures();
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }
};

TEST_F(TViewNavigateTreeTest, ShowsOneLinePerDisplayableScreenAsTheFlowChanges)
{
    Build({{10, 100}, {20, 200, 1, false}, {30, 300}, {40, -1}, {50, 0}}, 10);
    EXPECT_THAT(Lines(), ElementsAre("Ecran 10", "Ecran 30", "Ecran 50"));
    EXPECT_EQ(Line(1)->GetData(), 30); // the screen's enumerator identifies its line

    flow->SetOFF(30);
    form->Update();
    EXPECT_THAT(Lines(), ElementsAre("Ecran 10", "Ecran 50"));
    EXPECT_EQ(Line(1)->GetData(), 50);
    flow->SetON(20);
    form->Update();
    EXPECT_THAT(Lines(), ElementsAre("Ecran 10", "Ecran 20", "Ecran 50"));

    view->SetComplexData(nullptr);
    EXPECT_TRUE(dataDestroyed);
}

TEST_F(TViewNavigateTreeTest, TheActiveScreensLineIsFocusedUnlessHidden)
{
    Build(Screens(4), 30);
    EXPECT_EQ(FocusedLine(), 2);
    Destroy();
    Build(Screens(3), 10);
    flow->SetOFF(20); // active next, but no longer displayable
    flow->setEnumEcranActif(20);
    form->Update();
    EXPECT_EQ(FocusedLine(), -1);
}

TEST_F(TViewNavigateTreeTest, TheExpandButtonNeverNavigatesAndACollapseSurvivesTheNextRefresh)
{
    // Screen 20 is a line under screen 10; lines start expanded.
    Build({{10, 100}, {20, 200, 2}, {30, 300}}, 30);
    ClickButton(0);
    form->Update();
    EXPECT_FALSE(Line(0)->GetExpanded());
    // Kept by the wizard form in one record under the tree control's lettrage (-1).
    ASSERT_EQ(form->getControlDisplayInfoList().size(), 1u);
    const TControlDisplayInfo* record = form->getControlDisplayInfoList()[0];
    EXPECT_EQ(record->getCtrlId(), -1);
    EXPECT_EQ(record->getNodeInfoList().size(), 3u);
    Line(0)->SetFocused(true); // even with the focus on the line whose button is clicked
    ClickButton(0);
    EXPECT_TRUE(Line(0)->GetExpanded());
    EXPECT_EQ(gate->validations, 0);
    EXPECT_THAT(form->changes, IsEmpty());
}

// --- Clicks ---

TEST_F(TViewNavigateTreeTest, AClickMovesToTheScreenOfItsLineOnceTheScreenLeftAcceptsItsData)
{
    struct Case
    {
        const char* what;
        std::vector<Screen> screens;
        int active, line;
        bool accepts;
        int validations, landed, focused; // landed 0: no screen change
    };
    const std::vector<Screen> headings = {{10, 100}, {20, 0}, {25, 0}, {30, 300}, {40, 400}};
    const std::vector<Screen> lastHeading = {{10, 100}, {20, 200}, {30, 0}};
    const Case cases[] = {
        {"accepted", Screens(4), 10, 2, true, 1, 30, 2},
        {"refused", Screens(4), 10, 2, false, 1, 0, 0},
        {"active line", Screens(4), 20, 1, true, 0, 0, 1},
        {"below the lines", Screens(3), 20, -1, true, 0, 0, 1},
        {"heading: next titled", headings, 10, 1, true, 1, 30, 3},
        {"heading, none titled after", lastHeading, 10, 2, true, 1, 30, 2},
        {"heading before active", {{10, 100}, {20, 0}, {30, 300}}, 30, 1, true, 1, 0, 2},
        {"screen off since the refresh", Screens(3), 10, 2, true, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build(c.screens, c.active);
        gate->accepts = c.accepts;
        if (c.line == 2 && c.validations == 0)
            flow->SetOFF(30); // the tree still shows it until the next refresh
        if (c.line < 0)
            Click(QPoint(10, tree->viewport()->height() - 3));
        else
            ClickLine(c.line);
        EXPECT_EQ(gate->validations, c.validations);
        EXPECT_EQ(gate->shown, c.validations > 0);
        EXPECT_EQ(flow->getEnumEcranActif(), c.landed ? c.landed : c.active);
        EXPECT_EQ(form->changes, c.landed ? std::vector<int>{c.landed} : std::vector<int>{});
        EXPECT_EQ(FocusedLine(), c.focused);
        Destroy();
    }
}

TEST_F(TViewNavigateTreeTest, ArrowsMoveAndReturnOpensTheFocusedLineNeverTheDefaultButton)
{
    Build(Screens(5), 10);
    auto* defaultButton = new TcxKelButton(form->getView());
    defaultButton->SetDefault(true);
    int pressed = 0;
    defaultButton->OnClick = [&pressed](TObject*) { ++pressed; };
    tree->setFocus();
    // What the screen left answers, then where the wizard is; a refused Enter gives the focus
    // back to the active line.
    const std::tuple<Qt::Key, bool, int> keys[] = {
        {Qt::Key_Down, true, 10},  {Qt::Key_Down, true, 10},   {Qt::Key_Return, true, 30},
        {Qt::Key_Down, false, 30}, {Qt::Key_Enter, false, 30}, {Qt::Key_Down, true, 30},
        {Qt::Key_Return, true, 40}};
    for (const auto& [key, accepts, active] : keys) {
        gate->accepts = accepts;
        QTest::keyClick(tree, key);
        EXPECT_EQ(flow->getEnumEcranActif(), active) << key;
    }
    EXPECT_EQ(gate->validations, 3);
    EXPECT_EQ(pressed, 0);
}

} // namespace
