#include "TcxKelButton.h"

#include "Cp1252.h"
#include "Mnemonic.h"
#include "TAction.h"
#include "TForm.h"
#include "TImageList.h"
#include "TTBXPopupMenu.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

bool IsReturnOrEscape(const QKeyEvent* key)
{
    const int code = key->key();
    return (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

TcxKelButton::TcxKelButton(TComponent* owner) : QPushButton(OwnerWidget(owner))
{
    // Enter presses the focused button, as Space does.
    setAutoDefault(true);
    connect(this, &QPushButton::clicked, this, &TcxKelButton::Clicked);
}

TcxKelButton::~TcxKelButton()
{
    disconnect(m_actionChanged);
    disconnect(m_imagesChanged);
}

std::string TcxKelButton::GetText() const
{
    return m_caption;
}

void TcxKelButton::SetText(const std::string& text)
{
    m_caption = text;
    setText(Mnemonic::ToQt(Cp1252::toQString(text)));
}

TTBXPopupMenu* TcxKelButton::GetDropDownMenu() const
{
    return m_dropDownMenu;
}

TAction* TcxKelButton::GetAction() const
{
    return m_action;
}

TImageList* TcxKelButton::GetImages() const
{
    return m_images;
}

void TcxKelButton::SetKind(TcxButtonKind kind)
{
    m_kind = kind;
    RefreshMenu();
}

void TcxKelButton::SetDropDownMenu(TTBXPopupMenu* menu)
{
    m_dropDownMenu = menu;
    RefreshMenu();
}

void TcxKelButton::RefreshMenu()
{
    // A Qt push button with a menu drops it down when pressed.
    setMenu(m_kind != cxbkStandard ? m_dropDownMenu.data() : nullptr);
}

void TcxKelButton::SetAction(TAction* action)
{
    if (action == m_action)
        return;
    disconnect(m_actionChanged);
    m_action = action;
    if (action) {
        m_actionChanged = connect(action, &QAction::changed, this, &TcxKelButton::SyncFromAction);
        SyncFromAction();
    }
}

void TcxKelButton::SyncFromAction()
{
    if (!m_action)
        return;
    m_caption = m_action->GetCaption();
    setText(m_action->QtCaption());
    setToolTip(m_action->toolTip());
    setEnabled(m_action->GetEnabled());
    setVisible(m_action->isVisible());
}

void TcxKelButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    setDefault(isDefault);
    WatchPopupKeys();
    if (isDefault && !m_defaultKeys[0]) {
        int i = 0;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            m_defaultKeys[i] = new QShortcut(QKeySequence(key), this);
            m_defaultKeys[i]->setAutoRepeat(false);
            connect(m_defaultKeys[i], &QShortcut::activated, this, &TcxKelButton::Click);
            ++i;
        }
    } else if (!isDefault) {
        for (QShortcut*& shortcut : m_defaultKeys) {
            delete shortcut;
            shortcut = nullptr;
        }
    }
}

void TcxKelButton::SetCancel(bool cancel)
{
    m_cancel = cancel;
    WatchPopupKeys();
    if (cancel && !m_cancelKey) {
        m_cancelKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        m_cancelKey->setAutoRepeat(false);
        connect(m_cancelKey, &QShortcut::activated, this, &TcxKelButton::Click);
    } else if (!cancel) {
        delete m_cancelKey;
        m_cancelKey = nullptr;
    }
}

void TcxKelButton::SetImages(TImageList* images)
{
    if (images == m_images)
        return;
    disconnect(m_imagesChanged);
    m_images = images;
    if (images)
        m_imagesChanged = connect(images, &TImageList::Changed, this, &TcxKelButton::RefreshImage);
    RefreshImage();
}

void TcxKelButton::SetImageIndex(int index)
{
    m_imageIndex = index < 0 ? -1 : index;
    RefreshImage();
}

void TcxKelButton::RefreshImage()
{
    if (!m_images) {
        setIcon(QIcon());
        return;
    }
    setIconSize(QSize(m_images->GetWidth(), m_images->GetHeight()));
    setIcon(m_images->GetIcon(m_imageIndex));
}

void TcxKelButton::Click()
{
    if (!isEnabled())
        return;
    if (m_kind != cxbkStandard && menu())
        showMenu();
    else
        Clicked();
}

void TcxKelButton::Clicked()
{
    QPointer<TcxKelButton> self(this);
    if (OnClick) {
        const TNotifyEvent handler = OnClick; // the handler may replace itself
        handler(this);
    } else if (m_action) {
        m_action->Execute();
    }
    // After the handler, so that it has recorded its outcome before the window asks
    // whether it may close.
    if (!self || m_modalResult == mrNone)
        return;
    if (auto* form = dynamic_cast<TForm*>(window()))
        form->SetModalResult(m_modalResult);
}

void TcxKelButton::WatchPopupKeys()
{
    if (qApp && (m_default || m_cancel))
        qApp->installEventFilter(this);
    else if (qApp)
        qApp->removeEventFilter(this);
}

bool TcxKelButton::eventFilter(QObject* watched, QEvent* event)
{
    // While a pop-up is open (a combo box's list, a menu, a context menu), Return and Escape
    // are the pop-up's: Return picks its highlighted line, Escape closes it. Accepting the
    // shortcut override keeps them from this button's shortcut, which would take them first.
    if (event->type() == QEvent::ShortcutOverride && QApplication::activePopupWidget() &&
        IsReturnOrEscape(static_cast<QKeyEvent*>(event)))
        event->accept();
    return QPushButton::eventFilter(watched, event);
}

bool TcxKelButton::event(QEvent* event)
{
    // The focused button keeps Enter for itself rather than letting the default button
    // take it.
    if (event->type() == QEvent::ShortcutOverride && hasFocus()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QPushButton::event(event);
}

void TcxKelButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    update();
}

void TcxKelButton::paintEvent(QPaintEvent* event)
{
    if ((m_layout != blGlyphTop && m_layout != blGlyphBottom) || icon().isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    // Qt's buttons only put the image beside the caption: the face is drawn without either,
    // then the two are stacked, centred, in its contents.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    const QIcon glyph = option.icon;
    const QSize glyphSize = option.iconSize;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int captionHeight = caption.isEmpty() ? 0 : option.fontMetrics.height();
    const int gap = caption.isEmpty() ? 0 : 2;
    const int top =
        contents.top() + (contents.height() - glyphSize.height() - gap - captionHeight) / 2;
    const int glyphTop = m_layout == blGlyphTop ? top : top + captionHeight + gap;
    const int captionTop = m_layout == blGlyphTop ? top + glyphSize.height() + gap : top;
    const QRect glyphRect(contents.left() + (contents.width() - glyphSize.width()) / 2, glyphTop,
                          glyphSize.width(), glyphSize.height());
    glyph.paint(&painter, glyphRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled,
                isChecked() ? QIcon::On : QIcon::Off);
    if (!caption.isEmpty())
        painter.drawItemText(QRect(contents.left(), captionTop, contents.width(), captionHeight),
                             Qt::AlignCenter | Qt::TextShowMnemonic, option.palette, isEnabled(),
                             caption, QPalette::ButtonText);
}
