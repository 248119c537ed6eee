#include "export/MarkdownText.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>
#include <vector>

namespace {

constexpr char16_t kLineSeparator = 0x2028;

// One character of a line with the emphasis it carries.
struct MarkedChar
{
    QChar c;
    bool bold = false;
    bool italic = false;
    // Written as it stands instead of c: a picture's own Markdown.
    QString raw;
};

// A stretch [begin, end) written between delimiters.
struct Span
{
    qsizetype begin = 0;
    qsizetype end = 0;
    bool bold = false;
};

bool IsBlank(QChar c)
{
    return c.isSpace();
}

bool IsAsciiPunctuation(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '!' && u <= '/') || (u >= ':' && u <= '@') || (u >= '[' && u <= '`') ||
           (u >= '{' && u <= '~');
}

// Readers differ on symbols; a character that may count as punctuation is
// treated as such where that forbids a delimiter, and only a character that
// surely counts is relied on where it allows one.
bool MayBePunctuation(QChar c)
{
    return IsAsciiPunctuation(c) || c.isPunct() || c.isSymbol();
}

bool IsSurelyPunctuation(QChar c)
{
    return IsAsciiPunctuation(c) || c.isPunct();
}

// Whether a delimiter run between `before` and `after` (null at the ends of
// the line) opens, or closes, emphasis around the side given.
bool CanOpen(QChar before, QChar after)
{
    if (after.isNull() || IsBlank(after)) {
        return false;
    }
    return !MayBePunctuation(after) || before.isNull() || IsBlank(before) ||
           IsSurelyPunctuation(before);
}

bool CanClose(QChar before, QChar after)
{
    if (before.isNull() || IsBlank(before)) {
        return false;
    }
    return !MayBePunctuation(before) || after.isNull() || IsBlank(after) ||
           IsSurelyPunctuation(after);
}

// Characters escaped wherever they stand: they start inline markup, an
// entity or raw HTML, or close a heading.
bool AlwaysEscaped(QChar c)
{
    static const QString special = QStringLiteral("\\`*_[]<>&~|#");
    return special.contains(c);
}

// Characters that start a block (list, quote, heading, rule, code fence,
// setext underline) at the start of a line.
bool EscapedAtLineStart(QChar c)
{
    static const QString special = QStringLiteral("-+=>");
    return special.contains(c);
}

QChar At(const std::vector<MarkedChar>& line, qsizetype i)
{
    return i >= 0 && i < static_cast<qsizetype>(line.size()) ? line[size_t(i)].c : QChar();
}

// Maximal runs of one kind of emphasis in [from, to), trimmed of blanks at
// both ends.
void CollectSpans(const std::vector<MarkedChar>& line, qsizetype from, qsizetype to, bool bold,
                  std::vector<Span>& spans)
{
    const auto marked = [&](qsizetype i) {
        return bold ? line[size_t(i)].bold : line[size_t(i)].italic;
    };
    qsizetype i = from;
    while (i < to) {
        if (!marked(i)) {
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < to && marked(end)) {
            ++end;
        }
        qsizetype b = i;
        qsizetype e = end;
        while (b < e && IsBlank(At(line, b))) {
            ++b;
        }
        while (e > b && IsBlank(At(line, e - 1))) {
            --e;
        }
        if (b < e) {
            spans.push_back({b, e, bold});
        }
        i = end;
    }
}

// Bold spans, each holding the italic spans inside it, and italic spans
// outside bold; a span whose delimiters a reader would not take, or which
// would touch another span's delimiters from outside, is written plain.
std::vector<Span> EmphasisOf(const std::vector<MarkedChar>& line)
{
    const auto size = static_cast<qsizetype>(line.size());
    std::vector<Span> bold;
    CollectSpans(line, 0, size, true, bold);
    std::vector<Span> candidates;
    qsizetype at = 0;
    for (const Span& span : bold) {
        CollectSpans(line, at, span.begin, false, candidates);
        candidates.push_back(span);
        CollectSpans(line, span.begin, span.end, false, candidates);
        at = span.end;
    }
    CollectSpans(line, at, size, false, candidates);

    std::vector<Span> kept;
    for (const Span& span : candidates) {
        if (!CanOpen(At(line, span.begin - 1), At(line, span.begin)) ||
            !CanClose(At(line, span.end - 1), At(line, span.end))) {
            continue;
        }
        bool touches = false;
        for (const Span& other : kept) {
            const bool inside =
                !span.bold && other.bold && other.begin <= span.begin && span.end <= other.end;
            if (!inside && (other.end == span.begin || other.begin == span.end)) {
                touches = true;
            }
        }
        if (!touches) {
            kept.push_back(span);
        }
    }
    return kept;
}

