#include "view/TViewBaseForm.h"

#include "ScreenTestHost.h"

#include "presenter/TPrBaseForm.h"

#include "DesktopMetrics.h"
#include "LogCapture.h"
#include "QtLeakCheck.h"
#include "TEdit.h"
#include "TPanel.h"

#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

namespace {

// Lets Qt build, once per process, what it makes lazily the first time a window with scroll
// bars is shown and a field takes the focus, so that the leak checks count only the tests' own
// objects.
void warmUpWindows()
{
    static bool done = false;
    if (std::exchange(done, true))
        return;
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
        SetDesktopSizeOverride(1280, 1024);
    }
    void TearDown() override
    {
        delete m_window.data();
        m_presenter.reset();
        SetDesktopSizeOverride(0, 0);
        QtLeakCheckedTest::TearDown();
    }

    // A wizard window serving a form presenter made on the desktop set at that moment.
    TViewBaseForm* makeWindow()
    {
        m_presenter = std::make_unique<TPrBaseForm>(nullptr, &m_model, nullptr);
        return m_window = new TViewBaseForm(nullptr, m_presenter.get());
    }

    // Shows the window, then (when given) resizes it and waits until the height is applied
    // (the width may take a scroll bar more).
    void show(QSize size = {})
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
        if (size.isEmpty())
            return;
        m_window->resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->height() == size.height(); }));
    }

    void sendMessage(UINT msg, WPARAM wParam)
    {
        TMessage message;
        message.Msg = msg;
        message.WParam = wParam;
        m_window->Dispatch(&message);
    }

    TInfoGene m_info;
    screentest::TestModel m_model{&m_info};
    std::unique_ptr<TPrBaseForm> m_presenter;
    QPointer<TViewBaseForm> m_window; // may free itself when closed
};

} // namespace

TEST_F(TViewBaseFormTest, TheColumnFollowsTheDesktopAndReduceTakesItAwayOnce)
{
    for (const bool wide : {true, false}) {
        SCOPED_TRACE(wide);
        SetDesktopSizeOverride(wide ? 1280 : 800, wide ? 1024 : 600);
        TViewBaseForm* window = makeWindow();
        EXPECT_EQ(window->PanelNavigateTree->GetVisible(), wide);
        EXPECT_EQ(window->PanelEcranVCL->GetLeft(), wide ? 250 : 0);
        EXPECT_EQ(window->GetClientWidth(), wide ? 892 : 735);
        for (int reduce = 0; reduce < 2; ++reduce) {
            window->Reduce();
            EXPECT_FALSE(window->PanelNavigateTree->GetVisible());
            EXPECT_EQ(window->PanelEcranVCL->GetLeft(), 0);
            EXPECT_EQ(window->PanelManagementButtons->GetLeft(), 0);
            EXPECT_EQ(window->GetClientWidth(), wide ? 642 : 735);
            EXPECT_EQ(window->getMaximumWidth(), wide ? 642 : 735);
        }
        delete m_window.data();
    }
}

TEST_F(TViewBaseFormTest, UpdateShowsTheScreenNameAsCaption)
{
    TViewBaseForm* window = makeWindow();
    window->setScreenName("Rep\xE8res de l'entreprise");
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
        EXPECT_EQ(window->getMaximumHeight(), height + 64);
        EXPECT_EQ(window->PanelEcranVCL->GetHeight(), height);
        EXPECT_EQ(window->PanelManagementButtons->GetTop(), height);
    }
    window->SetHeight(200);       // the user made the window shorter
    window->FixClientHeight(600); // the same height: nothing changes
    EXPECT_EQ(window->GetHeight(), 200);
}

TEST_F(TViewBaseFormTest, ShortWindowScrollsToTheFocusedControl)
{
    TViewBaseForm* window = makeWindow();
    new TEdit(window->PanelEcranVCL); // has the focus first
    auto* button = new TEdit(window->PanelManagementButtons);
    button->SetBounds(10, 20, 100, 24);
    show(QSize(window->getMaximumWidth(), 200));
    QScrollBar* vertical = nullptr;
    for (QScrollBar* bar : window->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
        if (bar->orientation() == Qt::Vertical)
            vertical = bar;
    ASSERT_TRUE(QTest::qWaitFor([&] { return vertical->isVisible(); }));
    EXPECT_EQ(vertical->value(), 0);

    button->SetFocus();
    // The control, 479 to 503 pixels down the panels, comes into the visible part.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        const int top = button->mapTo(window, QPoint(0, 0)).y();
        return vertical->value() > 0 && top >= 0 && top + button->height() <= window->GetHeight();
    }));
}

TEST_F(TViewBaseFormTest, ClosingTheWindowAsksThePresenterThenFreesTheWindow)
{
    makeWindow();
    show();
    LogCapture log;
    // Nothing modified, nothing finished: the window may close and is freed.
    sendMessage(TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_CLOSE);
    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{"TPrBaseForm::OnCloseQuery()", "TPrBaseForm::OnClose()"}));
    EXPECT_TRUE(m_presenter->isClosed());
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_window.isNull(); }));
}

TEST_F(TViewBaseFormTest, TabGoesThroughTheScreenThenTheButtonsThenTheTree)
{
    TViewBaseForm* window = makeWindow();
    // Views made in another order than the tab order, one after the window is shown.
    auto* buttons = new TEdit(window->PanelManagementButtons);
    auto* screen = new TEdit(window->PanelEcranVCL);
    show();
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
    window->Hide();
    EXPECT_FALSE(window->isVisible());
}
