#pragma once

// A field that is either a computed result or an entry. The user cannot enter a character that
// Windows-1252 does not hold (TextValidator). While Activated (the default) it is an
// ordinary edit: its Text is what the user types. While not Activated it shows its calculate
// value, read-only, with the look of a result (no border, the parent's background), and keeps
// its Text aside. A Switchable field lets the user switch himself: a double click or F2 on the
// result starts an entry (offering the result as the text to change), F2 on the entry, or the
// context menu, goes back to the result; each switch is reported through OnChange.
//
// A field may have a digit mask ('#' for a digit, anything else a fixed separator): blank, it
// shows the separators among blanks, typing fills the blanks, and its Text is exactly what it
// shows, blanks included. A text that does not fit the mask is shown as it is, unmasked, so
// that nothing of it is lost; the mask comes back once the user empties the field.
// Owned by its owner component, which deletes it with itself (see TComponent).

#include "wizard_toolkit_export.h"

#include "TWinControl.h"

#include <QLineEdit>
#include <QString>

class QMenu;

enum TcxEditBorderStyle
{
    ebsNone,
    ebsSingle,
    ebsThick,
    ebsFlat,
    ebs3D,
    ebsUltraFlat,
    ebsOffice11
};

// The look of the field in one state (normal or disabled). clDefault leaves a colour as the
// field's mode chooses it.
// A value held by its field.
struct WIZARD_TOOLKIT_EXPORT TcxEditStyle
{
    TcxEditBorderStyle BorderStyle = ebs3D;
    TColor Color = clDefault;
    TColor TextColor = clDefault;
    bool BorderStyleSet = false; // false: the mode chooses the border (none for a result)

    bool operator==(const TcxEditStyle&) const = default;
    void SetBorderStyle(TcxEditBorderStyle style)
    {
        BorderStyle = style;
        BorderStyleSet = true;
    }
};

class WIZARD_TOOLKIT_EXPORT TcxStaticOrEdit : public QLineEdit, public TWinControl
{
    Q_OBJECT

public:
    explicit TcxStaticOrEdit(TComponent* owner = nullptr);
    ~TcxStaticOrEdit() override;

    // The entered text (Windows-1252), as the field shows it while activated.
    std::string GetText() const override;
    void SetText(const std::string& text) override;

    bool GetActivated() const { return m_activated; }
    // Switches between result and entry (nothing happens when nothing changes).
    void SetActivated(bool activated);

    // The calculate value as the field shows it.
    std::string GetCalculateText() const;

    // The lettrage of the letter shown; it also becomes the window identifier (GWL_ID).
    void SetIdValue(int idValue);
    int GetIdValue() const { return m_idValue; }

    // A read-only entry still shows as an entry; a result is always read-only.
    bool GetReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    void SetColor(TColor color) override;
    const TcxEditStyle& GetStyle() const { return m_style; }
    void SetStyle(const TcxEditStyle& style);
    const TcxEditStyle& GetStyleDisabled() const { return m_styleDisabled; }
    void SetStyleDisabled(const TcxEditStyle& style);

    // Whether the user may switch between result and entry.
    bool Switchable = false;

    // The user changed the text, or switched between result and entry.
    TNotifyEvent OnChange;

protected:
    // While true, the text being set is the program's (TcxEditNum's own validator reads it).
    bool SettingText() const { return m_settingText; }
    // While true, the text being validated comes from a paste or a drop, whatever its length.
    bool Pasting() const { return m_pasting; }

    // For the typed fields: the mask ('#' a digit, other characters fixed), "" for none.
    void SetMaskTemplate(const QString& maskTemplate);
    const QString& MaskTemplate() const { return m_maskTemplate; }
    // The mask's blank text ("  /  /    "); empty without a mask.
    QString BlankText() const;
    bool FitsMask(const QString& text) const;

    // The entered text / the calculate value, as Qt strings.
    QString EditText() const;
    void SetEditText(const QString& text);
    void SetCalculateText(const QString& text);
    const QString& CalculateText() const { return m_calculateText; }

    // The text offered when the user switches a blank field to an entry.
    virtual QString InitialEditText() const;
    // Called after each user edit, before OnChange (the amount field normalises its text).
    virtual void AfterUserEdit() {}

    QPalette::ColorRole ColorRole() const override { return QPalette::Base; }
    bool FillsBackground() const override { return false; }

    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The standard context menu, its Paste marked as a paste; owned by the caller.
    QMenu* ContextMenu();

    void PlaceCursorOnFirstBlank();
    void ShowEditText(const QString& text);
    void ApplyMode();
    void ApplyLook();
    void UserSwitch(bool activated);
    void NotifyChange();

    bool m_activated = true;
    bool m_readOnly = false;
    bool m_colorSet = false;
    bool m_settingText = false; // the program, not the user, is setting the text
    bool m_pasting = false;
    int m_idValue = -1;
    QString m_editText; // kept while the result is shown
    QString m_calculateText;
    QString m_maskTemplate;
    TcxEditStyle m_style;
    TcxEditStyle m_styleDisabled;
};
