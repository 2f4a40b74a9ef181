#pragma once

// The in-house push button. Besides the caption ('&' mnemonics, Windows-1252) it can:
// - run an action (its caption and state follow the action);
// - drop a pop-up menu down instead of running a command (drop-down kind);
// - be the form's default button (Enter anywhere in its window presses it, unless the
//   focused control uses Enter itself) or its cancel button (Escape presses it); neither
//   takes the key while a pop-up (a combo box's list, a menu) is open: it is the pop-up's;
// - close its modal window with a modal result, once its own click handler has run;
// - show an image of an image list.
// A focused button is pressed by Enter or Space, whatever the default button.

#include "wizard_toolkit_export.h"

#include "TModalResult.h"
#include "TWinControl.h"

#include <QMetaObject>
#include <QPointer>
#include <QPushButton>

class QShortcut;
class TAction;
class TImageList;
class TTBXPopupMenu;

enum TcxButtonKind
{
    cxbkStandard,      // a plain push button
    cxbkDropDown,      // pressing it drops its menu down
    cxbkDropDownButton // the toolkit's split button; shown here as a drop-down
};

// Where the image goes relative to the caption.
enum TButtonLayout
{
    blGlyphLeft,
    blGlyphRight,
    blGlyphTop,
    blGlyphBottom
};

class WIZARD_TOOLKIT_EXPORT TcxKelButton : public QPushButton, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxKelButton(TComponent* owner = nullptr);
    ~TcxKelButton() override;

    // The caption exactly as given, '&' included.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    TcxButtonKind GetKind() const { return m_kind; }
    void SetKind(TcxButtonKind kind);
    // The menu of the drop-down kind; not owned.
    TTBXPopupMenu* GetDropDownMenu() const;
    void SetDropDownMenu(TTBXPopupMenu* menu);

    // The linked action (not owned); null unlinks, keeping the caption. An action destroyed
    // first unlinks itself.
    TAction* GetAction() const;
    void SetAction(TAction* action);

    bool GetDefault() const { return m_default; }
    void SetDefault(bool isDefault);
    bool GetCancel() const { return m_cancel; }
    void SetCancel(bool cancel);
    // mrNone: pressing the button leaves its window open.
    TModalResult GetModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }

    // The face colour in the normal state (the toolkit's Colors.Default).
    TColor GetColorsDefault() const { return GetColor(); }
    void SetColorsDefault(TColor color) { SetColor(color); }

    // Images (not owned) and the one shown; -1 for none.
    TImageList* GetImages() const;
    void SetImages(TImageList* images);
    int GetImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    // Where the image goes: above or below the caption, both centred (top, bottom); beside
    // it otherwise (Qt buttons put it before the caption, also for blGlyphRight).
    TButtonLayout GetLayout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);

    // What pressing the button does: OnClick when set, otherwise the action's Execute; then
    // the modal result goes to the button's window. Does nothing on a disabled or hidden
    // button, and drops the menu down on the drop-down kind.
    virtual void Click();
    TNotifyEvent OnClick;

protected:
    QPalette::ColorRole ColorRole() const override { return QPalette::Button; }
    bool FillsBackground() const override { return false; }
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A default or cancel button watches the application's keys for open pop-ups.
    void WatchPopupKeys();
    void Clicked();
    void SyncFromAction();
    void RefreshImage();
    void RefreshMenu();

    std::string m_caption;
    TcxButtonKind m_kind = cxbkStandard;
    QPointer<TTBXPopupMenu> m_dropDownMenu;
    QPointer<TAction> m_action;
    QMetaObject::Connection m_actionChanged;
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
    QPointer<TImageList> m_images;
    QMetaObject::Connection m_imagesChanged;
    int m_imageIndex = -1;
    TButtonLayout m_layout = blGlyphLeft;
    // Enter / Escape anywhere in the window; owned by the button, active only while it is
    // visible and enabled.
    QShortcut* m_defaultKeys[2] = {nullptr, nullptr};
    QShortcut* m_cancelKey = nullptr;
};
