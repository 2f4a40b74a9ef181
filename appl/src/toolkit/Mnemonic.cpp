#include "Mnemonic.h"

namespace {

// Only a letter or a digit can be a mnemonic key.
bool MarksKey(const QString& caption, qsizetype ampersand)
{
    return ampersand + 1 < caption.size() && caption.at(ampersand + 1).isLetterOrNumber();
}

bool IsEscapedAmpersand(const QString& caption, qsizetype ampersand)
{
    return ampersand + 1 < caption.size() && caption.at(ampersand + 1) == u'&';
}

} // namespace

namespace Mnemonic {

QString ToQt(const QString& caption)
{
    QString result;
    result.reserve(caption.size() + 4);
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c != u'&') {
            result += c;
        } else if (IsEscapedAmpersand(caption, i)) {
            result += QStringLiteral("&&");
            ++i;
        } else if (MarksKey(caption, i)) {
            result += c;
        } else {
            result += QStringLiteral("&&");
        }
    }
    return result;
}

QString Strip(const QString& caption)
{
    QString result;
    result.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&' && (IsEscapedAmpersand(caption, i) || MarksKey(caption, i)))
            result += caption.at(++i);
        else
            result += c;
    }
    return result;
}

QChar KeyOf(const QString& qtCaption)
{
    for (qsizetype i = 0; i + 1 < qtCaption.size(); ++i) {
        if (qtCaption.at(i) != u'&')
            continue;
        if (qtCaption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return qtCaption.at(i + 1).toUpper();
    }
    return {};
}

} // namespace Mnemonic
