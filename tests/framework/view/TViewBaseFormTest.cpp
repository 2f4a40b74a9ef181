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

    void show()
    {
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
    }

    TInfoGene m_info;
    screentest::TestModel m_model{&m_info};
    std::unique_ptr<TPrBaseForm> m_presenter;
    QPointer<TViewBaseForm> m_window; // may free itself when closed
};

} // namespace

TEST_F(TViewBaseFormTest, UpdateShowsTheScreenNameAsCaption)
{
    TViewBaseForm* window = makeWindow();
    window->setScreenName("Rep\xE8res de l'entreprise");
    window->Update();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Repères de l'entreprise"));
}

TEST_F(TViewBaseFormTest, ClosingTheWindowAsksThePresenterThenFreesTheWindow)
{
    makeWindow();
    show();
    LogCapture log;
    // Nothing modified, nothing finished: the window may close and is freed.
    TMessage close;
    close.Msg = TViewBaseForm::WM_SYSCOMMAND;
    close.WParam = TViewBaseForm::SC_CLOSE;
    m_window->Dispatch(&close);
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
