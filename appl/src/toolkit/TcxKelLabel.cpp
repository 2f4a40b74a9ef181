#include "TcxKelLabel.h"

#include "Cp1252.h"

#include <array>

namespace {

struct Tag
{
    QLatin1StringView text;
    QLatin1StringView html;
};

constexpr std::array kTags = {
    Tag{QLatin1StringView("<b>"), QLatin1StringView("<b>")},
    Tag{QLatin1StringView("</b>"), QLatin1StringView("</b>")},
    Tag{QLatin1StringView("<i>"), QLatin1StringView("<i>")},
    Tag{QLatin1StringView("</i>"), QLatin1StringView("</i>")},
    Tag{QLatin1StringView("<u>"), QLatin1StringView("<u>")},
    Tag{QLatin1StringView("</u>"), QLatin1StringView("</u>")},
    Tag{QLatin1StringView("<br>"), QLatin1StringView("<br>")},
    Tag{QLatin1StringView("<br/>"), QLatin1StringView("<br>")},
    Tag{QLatin1StringView("<br />"), QLatin1StringView("<br>")},
};

} // namespace

TcxKelLabel::TcxKelLabel(TComponent* owner) : TCustomLabel(owner)
{
    setTextFormat(Qt::RichText);
}

TcxKelLabel::~TcxKelLabel() = default;

void TcxKelLabel::SetTextWithTag(const std::string& text)
{
    m_text = text;
    Refresh();
}

void TcxKelLabel::Refresh()
{
    QLabel::setText(ToRichText(Cp1252::toQString(m_text)));
    if (GetAutoSize())
        adjustSize();
}

QString TcxKelLabel::ToRichText(const QString& tagged)
{
    QString html;
    html.reserve(tagged.size() + 16);
    qsizetype plainStart = 0;
    auto flushPlain = [&](qsizetype end) {
        html += tagged.mid(plainStart, end - plainStart).toHtmlEscaped();
    };
    for (qsizetype i = 0; i < tagged.size(); ++i) {
        const QChar c = tagged.at(i);
        if (c == u'\n') {
            flushPlain(i);
            html += QLatin1StringView("<br>");
            plainStart = i + 1;
            continue;
        }
        if (c != u'<')
            continue;
        for (const Tag& tag : kTags) {
            if (QStringView(tagged).mid(i).startsWith(tag.text, Qt::CaseInsensitive)) {
                flushPlain(i);
                html += tag.html;
                i += tag.text.size() - 1;
                plainStart = i + 1;
                break;
            }
        }
    }
    flushPlain(tagged.size());
    // Runs of blanks stay as typed, as in a plain label.
    return QLatin1StringView("<span style=\"white-space:pre-wrap\">") + html +
           QLatin1StringView("</span>");
}
