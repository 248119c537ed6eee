#include "widgets/SpellHighlighter.h"

#include "widgets/SpellChecker.h"

#include <QRegularExpression>
#include <QTextCharFormat>
#include <algorithm>

namespace {
const QRegularExpression& WordPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"([\p{L}\p{M}\p{N}_]+(?:['\x{2019}][\p{L}\p{M}\p{N}_]+)*)"));
    return re;
}

bool IsCheckable(QStringView word)
{
    return std::none_of(word.begin(), word.end(),
                        [](QChar ch) { return ch.isDigit() || ch == QLatin1Char('_'); });
}
} // namespace

CSpellHighlighter::CSpellHighlighter(QTextDocument* document,
                                     std::unique_ptr<CSpellChecker> checker)
    : CLinkHighlighter(document), m_pChecker(std::move(checker))
{
}

CSpellHighlighter::~CSpellHighlighter() = default;

QList<LinkSpan> CSpellHighlighter::FindWords(const QString& text)
{
    const QList<LinkSpan> links = FindLinks(text);
    auto inLink = [&links](int start) {
        return std::any_of(links.begin(), links.end(), [start](const LinkSpan& link) {
            return start >= link.start && start < link.start + link.length;
        });
    };
    QList<LinkSpan> words;
    QRegularExpressionMatchIterator it = WordPattern().globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const int start = static_cast<int>(match.capturedStart());
        const int length = static_cast<int>(match.capturedLength());
        const QChar before = start > 0 ? text.at(start - 1) : QChar();
        if (before == QLatin1Char('#') || before == QLatin1Char('@') ||
            !IsCheckable(QStringView(text).mid(start, length)) || inLink(start)) {
            continue;
        }
        words.append({start, length});
    }
    return words;
}

QList<LinkSpan> CSpellHighlighter::FindMisspelt(const QString& text) const
{
    QList<LinkSpan> misspelt;
    if (!m_pChecker->IsReady()) {
        return misspelt;
    }
    for (const LinkSpan& word : FindWords(text)) {
        if (!m_pChecker->IsCorrect(text.mid(word.start, word.length))) {
            misspelt.append(word);
        }
    }
    return misspelt;
}

void CSpellHighlighter::highlightBlock(const QString& text)
{
    CLinkHighlighter::highlightBlock(text);
    QTextCharFormat misspelt;
    misspelt.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    misspelt.setUnderlineColor(Qt::red);
    // Words never overlap a link, so the mark replaces no other format.
    for (const LinkSpan& word : FindMisspelt(text)) {
        setFormat(word.start, word.length, misspelt);
    }
}
