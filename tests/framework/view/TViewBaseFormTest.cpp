#include "view/TViewBaseForm.h"

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
#include <QWidget>

#include <memory>

namespace {

// The least a model must supply; the window only reads its general information.
class WindowTestModel : public TModelAbstract
{
public:
    using TModelAbstract::TModelAbstract;
    structMessage* ControleLettres(structLettre* /*lettres*/) override { return nullptr; }
    structMessage* ControleDeclaration() override { return nullptr; }
    char* TexteDuMessage(structMessage* /*message*/, char** texte) override
    {
        if (texte)
            *texte = nullptr;
        return nullptr;
    }
    char* LibelleDeLaLettre(short /*lettrage*/, char** libelle) override
    {
        if (libelle)
            *libelle = nullptr;
        return nullptr;
    }
};

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
    QCoreApplication::processEvents();
    edit->SetFocus();
    QCoreApplication::processEvents();
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
        m_model = std::make_unique<WindowTestModel>(&m_info);
        m_presenter = std::make_unique<TPrBaseForm>(nullptr, m_model.get(), nullptr);
        m_window = new TViewBaseForm(nullptr, m_presenter.get());
        return m_window;
    }

    static void showAndSettle(QWidget* window)
    {
        window->show();
        QCoreApplication::processEvents();
    }

    static void sendMessage(TViewBaseForm* window, UINT msg, WPARAM wParam)
    {
        TMessage message;
        message.Msg = msg;
        message.WParam = wParam;
        window->Dispatch(&message);
        QCoreApplication::processEvents();
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

TEST_F(TViewBaseFormTest, WideDesktopShowsTheThreePanelsOfTheLayout)
{
    TViewBaseForm* window = makeWindow();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(window->GetCaption(), "BaseForm");
    EXPECT_EQ(window->GetClientWidth(), 892);
    EXPECT_EQ(window->GetClientHeight(), 523);
    EXPECT_EQ(geometryOf(window->PanelNavigateTree), QRect(0, 0, 250, 523));
    EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(250, 0, 642, 459));
    EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(250, 459, 642, 64));
    EXPECT_TRUE(window->PanelNavigateTree->GetVisible());
    EXPECT_EQ(window->getFixedClientHeight(), 523);
    EXPECT_EQ(window->getMaximumHeight(), 523);
    EXPECT_EQ(window->getMaximumWidth(), 892);
    EXPECT_EQ(window->GetPosition(), poOwnerFormCenter);
}

TEST_F(TViewBaseFormTest, SmallDesktopHasNoNavigationColumn)
{
    SetDesktopSizeOverride(800, 600);
    TViewBaseForm* window = makeWindow();

    EXPECT_FALSE(window->PanelNavigateTree->GetVisible());
    EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(0, 0, 642, 459));
    EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(0, 459, 642, 64));
    EXPECT_EQ(window->GetClientWidth(), 735); // 892 - 156.25, truncated
    EXPECT_EQ(window->getMaximumWidth(), 735);

    // The column is already gone: nothing more to take away.
    window->Reduce();
    EXPECT_EQ(window->PanelEcranVCL->GetLeft(), 0);
    EXPECT_EQ(window->GetClientWidth(), 735);
}

TEST_F(TViewBaseFormTest, ReduceTakesTheNavigationColumnAwayOnce)
{
    TViewBaseForm* window = makeWindow();

    window->Reduce();
    EXPECT_FALSE(window->PanelNavigateTree->GetVisible());
    EXPECT_EQ(window->PanelEcranVCL->GetLeft(), 0);
    EXPECT_EQ(window->PanelManagementButtons->GetLeft(), 0);
    EXPECT_EQ(window->GetClientWidth(), 642);
    EXPECT_EQ(window->getMaximumWidth(), 642);

    window->Reduce();
    EXPECT_EQ(window->PanelEcranVCL->GetLeft(), 0);
    EXPECT_EQ(window->GetClientWidth(), 642);
}

TEST_F(TViewBaseFormTest, ColoursComeFromTheColourTableAndTheGeneralInformation)
{
    TSingletonCouleur::GetInstance()->setColors(couleurFondAssistant, 0x00112233);
    TViewBaseForm* window = makeWindow();

    EXPECT_EQ(window->GetColor(), 0x00112233);
    EXPECT_EQ(window->PanelNavigateTree->GetColor(), 0x00336699);
    EXPECT_EQ(window->PanelEcranVCL->GetColor(), 0x00336699);
    EXPECT_EQ(window->PanelManagementButtons->GetColor(), 0x00336699);
}

TEST_F(TViewBaseFormTest, UpdateShowsTheScreenNameAsCaption)
{
    TViewBaseForm* window = makeWindow();
    window->setScreenName("Rep\xE8res de l'entreprise");
    EXPECT_EQ(window->GetCaption(), "BaseForm");

    window->Update();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Repères de l'entreprise"));
    EXPECT_EQ(window->getScreenName(), "Rep\xE8res de l'entreprise");
}

