#include "view/TViewBaseForm.h"

#include "ScreenTestHost.h"

#include "model/TModelAbstract.h"
#include "presenter/TPrBaseForm.h"

#include "DesktopMetrics.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "TEdit.h"
#include "TInfoGene.h"
#include "TPanel.h"
#include "TSingletonCouleur.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include <cstdlib>

#include <memory>

namespace {

constexpr int kWideDesktopWidth = 1280;
constexpr int kWideDesktopHeight = 1024;

// Lets Qt build, once per process, what it makes lazily the first time a window with scroll
// bars is shown and a field takes the focus, so that the leak checks count only the tests' own
// objects.
void warmUpWindows()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    TViewBaseForm window(nullptr, nullptr);
    new TEdit(window.PanelEcranVCL);
    auto* edit = new TEdit(window.PanelManagementButtons);
    window.show();
    window.resize(300, 200);
    (void)QTest::qWaitForWindowExposed(&window);
    edit->SetFocus();
    (void)QTest::qWaitFor([edit] { return edit->hasFocus(); });
    window.hide();
    flushQtEvents();
}

class TViewBaseFormTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        warmUpWindows();
        QtLeakCheckedTest::SetUp();
        m_savedColours = *TSingletonCouleur::GetInstance();
        SetDesktopSizeOverride(kWideDesktopWidth, kWideDesktopHeight);
        m_info.setCouleur(0x00336699);
    }

    void TearDown() override
    {
        delete m_window.data();
        m_presenter.reset();
        SetDesktopSizeOverride(0, 0);
        *TSingletonCouleur::GetInstance() = m_savedColours;
        QtLeakCheckedTest::TearDown();
    }

    // A wizard window serving a form presenter made on the desktop set at that moment.
    TViewBaseForm* makeWindow()
    {
        m_model = std::make_unique<screentest::TestModel>(&m_info);
        m_presenter = std::make_unique<TPrBaseForm>(nullptr, m_model.get(), nullptr);
        m_window = new TViewBaseForm(nullptr, m_presenter.get());
        return m_window;
    }

    // Shows the window, then (when given) resizes it and waits until the height is applied
    // (the width may take a scroll bar more).
    static void show(TViewBaseForm* window, QSize size = {})
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        if (size.isEmpty())
            return;
        window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->height() == size.height(); }));
    }

    static void sendMessage(TViewBaseForm* window, UINT msg, WPARAM wParam)
    {
        TMessage message;
        message.Msg = msg;
        message.WParam = wParam;
        window->Dispatch(&message);
    }

    // Waits until the window has its largest size (within the pixel a frame may round).
    static bool hasLargestSize(TViewBaseForm* window)
    {
        return QTest::qWaitFor([window] {
            return window->GetWindowState() == wsNormal &&
                   std::abs(window->GetWidth() - window->getMaximumWidth()) <= 1 &&
                   std::abs(window->GetHeight() - window->getMaximumHeight()) <= 1;
        });
    }

    TInfoGene m_info;
    std::unique_ptr<TModelAbstract> m_model;
    std::unique_ptr<TPrBaseForm> m_presenter;
    QPointer<TViewBaseForm> m_window; // may free itself when closed
    TSingletonCouleur m_savedColours;
};

// The window's own scroll bar of that orientation.
QScrollBar* scrollBar(TViewBaseForm* window, Qt::Orientation orientation)
{
    for (QScrollBar* bar : window->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (bar->orientation() == orientation)
            return bar;
    ADD_FAILURE() << "no scroll bar";
    return nullptr;
}

QRect geometryOf(const TPanel* panel)
{
    return {panel->GetLeft(), panel->GetTop(), panel->GetWidth(), panel->GetHeight()};
}

} // namespace

