#pragma once

// The wizard window: a top-level window holding three panels that host the other views, the
// navigation tree on the left (250 pixels), the current screen in the middle and the bar of
// management buttons under the screen. The window's height follows the height of each screen
// (FixClientHeight), the user can never make it larger than its content, and maximizing it
// from the title bar restores that largest size instead of filling the desktop. Closing the
// window is decided by the presenter.
//
// When the window is made smaller than its content, scroll bars let the user reach the rest:
// the panels live in a scrolled area that fills the window, which also follows the keyboard
// focus and the mouse wheel.
// Made by the wizard form presenter; deleted with its owner component, or freed when it closes at
// the end of a run.

#include "wizard_framework_export.h"

#include "view/TView.h"

#include "TForm.h"
#include "TMessageTarget.h"

#include <QList>
#include <QPointer>

#include <string>

class QScrollBar;
class QStatusBar;
class TPanel;
class TPrBaseForm;

class WIZARD_FRAMEWORK_EXPORT TViewBaseForm : public TView, public TMessageTarget
{
    Q_OBJECT

public:
    // Window messages of the title bar that the window handles itself (values of Windows).
    static constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
    static constexpr UINT WM_SYSCOMMAND = 0x0112;
    static constexpr WPARAM HTCAPTION = 2;
    static constexpr WPARAM SC_MINIMIZE = 0xF020;
    static constexpr WPARAM SC_MAXIMIZE = 0xF030;
    static constexpr WPARAM SC_CLOSE = 0xF060;
    static constexpr WPARAM SC_RESTORE = 0xF120;

    // Layout of the window, in pixels.
    static constexpr int kClientWidth = 892;
    static constexpr int kClientHeight = 523;
    static constexpr int kNavigateTreeWidth = 250;
    static constexpr int kScreenHeight = 459;
    static constexpr int kButtonsHeight = 64;

    // `owner` deletes the window when it is deleted itself; `presenter` (not owned) receives
    // the close requests and tells whether the navigation column is shown.
    TViewBaseForm(TComponent* owner, TPrBaseForm* presenter);
    // A window cannot be duplicated.
    TViewBaseForm(const TViewBaseForm&) = delete;
    // Takes the other window's screen name (the caption shown at the next Update); the
    // window itself, its panels and its sizes stay as they are.
    TViewBaseForm& operator=(const TViewBaseForm& other);
    ~TViewBaseForm() override;

    // Same presenter and same screen name.
    bool operator==(const TViewBaseForm& other) const;

    // TView
    // The caption becomes the screen name.
    void Update() override;
    // Hides the navigation column: the screen and the buttons move to the left edge and the
    // window loses the column's width.
    void Reduce() override;
    // Fits the window to a screen `height` pixels high (the buttons bar stays under it).
    void FixClientHeight(int height) override;
    // The window's colour from the colour table.
    void InitCouleurs() override;

    // Places the window 22 pixels right of and below its owner's window.
    void Cascade();
    // Centres the window on the application's main window when it is shown.
    void Center();

    std::string getScreenName() const { return m_screenName; }
    void setScreenName(const std::string& screenName) { m_screenName = screenName; }

    // The client height set by the last FixClientHeight (the layout's at first), and the
    // largest window the content allows (0: no limit).
    int getFixedClientHeight() const { return m_clientHeight; }
    int getMaximumHeight() const { return m_maximumHeight; }
    int getMaximumWidth() const { return m_maximumWidth; }
    TPrBaseForm* getPresenter() const { return m_Presenter; }

    // Event handlers of the window, as its layout attaches them.
    // The window closes: the presenter chooses what closing does.
    void OnClose(TObject* Sender, TCloseAction& Action);
    // The window asks whether it may close: the presenter decides.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    // Bounds the window to its content, plus room for one scroll bar when the other
    // direction is cut.
    void FormConstrainedResize(TObject* Sender, int& MinWidth, int& MinHeight, int& MaxWidth,
                               int& MaxHeight);
    // Snaps a window that reaches its maximum size to the size its constraints allow.
    void FormResize(TObject* Sender);

    // The window's message entry: the title-bar double click and the maximize command; every
    // other message goes to the inherited dispatch. A null message is ignored.
    void Dispatch(void* message) override;
    // A double click on the caption is a maximize command.
    void MDIDblClickBar(TMessage& message);
    // Maximize restores the largest size instead.
    void MDIMaximize(TMessage& message);
    // What the window does with a message nobody routed: the system commands close, minimize
    // and restore do what their names say; everything else is ignored.
    void DefaultHandler(void* message) override;

    // The three panels of the layout; they belong to the window.
    TPanel* PanelNavigateTree = nullptr;
    TPanel* PanelEcranVCL = nullptr;
    TPanel* PanelManagementButtons = nullptr;

    // What an assistive technology reads as the window's status: the caption, running
    // figures included. Not drawn; it follows every Update.
    QStatusBar* getStatusText() const { return m_statusText; }

protected:
    bool CloseQuery() override;
    void DoClose(TCloseAction& action) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QStatusBar* m_statusText = nullptr; // child of the window
    // Runs FormConstrainedResize and applies the bounds it chose.
    void ConstrainResize();
    // The scrolled area always spans the panels.
    void UpdateScrollRange();
    // Shows the scroll bars the window needs and places the visible part of the panels.
    void LayoutScrolling();
    void ScrollContent();
    // Scrolls so that `widget`, when it is in the panels, is in sight.
    void EnsureVisible(QWidget* widget);
    // Screen first, then the buttons, then the navigation tree, whatever order the views
    // were created in.
    void ScheduleTabOrder();
    void FixTabOrder();
    QList<QWidget*> TabStops() const;

    TPrBaseForm* m_Presenter = nullptr; // not owned
    int m_clientHeight = 0;
    int m_maximumHeight = 0;
    int m_maximumWidth = 0;
    std::string m_screenName;
    QPointer<QObject> m_owner;     // the owner component, for Cascade
    QWidget* m_viewport = nullptr; // the visible part of the panels
    QWidget* m_content = nullptr;  // the panels, moved by the scroll bars
    QScrollBar* m_verticalBar = nullptr;
    QScrollBar* m_horizontalBar = nullptr;
    bool m_tabOrderPending = false;
};