TEST_F(TViewBaseFormTest, FixClientHeightFitsTheWindowToTheScreen)
{
    TViewBaseForm* window = makeWindow();

    // Shrinking.
    window->FixClientHeight(300);
    EXPECT_EQ(window->GetClientHeight(), 364);
    EXPECT_EQ(window->getFixedClientHeight(), 364);
    EXPECT_EQ(window->getMaximumHeight(), 364);
    EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(250, 0, 642, 300));
    EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(250, 300, 642, 64));
    EXPECT_EQ(window->PanelNavigateTree->GetHeight(), 364);
    EXPECT_LE(window->GetConstraintMaxHeight(), 364 + GetSystemMetrics(SM_CYHSCROLL));

    // Growing beyond the layout's height.
    window->FixClientHeight(600);
    EXPECT_EQ(window->GetClientHeight(), 664);
    EXPECT_EQ(window->getMaximumHeight(), 664);
    EXPECT_EQ(geometryOf(window->PanelEcranVCL), QRect(250, 0, 642, 600));
    EXPECT_EQ(geometryOf(window->PanelManagementButtons), QRect(250, 600, 642, 64));
    EXPECT_EQ(window->PanelNavigateTree->GetHeight(), 664);
    EXPECT_GE(window->GetConstraintMaxHeight(), 664);
}

TEST_F(TViewBaseFormTest, FixClientHeightWithTheSameHeightChangesNothing)
{
    TViewBaseForm* window = makeWindow();
    window->FixClientHeight(300);
    window->SetHeight(200); // the user made the window shorter

    window->FixClientHeight(300);
    EXPECT_EQ(window->GetHeight(), 200);
    EXPECT_EQ(window->getMaximumHeight(), 364);
}

TEST_F(TViewBaseFormTest, WindowNeverGrowsBeyondItsContent)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);

    window->resize(2000, 2000);
    QCoreApplication::processEvents();
    EXPECT_LE(window->GetWidth(), window->getMaximumWidth() + 1);
    EXPECT_LE(window->GetHeight(), window->getMaximumHeight() + 1);
    EXPECT_GE(window->GetWidth(), window->getMaximumWidth());
    EXPECT_GE(window->GetHeight(), window->getMaximumHeight());
}

TEST_F(TViewBaseFormTest, ShorterWindowMayBeWiderByOneScrollBar)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);

    window->resize(window->getMaximumWidth(), 300);
    QCoreApplication::processEvents();
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(window->GetConstraintMaxWidth(), window->getMaximumWidth() + barWidth);
    // Reaching the maximum width while cut in height gives the scroll bar its room.
    EXPECT_EQ(window->GetWidth(), window->getMaximumWidth() + barWidth);

    EXPECT_TRUE(scrollBar(window, Qt::Vertical)->isVisible());
    EXPECT_FALSE(scrollBar(window, Qt::Horizontal)->isVisible());

    // The whole height again: the extra width goes.
    window->resize(window->GetWidth(), window->getMaximumHeight());
    QCoreApplication::processEvents();
    EXPECT_LE(window->GetWidth(), window->getMaximumWidth() + 1);
    EXPECT_FALSE(scrollBar(window, Qt::Vertical)->isVisible());
}

TEST_F(TViewBaseFormTest, ShortWindowScrollsToTheFocusedControl)
{
    TViewBaseForm* window = makeWindow();
    new TEdit(window->PanelEcranVCL); // has the focus first
    auto* button = new TEdit(window->PanelManagementButtons);
    button->SetBounds(10, 20, 100, 24);
    showAndSettle(window);
    window->resize(window->getMaximumWidth(), 200);
    QCoreApplication::processEvents();
    QScrollBar* vertical = scrollBar(window, Qt::Vertical);
    ASSERT_TRUE(vertical->isVisible());
    EXPECT_EQ(vertical->value(), 0);

    button->SetFocus();
    QCoreApplication::processEvents();
    // The control, 479 to 503 pixels down the panels, is in the visible part.
    const QPoint top = button->mapTo(window, QPoint(0, 0));
    EXPECT_GT(vertical->value(), 0);
    EXPECT_GE(top.y(), 0);
    EXPECT_LE(top.y() + button->height(), window->GetHeight());
}

TEST_F(TViewBaseFormTest, MaximizeCommandRestoresTheLargestSize)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);
    window->resize(500, 300);
    QCoreApplication::processEvents();

    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_MAXIMIZE);
    EXPECT_EQ(window->GetWindowState(), wsNormal);
    EXPECT_GE(window->GetWidth(), window->getMaximumWidth());
    EXPECT_LE(window->GetWidth(), window->getMaximumWidth() + 1);
    EXPECT_GE(window->GetHeight(), window->getMaximumHeight());
    EXPECT_LE(window->GetHeight(), window->getMaximumHeight() + 1);
}

