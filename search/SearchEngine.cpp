#include "search/SearchEngine.h"

#include "search/TextMatcher.h"

namespace {

// Characters of context before and after the match.
constexpr qsizetype kBefore = 30;
constexpr qsizetype kAfter = 60;
const QChar kEllipsis(0x2026);

bool Passes(const RememberedEntry& entry, const SearchQuery& query)
{
    return (!query.from || entry.time >= *query.from) && (!query.to || entry.time <= *query.to) &&
           (!query.minMood || entry.mood >= *query.minMood) &&
           (!query.maxMood || entry.mood <= *query.maxMood);
}

bool IsBreak(QChar c)
{
    return c.isSpace() || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

} // namespace

void MakeSnippet(const CEntryTextSnapshot& texts, SearchHit& hit)
{
    const RememberedEntry& entry = texts.Entry(hit.index);
    const qsizetype length = entry.length;
    const qsizetype matchEnd = hit.matchAt + hit.matchLength;
    qsizetype start = std::max<qsizetype>(0, hit.matchAt - kBefore);
    qsizetype end = std::min(length, matchEnd + kAfter);
    // Whole words at both cut ends, where a break is near enough.
    if (start > 0) {
        const QString head = texts.Mid(entry, start, hit.matchAt - start);
        const qsizetype space = head.indexOf(QLatin1Char(' '));
        if (space >= 0)
            start += space + 1;
    }
    if (end < length) {
        const QString tail = texts.Mid(entry, matchEnd, end - matchEnd);
        const qsizetype space = tail.lastIndexOf(QLatin1Char(' '));
        if (space > 0)
            end = matchEnd + space;
    }
    QString snippet = texts.Mid(entry, start, end - start);
    for (QChar& c : snippet) {
        if (IsBreak(c))
            c = QLatin1Char(' ');
    }
    hit.snippetMatchAt = hit.matchAt - start;
    hit.snippetMatchLength = hit.matchLength;
    if (start > 0) {
        snippet.prepend(kEllipsis);
        ++hit.snippetMatchAt;
    }
    if (end < length)
        snippet.append(kEllipsis);
    hit.snippet = std::move(snippet);
}

std::vector<SearchHit> SearchEntries(const CEntryTextSnapshot& texts, const SearchQuery& query,
                                     const std::atomic<bool>* cancelled)
{
    const CTextMatcher matcher(query.text);
    std::vector<SearchHit> hits;
    for (int i = 0; i < texts.Count(); ++i) {
        if (cancelled && (i & 255) == 0 && cancelled->load(std::memory_order_relaxed))
            break;
        const RememberedEntry& entry = texts.Entry(i);
        if (!Passes(entry, query))
            continue;
        const qsizetype at =
            entry.wide ? matcher.IndexIn(texts.Utf16(entry)) : matcher.IndexIn(texts.Latin1(entry));
        if (at < 0)
            continue;
        SearchHit hit;
        hit.index = i;
        hit.time = entry.time;
        hit.mood = entry.mood;
        hit.matchAt = at;
        hit.matchLength = matcher.Length();
        MakeSnippet(texts, hit);
        hits.push_back(std::move(hit));
    }
    return hits;
}
