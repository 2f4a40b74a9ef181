#include "TCustomLabel.h"

#include "Cp1252.h"
#include "TWinControl.h"

TCustomLabel::TCustomLabel(TComponent* owner) : QLabel(OwnerWidget(owner)), TControl(clBtnFace)
{
    setTextFormat(Qt::PlainText);
}

TCustomLabel::~TCustomLabel() = default;

std::string TCustomLabel::GetText() const
{
    return Cp1252::fromQString(m_caption);
}

void TCustomLabel::SetText(const std::string& text)
{
    ShowCaption(Cp1252::toQString(text));
}

void TCustomLabel::ShowCaption(const QString& caption)
{
    m_caption = caption;
    Refresh();
}

TWinControl* TCustomLabel::GetFocusControl() const
{
    return dynamic_cast<TWinControl*>(buddy());
}

void TCustomLabel::SetFocusControl(TWinControl* control)
{
    setBuddy(control ? control->AsWidget() : nullptr);
    Refresh();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize)
        adjustSize();
}

namespace {
bool IsMnemonicKey(QChar c)
{
    return c.isLetterOrNumber();
}
} // namespace

QString TCustomLabel::ToQtMnemonic(const QString& caption)
{
    QString result;
    result.reserve(caption.size() + 4);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c != u'&') {
            result += c;
            continue;
        }
        if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
            result += QStringLiteral("&&");
            ++i;
        } else if (i + 1 < caption.size() && IsMnemonicKey(caption.at(i + 1))) {
            result += c;
        } else {
            result += QStringLiteral("&&");
        }
    }
    return result;
}

QString TCustomLabel::WithoutMnemonic(const QString& caption)
{
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&' && i + 1 < caption.size() &&
            (caption.at(i + 1) == u'&' || IsMnemonicKey(caption.at(i + 1)))) {
            result += caption.at(++i);
            continue;
        }
        result += c;
    }
    return result;
}

void TCustomLabel::Refresh()
{
    // Qt underlines the mnemonic only for a label that has a buddy; without one it would draw
    // the '&' itself, so the marks are taken out.
    setText(buddy() ? ToQtMnemonic(m_caption) : WithoutMnemonic(m_caption));
    if (m_autoSize)
        adjustSize();
}