void AppendChar(QString& out, QChar c, bool lineStart)
{
    if (AlwaysEscaped(c) || (lineStart && EscapedAtLineStart(c))) {
        out += QLatin1Char('\\');
    }
    out += c;
}

QString LineOf(const std::vector<MarkedChar>& line)
{
    const auto size = static_cast<qsizetype>(line.size());
    const std::vector<Span> spans = EmphasisOf(line);

    // Spaces and tabs at the ends of a line are dropped by a reader, and
    // four of them at the start make a code block: they are written as
    // character references.
    qsizetype first = 0;
    while (first < size && (At(line, first) == u' ' || At(line, first) == u'\t')) {
        ++first;
    }
    qsizetype last = size;
    while (last > first && (At(line, last - 1) == u' ' || At(line, last - 1) == u'\t')) {
        --last;
    }

    // A run of digits at the start followed by "." or ")" is an ordered list.
    qsizetype listMark = -1;
    if (first == 0) {
        qsizetype digits = 0;
        while (digits < size && At(line, digits).isDigit() && At(line, digits).unicode() < 128) {
            ++digits;
        }
        if (digits > 0 && (At(line, digits) == u'.' || At(line, digits) == u')')) {
            listMark = digits;
        }
    }

    QString out;
    out.reserve(size + size / 8 + 8);
    for (qsizetype i = 0; i <= size; ++i) {
        // Closing delimiters first, inner before outer; then opening ones,
        // outer before inner.
        for (auto it = spans.rbegin(); it != spans.rend(); ++it) {
            if (it->end == i && !it->bold) {
                out += QLatin1Char('*');
            }
        }
        for (const Span& span : spans) {
            if (span.end == i && span.bold) {
                out += QStringLiteral("**");
            }
        }
        for (const Span& span : spans) {
            if (span.begin == i && span.bold) {
                out += QStringLiteral("**");
            }
        }
        for (const Span& span : spans) {
            if (span.begin == i && !span.bold) {
                out += QLatin1Char('*');
            }
        }
        if (i == size) {
            break;
        }
        const QChar c = At(line, i);
        if (!line[size_t(i)].raw.isEmpty()) {
            out += line[size_t(i)].raw;
        } else if (i < first || i >= last) {
            out += c == u' ' ? QStringLiteral("&#32;") : QStringLiteral("&#9;");
        } else if (i == listMark) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            AppendChar(out, c, i == 0);
        }
    }
    return out;
}

} // namespace

QString MarkdownLine(const QString& line)
{
    std::vector<MarkedChar> chars;
    chars.reserve(size_t(line.size()));
    for (const QChar c : line) {
        chars.push_back({c});
    }
    return LineOf(chars);
}

QString MarkdownOf(const QTextDocument& document)
{
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        std::vector<std::vector<MarkedChar>> lines(1);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const bool bold = format.fontWeight() >= QFont::DemiBold;
            const bool italic = format.fontItalic();
            for (const QChar c : fragment.text()) {
                if (c == kLineSeparator) {
                    lines.emplace_back();
                } else if (c != QChar::ObjectReplacementCharacter) {
                    lines.back().push_back({c, bold, italic});
                } else if (format.isImageFormat() && !format.toImageFormat().name().isEmpty()) {
                    // A picture the export wrote beside the file.
                    lines.back().push_back({c, false, false,
                                            QStringLiteral("![picture](") +
                                                format.toImageFormat().name() + QLatin1Char(')')});
                }
            }
        }
        // A reader ignores a line break at the end of a paragraph.
        while (lines.size() > 1 && lines.back().empty()) {
            lines.pop_back();
        }
        if (lines.size() == 1 && lines.front().empty()) {
            continue;
        }
        if (!out.isEmpty()) {
            out += QLatin1Char('\n');
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            out += LineOf(lines[i]);
            out += i + 1 < lines.size() ? QStringLiteral("\\\n") : QStringLiteral("\n");
        }
    }
    return out;
}
