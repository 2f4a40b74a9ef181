#include "TcxStaticOrEdit.h"

#include "Cp1252.h"
#include "TextValidator.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>

#include <limits>
#include <memory>

namespace {

constexpr QChar kDigitSlot = u'#';

// Qt's mask syntax for a template: '0' (digit allowed), fixed characters escaped, blanks shown
// as spaces.
QString QtMaskOf(const QString& maskTemplate)
{
    QString mask;
    for (QChar c : maskTemplate) {
        if (c == kDigitSlot) {
            mask += u'0';
        } else {
            mask += u'\\';
            mask += c;
        }
    }
    return mask + QStringLiteral("; ");
}

bool IsBlankOf(const QString& text, const QString& blank)
{
    return text.isEmpty() || text == blank;
}

} // namespace

TcxStaticOrEdit::TcxStaticOrEdit(TComponent* owner)
    : QLineEdit(OwnerWidget(owner)), TWinControl(clWindow)
{
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(new TextValidator(
        this, [edit = QPointer<TcxStaticOrEdit>(this)] { return edit && edit->m_settingText; }));
    connect(this, &QLineEdit::textEdited, this, [this] {
        // A field emptied out of an unmasked text gets its mask back.
        if (!m_maskTemplate.isEmpty() && inputMask().isEmpty() && text().isEmpty())
            ShowEditText(QString());
        AfterUserEdit();
        NotifyChange();
    });
    ApplyLook();
}

TcxStaticOrEdit::~TcxStaticOrEdit() = default;

std::string TcxStaticOrEdit::GetText() const
{
    return Cp1252::fromQString(EditText());
}

void TcxStaticOrEdit::SetText(const std::string& text)
{
    SetEditText(Cp1252::toQString(text));
}

QString TcxStaticOrEdit::EditText() const
{
    if (!m_activated)
        return m_editText;
    // With a mask, text() drops the blanks; the field's Text is what it shows.
    return inputMask().isEmpty() ? text() : displayText();
}

void TcxStaticOrEdit::SetEditText(const QString& text)
{
    if (m_activated)
        ShowEditText(text);
    else
        m_editText = IsBlankOf(text, BlankText()) ? BlankText() : text;
}

void TcxStaticOrEdit::ShowEditText(const QString& text)
{
    const QScopedValueRollback<bool> setting(m_settingText, true);
    if (m_maskTemplate.isEmpty() || (!text.isEmpty() && !FitsMask(text))) {
        if (!inputMask().isEmpty())
            setInputMask(QString());
        setText(text);
        return;
    }
    const QString mask = QtMaskOf(m_maskTemplate);
    if (inputMask() != mask)
        setInputMask(mask);
    setText(text.isEmpty() ? BlankText() : text);
    PlaceCursorOnFirstBlank();
}

void TcxStaticOrEdit::PlaceCursorOnFirstBlank()
{
    // Typing into a masked field starts at its first free digit, not after the separators.
    if (inputMask().isEmpty())
        return;
    const QString shown = displayText();
    for (qsizetype i = 0; i < shown.size() && i < m_maskTemplate.size(); ++i) {
        if (m_maskTemplate.at(i) == kDigitSlot && shown.at(i) == u' ') {
            setCursorPosition(static_cast<int>(i));
            return;
        }
    }
}

std::string TcxStaticOrEdit::GetCalculateText() const
{
    return Cp1252::fromQString(m_calculateText);
}

void TcxStaticOrEdit::SetCalculateText(const QString& text)
{
    m_calculateText = text;
    const QScopedValueRollback<bool> setting(m_settingText, true);
    if (!m_activated)
        setText(text);
}

void TcxStaticOrEdit::SetActivated(bool activated)
{
    if (activated == m_activated)
        return;
    if (!activated)
        m_editText = EditText();
    m_activated = activated;
    ApplyMode();
}

void TcxStaticOrEdit::ApplyMode()
{
    if (m_activated) {
        ShowEditText(m_editText);
        m_editText.clear();
    } else {
        const QScopedValueRollback<bool> setting(m_settingText, true);
        if (!inputMask().isEmpty())
            setInputMask(QString());
        setText(m_calculateText);
        setCursorPosition(0);
    }
    setReadOnly(m_readOnly || !m_activated);
    ApplyLook();
}

void TcxStaticOrEdit::SetIdValue(int idValue)
{
    m_idValue = idValue;
    SetWindowLongA(Handle(), GWL_ID, idValue);
}

void TcxStaticOrEdit::SetReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    setReadOnly(m_readOnly || !m_activated);
}

void TcxStaticOrEdit::SetColor(TColor color)
{
    TWinControl::SetColor(color);
    m_colorSet = true;
    ApplyLook();
}

void TcxStaticOrEdit::SetStyle(const TcxEditStyle& style)
{
    m_style = style;
    ApplyLook();
}

void TcxStaticOrEdit::SetStyleDisabled(const TcxEditStyle& style)
{
    m_styleDisabled = style;
    ApplyLook();
}