TEST_F(TViewBaseFormTest, TheLayoutFollowsTheDesktopAndReduceTakesTheColumnAwayOnce)
{
    struct Case
    {
        int width, height;
        bool column;
        int left, clientWidth;
    };
    const Case cases[] = {{1280, 1024, true, 250, 892}, {800, 600, false, 0, 735}};
    TSingletonCouleur::GetInstance()->setColors(couleurFondAssistant, 0x00112233);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        SetDesktopSizeOverride(c.width, c.height);
        TViewBaseForm* window = makeWindow();
        EXPECT_EQ(window->PanelNavigateTree->GetVisible(), c.column);
        EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(c.left, 0, 642, 459));
        EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(c.left, 459, 642, 64));
        EXPECT_EQ(window->GetClientWidth(), c.clientWidth);
        EXPECT_EQ(window->getMaximumWidth(), c.clientWidth);
        EXPECT_EQ(window->GetClientHeight(), 523);
        EXPECT_EQ(window->getMaximumHeight(), 523);
        EXPECT_EQ(window->GetColor(), 0x00112233);
        for (const TPanel* panel :
             {window->PanelNavigateTree, window->PanelEcranVCL, window->PanelManagementButtons})
            EXPECT_EQ(panel->GetColor(), 0x00336699);
        for (int reduce = 0; reduce < 2; ++reduce) {
            window->Reduce();
            EXPECT_FALSE(window->PanelNavigateTree->GetVisible());
            EXPECT_EQ(window->PanelEcranVCL->GetLeft(), 0);
            EXPECT_EQ(window->PanelManagementButtons->GetLeft(), 0);
            EXPECT_EQ(window->GetClientWidth(), c.column ? 642 : c.clientWidth);
            EXPECT_EQ(window->getMaximumWidth(), c.column ? 642 : c.clientWidth);
        }
        delete m_window.data();
    }
}

TEST_F(TViewBaseFormTest, UpdateShowsTheScreenNameAsCaption)
{
    TViewBaseForm* window = makeWindow();
    window->setScreenName("Rep\xE8res de l'entreprise");
    EXPECT_EQ(window->GetCaption(), "BaseForm");
    EXPECT_EQ(window->GetPosition(), poOwnerFormCenter);
    window->Update();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Repères de l'entreprise"));
}

TEST_F(TViewBaseFormTest, FixClientHeightFitsTheWindowToTheScreen)
{
    TViewBaseForm* window = makeWindow();
    for (const int height : {300, 600}) {
        SCOPED_TRACE(height);
        window->FixClientHeight(height);
        EXPECT_EQ(window->GetClientHeight(), height + 64);
        EXPECT_EQ(window->getFixedClientHeight(), height + 64);
        EXPECT_EQ(window->getMaximumHeight(), height + 64);
        EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(250, 0, 642, height));
        EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(250, height, 642, 64));
        EXPECT_EQ(window->PanelNavigateTree->GetHeight(), height + 64);
        EXPECT_GE(window->GetConstraintMaxHeight(), height + 64);
        EXPECT_LE(window->GetConstraintMaxHeight(), height + 64 + GetSystemMetrics(SM_CYHSCROLL));
    }
    window->SetHeight(200);       // the user made the window shorter
    window->FixClientHeight(600); // the same height: nothing changes
    EXPECT_EQ(window->GetHeight(), 200);
}

TEST_F(TViewBaseFormTest, AShorterWindowMayBeWiderByOneScrollBarButNeverGrowsBeyondItsContent)
{
    TViewBaseForm* window = makeWindow();
    show(window);
    window->resize(2000, 2000);
    EXPECT_TRUE(hasLargestSize(window));

    window->resize(window->getMaximumWidth(), 300);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    // Reaching the maximum width while cut in height gives the scroll bar its room.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->GetWidth() == window->getMaximumWidth() + barWidth; }));
    EXPECT_EQ(window->GetConstraintMaxWidth(), window->getMaximumWidth() + barWidth);
    EXPECT_TRUE(scrollBar(window, Qt::Vertical)->isVisible());
    EXPECT_FALSE(scrollBar(window, Qt::Horizontal)->isVisible());

    // The whole height again: the extra width goes.
    window->resize(window->GetWidth(), window->getMaximumHeight());
    EXPECT_TRUE(hasLargestSize(window));
    EXPECT_FALSE(scrollBar(window, Qt::Vertical)->isVisible());
}