TEST_F(TViewBaseFormTest, CaptionDoubleClickRestoresTheLargestSize)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);
    window->resize(500, 300);
    QCoreApplication::processEvents();

    // Elsewhere than on the caption, a double click is left alone.
    constexpr WPARAM kHitClient = 1;
    sendMessage(window, TViewBaseForm::WM_NCLBUTTONDBLCLK, kHitClient);
    EXPECT_EQ(window->GetHeight(), 300);

    sendMessage(window, TViewBaseForm::WM_NCLBUTTONDBLCLK, TViewBaseForm::HTCAPTION);
    EXPECT_GE(window->GetHeight(), window->getMaximumHeight());
    EXPECT_GE(window->GetWidth(), window->getMaximumWidth());
}

TEST_F(TViewBaseFormTest, MaximizingFromTheWindowManagerRestoresTheLargestSize)
{
    TViewBaseForm* window = makeWindow();
    window->FixClientHeight(200);
    showAndSettle(window);

    window->showMaximized();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(window->GetWindowState(), wsNormal);
    EXPECT_LE(window->GetHeight(), 264 + 1);
    EXPECT_LE(window->GetWidth(), window->getMaximumWidth() + 1);
}

TEST_F(TViewBaseFormTest, OtherSystemCommandsGetTheirUsualHandling)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);

    constexpr UINT kUnknownMessage = 0x0400;
    TMessage unknown;
    unknown.Msg = kUnknownMessage;
    unknown.Result = 99;
    window->Dispatch(&unknown);
    EXPECT_EQ(unknown.Result, 0);
    EXPECT_TRUE(window->isVisible());
    window->Dispatch(nullptr);

    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_MINIMIZE);
    EXPECT_EQ(window->GetWindowState(), wsMinimized);
    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_RESTORE);
    EXPECT_EQ(window->GetWindowState(), wsNormal);
}

TEST_F(TViewBaseFormTest, ClosingTheWindowAsksThePresenter)
{
    TViewBaseForm* window = makeWindow();
    showAndSettle(window);
    LogCapture log;

    // Nothing modified, nothing finished: the window may close and is freed.
    sendMessage(window, TViewBaseForm::WM_SYSCOMMAND, TViewBaseForm::SC_CLOSE);
    EXPECT_EQ(log.messages(),
              (std::vector<std::string>{"TPrBaseForm::OnCloseQuery()", "TPrBaseForm::OnClose()"}));
    // The window may already be gone: its deletion is deferred to the next event round.
    EXPECT_TRUE(m_window.isNull() || !m_window->isVisible());
    EXPECT_TRUE(m_presenter->isClosed());
    flushQtEvents();
    EXPECT_TRUE(m_window.isNull()); // freed
}

TEST_F(TViewBaseFormTest, WindowWithoutPresenterSimplyCloses)
{
    auto window = std::make_unique<TViewBaseForm>(nullptr, nullptr);
    EXPECT_TRUE(window->PanelNavigateTree->GetVisible());
    showAndSettle(window.get());
    window->Close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TViewBaseFormTest, CascadePlacesTheWindowBesideItsOwner)
{
    TForm owner;
    owner.move(100, 50);
    auto* window = new TViewBaseForm(&owner, nullptr); // deleted with its owner

    window->Cascade();
    EXPECT_EQ(window->GetPosition(), poDesigned);
    EXPECT_EQ(window->GetLeft(), 122);
    EXPECT_EQ(window->GetTop(), 72);

    window->Center();
    EXPECT_EQ(window->GetPosition(), poMainFormCenter);
}

TEST_F(TViewBaseFormTest, TabGoesThroughTheScreenThenTheButtonsThenTheTree)
{
    TViewBaseForm* window = makeWindow();
    // Views made in another order than the tab order.
    auto* tree = new TEdit(window->PanelNavigateTree);
    auto* buttons = new TEdit(window->PanelManagementButtons);
    auto* screen = new TEdit(window->PanelEcranVCL);
    showAndSettle(window);

    EXPECT_EQ(QApplication::focusWidget(), screen); // the screen's first field
    const auto nextStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget;
    };
    EXPECT_EQ(nextStop(screen), buttons);
    EXPECT_EQ(nextStop(buttons), tree);
    EXPECT_EQ(nextStop(tree), screen);
}

TEST_F(TViewBaseFormTest, WindowsCompareByPresenterAndScreenName)
{
    TViewBaseForm first(nullptr, nullptr);
    TViewBaseForm second(nullptr, nullptr);
    EXPECT_TRUE(first == second);

    first.setScreenName("Identit\xE9");
    EXPECT_FALSE(first == second);
    second = first;
    EXPECT_TRUE(first == second);
    second = second;
    EXPECT_EQ(second.getScreenName(), "Identit\xE9");
}