void TcxStaticOrEdit::ApplyLook()
{
    const QPalette natural = QApplication::palette(this);
    // A result lets its parent's background show through, whatever colour the parent takes.
    const QColor parentBackground(Qt::transparent);
    // A palette that sets only what the mode and the styles decide; the rest is inherited.
    QPalette look;
    const auto set = [&look](QPalette::ColorGroup group, QPalette::ColorRole role,
                             const QColor& color) { look.setColor(group, role, color); };

    QColor base;
    if (m_style.Color != clDefault)
        base = TColorToQColor(m_style.Color, natural);
    else if (!m_activated)
        base = parentBackground;
    else if (m_colorSet)
        base = TColorToQColor(GetColor(), natural);
    if (base.isValid()) {
        set(QPalette::Active, QPalette::Base, base);
        set(QPalette::Inactive, QPalette::Base, base);
    }
    if (m_style.TextColor != clDefault) {
        const QColor text = TColorToQColor(m_style.TextColor, natural);
        set(QPalette::Active, QPalette::Text, text);
        set(QPalette::Inactive, QPalette::Text, text);
    }

    QColor disabledBase;
    if (m_styleDisabled.Color != clDefault)
        disabledBase = TColorToQColor(m_styleDisabled.Color, natural);
    else if (!m_activated)
        disabledBase = parentBackground;
    else if (m_colorSet)
        disabledBase = TColorToQColor(GetColor(), natural);
    if (disabledBase.isValid())
        set(QPalette::Disabled, QPalette::Base, disabledBase);
    if (m_styleDisabled.TextColor != clDefault)
        set(QPalette::Disabled, QPalette::Text, TColorToQColor(m_styleDisabled.TextColor, natural));
    setPalette(look);

    const TcxEditStyle& style = isEnabled() ? m_style : m_styleDisabled;
    const bool border = style.BorderStyleSet ? style.BorderStyle != ebsNone : m_activated;
    if (hasFrame() != border)
        setFrame(border);
}

QString TcxStaticOrEdit::BlankText() const
{
    QString blank = m_maskTemplate;
    blank.replace(kDigitSlot, u' ');
    return blank;
}

bool TcxStaticOrEdit::FitsMask(const QString& text) const
{
    if (m_maskTemplate.isEmpty())
        return true;
    if (text.size() != m_maskTemplate.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar slot = m_maskTemplate.at(i);
        const QChar c = text.at(i);
        if (slot == kDigitSlot ? !(c == u' ' || (c >= u'0' && c <= u'9')) : c != slot)
            return false;
    }
    return true;
}

void TcxStaticOrEdit::SetMaskTemplate(const QString& maskTemplate)
{
    const QString current = EditText();
    m_maskTemplate = maskTemplate;
    SetEditText(IsBlankOf(current, QString()) ? QString() : current);
}

QString TcxStaticOrEdit::InitialEditText() const
{
    return m_calculateText;
}

void TcxStaticOrEdit::UserSwitch(bool activated)
{
    if (!Switchable || activated == m_activated || !isEnabled())
        return;
    if (activated && IsBlankOf(m_editText, BlankText()))
        m_editText = InitialEditText();
    SetActivated(activated);
    if (activated) {
        setFocus(Qt::OtherFocusReason);
        selectAll();
    }
    NotifyChange();
}

void TcxStaticOrEdit::NotifyChange()
{
    if (OnChange)
        OnChange(this);
}

void TcxStaticOrEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ApplyLook();
}

QMenu* TcxStaticOrEdit::ContextMenu()
{
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // The Paste entry is the one Qt connected to paste() (by name in some Qt versions).
        const bool byPointer = disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
        const bool byName = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (!byPointer && !byName)
            continue;
        connect(action, &QAction::triggered, this, [this] {
            const QScopedValueRollback<bool> pasting(m_pasting, true);
            paste();
        });
    }
    return menu;
}

void TcxStaticOrEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!Switchable || !isEnabled()) {
        QMenu* menu = ContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
        event->accept();
        return;
    }
    std::unique_ptr<QMenu> menu(ContextMenu());
    menu->addSeparator();
    const bool activate = !m_activated;
    QAction* action =
        menu->addAction(activate ? Cp1252::toQString("Saisir une valeur")
                                 : Cp1252::toQString("Revenir \xE0 la valeur calcul\xE9"
                                                     "e"));
    connect(action, &QAction::triggered, this, [this, activate] { UserSwitch(activate); });
    menu->exec(event->globalPos());
}

void TcxStaticOrEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier && Switchable) {
        UserSwitch(!m_activated);
        event->accept();
        return;
    }
    const QScopedValueRollback<bool> pasting(m_pasting, event->matches(QKeySequence::Paste));
    QLineEdit::keyPressEvent(event);
}

void TcxStaticOrEdit::dropEvent(QDropEvent* event)
{
    const QScopedValueRollback<bool> pasting(m_pasting, true);
    QLineEdit::dropEvent(event);
}

void TcxStaticOrEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    PlaceCursorOnFirstBlank();
}

void TcxStaticOrEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    // A click after the digits typed so far goes to the first free digit.
    if (!inputMask().isEmpty() && event->button() == Qt::LeftButton && !hasSelectedText()) {
        const QString shown = displayText();
        const int clicked = cursorPosition();
        bool blankBefore = false;
        for (int i = 0; i < clicked && i < shown.size(); ++i)
            blankBefore =
                blankBefore || (i < m_maskTemplate.size() && m_maskTemplate.at(i) == kDigitSlot &&
                                shown.at(i) == u' ');
        if (blankBefore)
            PlaceCursorOnFirstBlank();
    }
}

void TcxStaticOrEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_activated && Switchable && event->button() == Qt::LeftButton) {
        UserSwitch(true);
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}
