#include "widgets/LinkHighlighter.h"

#include "rtf/EntryTags.h"

#include <QRegularExpression>
#include <QTextCharFormat>

namespace {
const QRegularExpression& LinkStart()
{
    // A link starts at a word boundary, so "awww.x" and "xhttp://" are not links.
    static const QRegularExpression re(
        QStringLiteral(R"((?<![\w.@/])(?:https?://|ftp://|file:|mailto:|www\.))"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

bool EndsLink(QChar ch)
{
    // Characters that cannot be part of an address typed into running text.
    return ch.isSpace() || ch == QLatin1Char('<') || ch == QLatin1Char('>') ||
           ch == QLatin1Char('"') || ch.category() == QChar::Other_Control ||
           ch == QChar::ObjectReplacementCharacter || ch == QChar::LineSeparator ||
           ch == QChar::ParagraphSeparator;
}

bool IsTrailingPunctuation(QChar ch)
{
    return ch == QLatin1Char('.') || ch == QLatin1Char(',') || ch == QLatin1Char(';') ||
           ch == QLatin1Char(':') || ch == QLatin1Char('!') || ch == QLatin1Char('?') ||
           ch == QLatin1Char('\'');
}

// Cuts what the sentence adds after an address: a full stop, a comma, or a
// closing bracket that has no opening one inside the address.
int TrimEnd(const QString& text, int start, int end)
{
    while (end > start) {
        const QChar last = text.at(end - 1);
        if (IsTrailingPunctuation(last)) {
            --end;
            continue;
        }
        if (last == QLatin1Char(')') || last == QLatin1Char(']')) {
            const QChar open = last == QLatin1Char(')') ? QLatin1Char('(') : QLatin1Char('[');
            const QStringView link = QStringView(text).mid(start, end - start);
            if (link.count(open) < link.count(last)) {
                --end;
                continue;
            }
        }
        break;
    }
    return end;
}
} // namespace

CLinkHighlighter::CLinkHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

QList<LinkSpan> CLinkHighlighter::FindLinks(const QString& text)
{
    QList<LinkSpan> links;
    int from = 0;
    while (from < text.size()) {
        const QRegularExpressionMatch match = LinkStart().match(text, from);
        if (!match.hasMatch()) {
            break;
        }
        const int start = static_cast<int>(match.capturedStart());
        const int prefixEnd = static_cast<int>(match.capturedEnd());
        int end = prefixEnd;
        while (end < text.size() && !EndsLink(text.at(end))) {
            ++end;
        }
        end = TrimEnd(text, start, end);
        // A bare prefix ("www." or "mailto:" alone) is no address.
        if (end > prefixEnd) {
            links.append({start, end - start});
            from = end;
        } else {
            from = prefixEnd;
        }
    }
    return links;
}

void CLinkHighlighter::highlightBlock(const QString& text)
{
    QTextCharFormat link;
    link.setForeground(QColor(0, 0, 255));
    link.setFontUnderline(true);
    link.setAnchor(true);
    for (const TagSpan& span : FindTags(text)) {
        QTextCharFormat format = link;
        format.setAnchorHref(text.mid(span.start, span.length));
        setFormat(int(span.start), int(span.length), format);
    }
    for (const LinkSpan& span : FindLinks(text)) {
        QTextCharFormat format = link;
        format.setAnchorHref(text.mid(span.start, span.length));
        setFormat(span.start, span.length, format);
    }
}
