#pragma once

// A form: a window laid out with child controls. Created with an owner, it is a window of its
// own on top of the owner's window (and deleted with the owner); SetParent embeds it in a panel
// instead, where it behaves as a plain child widget.

#include "wizard_toolkit_export.h"

#include "TModalResult.h"
#include "TWinControl.h"

#include <QWidget>

#include <functional>

class QEventLoop;

enum TCloseAction
{
    caNone,    // refuse to close
    caHide,    // hide the form (the default)
    caFree,    // hide and delete the form
    caMinimize // minimize instead of closing
};

enum TPosition
{
    poDesigned, // Left and Top as set
    poDefault,  // where the window manager puts it
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter, // centred on the application's main (active) window
    poOwnerFormCenter // centred on the owner's window
};

enum TWindowState
{
    wsNormal,
    wsMinimized,
    wsMaximized
};

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class WIZARD_TOOLKIT_EXPORT TForm : public QWidget, public TWinControl
{
    Q_OBJECT

public:
    // `owner` (may be null) deletes the form; the form starts hidden.
    explicit TForm(TComponent* owner = nullptr);
    ~TForm() override;

    // The caption is the window title (also the form's Text).
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    // On Linux the window manager draws the frame: the client area is the whole widget.
    int GetClientWidth() const { return width(); }
    void SetClientWidth(int width);
    int GetClientHeight() const { return height(); }
    void SetClientHeight(int height);

    // Upper bounds of the form's size; 0 lifts the bound.
    int GetConstraintMaxWidth() const { return m_maxWidth; }
    void SetConstraintMaxWidth(int maxWidth);
    int GetConstraintMaxHeight() const { return m_maxHeight; }
    void SetConstraintMaxHeight(int maxHeight);

    TPosition GetPosition() const { return m_position; }
    // Where the form goes when it is next shown as a window.
    void SetPosition(TPosition position);
    TWindowState GetWindowState() const;
    void SetWindowState(TWindowState state);
    // Remembered only: a form lays its controls out itself.
    bool GetAutoScroll() const { return m_autoScroll; }
    void SetAutoScroll(bool autoScroll) { m_autoScroll = autoScroll; }

    // Embedding in a panel makes the form a child widget (visible only if it was); null makes
    // it a window again.
    void SetParent(TWinControl* parent) override;

    // Shows the form as an application-modal window and returns once it is closed or its
    // ModalResult is set: the ModalResult (mrCancel when it was closed otherwise).
    TModalResult ShowModal();
    bool IsModal() const { return m_modalLoop != nullptr; }
    TModalResult GetModalResult() const { return m_modalResult; }
    // While the form is modal, a result other than mrNone closes it (if CloseQuery agrees).
    void SetModalResult(TModalResult result);

    // Asks to close: CloseQuery, then DoClose decide; see TCloseAction.
    void Close();

    // Events, in the toolkit's convention (see TObject.h).
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnResize;
    TNotifyEvent OnShow;

protected:
    // The two steps of closing; a derived form may override them instead of using the events.
    // CloseQuery answers whether the form may close (OnCloseQuery by default).
    virtual bool CloseQuery();
    // Chooses what closing does (OnClose by default); `action` starts as caHide.
    virtual void DoClose(TCloseAction& action);

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyConstraints();
    void PlaceOnShow();

    TPosition m_position = poDesigned;
    int m_maxWidth = 0;
    int m_maxHeight = 0;
    bool m_autoScroll = false;
    TModalResult m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr; // the loop of a running ShowModal, owned by it
};