TEST_F(TViewBaseFormTest, ShortWindowScrollsToTheFocusedControl)
{
    TViewBaseForm* window = makeWindow();
    new TEdit(window->PanelEcranVCL); // has the focus first
    auto* button = new TEdit(window->PanelManagementButtons);
    button->SetBounds(10, 20, 100, 24);
    show(window, QSize(window->getMaximumWidth(), 200));
    QScrollBar* vertical = scrollBar(window, Qt::Vertical);
    ASSERT_TRUE(QTest::qWaitFor([&] { return vertical->isVisible(); }));
    EXPECT_EQ(vertical->value(), 0);

    button->SetFocus();
    // The control, 479 to 503 pixels down the panels, comes into the visible part.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const int top = button->mapTo(window, QPoint(0, 0)).y();
        return vertical->value() > 0 && top >= 0 && top + button->height() <= window->GetHeight();
    }));
}

TEST_F(TViewBaseFormTest, MaximizingInAnyWayRestoresTheLargestSize)
{
    for (const int way : {0, 1, 2}) {
        SCOPED_TRACE(way);
        TViewBaseForm* window = makeWindow();
        show(window, QSize(500, 300));
        if (way == 0) {
            sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_MAXIMIZE);
        } else if (way == 1) {
            // Elsewhere than on the caption, a double click is left alone.
            constexpr WPARAM kHitClient = 1;
            sendMessage(window, TViewBaseForm::WM_NCLBUTTONDBLCLK, kHitClient);
            EXPECT_EQ(window->size(), QSize(500, 300));
            sendMessage(window, TViewBaseForm::WM_NCLBUTTONDBLCLK, TViewBaseForm::HTCAPTION);
        } else {
            window->showMaximized(); // from the window manager
        }
        EXPECT_TRUE(hasLargestSize(window));
        delete m_window.data();
    }
}

TEST_F(TViewBaseFormTest, OtherSystemCommandsGetTheirUsualHandling)
{
    TViewBaseForm* window = makeWindow();
    show(window);
    TMessage unknown;
    unknown.Msg = 0x0400;
    unknown.Result = 99;
    window->Dispatch(&unknown);
    EXPECT_EQ(unknown.Result, 0);
    window->Dispatch(nullptr);
    EXPECT_TRUE(window->isVisible());

    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_MINIMIZE);
    EXPECT_EQ(window->GetWindowState(), wsMinimized);
    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_RESTORE);
    EXPECT_EQ(window->GetWindowState(), wsNormal);
}

TEST_F(TViewBaseFormTest, ClosingTheWindowAsksThePresenterThenFreesTheWindow)
{
    TViewBaseForm* window = makeWindow();
    show(window);
    LogCapture log;
    // Nothing modified, nothing finished: the window may close and is freed.
    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_CLOSE);
    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{"TPrBaseForm::OnCloseQuery()", "TPrBaseForm::OnClose()"}));
    EXPECT_TRUE(m_presenter->isClosed());
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_window.isNull(); }));

    auto alone = std::make_unique<TViewBaseForm>(nullptr, nullptr); // without presenter
    show(alone.get());
    alone->Close();
    EXPECT_FALSE(alone->isVisible());
}

TEST_F(TViewBaseFormTest, CascadePlacesTheWindowBesideItsOwner)
{
    TForm owner;
    owner.move(100, 50);
    auto* window = new TViewBaseForm(&owner, nullptr); // deleted with its owner
    window->Cascade();
    EXPECT_EQ(window->GetPosition(), poDesigned);
    EXPECT_EQ(window->pos(), QPoint(122, 72));
    window->Center();
    EXPECT_EQ(window->GetPosition(), poMainFormCenter);
}

TEST_F(TViewBaseFormTest, TabGoesThroughTheScreenThenTheButtonsThenTheTree)
{
    TViewBaseForm* window = makeWindow();
    // Views made in another order than the tab order, one after the window is shown.
    auto* buttons = new TEdit(window->PanelManagementButtons);
    auto* screen = new TEdit(window->PanelEcranVCL);
    show(window);
    auto* tree = new TEdit(window->PanelNavigateTree);
    const auto nextStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    // The order is fixed once the events are processed.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return nextStop(screen) == buttons && nextStop(buttons) == tree && nextStop(tree) == screen;
    }));
    EXPECT_EQ(QApplication::focusWidget(), screen); // the screen's first field
}
