#include "search/SearchEngine.h"

#include "search/TagCounts.h"
#include "search/TextMatcher.h"

#include <cstring>

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

bool CarriesTag(const CEntryTextSnapshot& texts, int index, const QString& key)
{
    const RememberedEntry& entry = texts.Entry(index);
    if (entry.wide) {
        return HasTag(texts.Utf16(entry), key);
    }
    return std::memchr(texts.Latin1(entry).data(), '#', size_t(entry.length)) != nullptr &&
           HasTag(texts.Text(index), key);
}

bool IsBreak(QChar c)
{
    // A picture shows as a space in the snippet.
    return c.isSpace() || c == QChar::ParagraphSeparator || c == QChar::LineSeparator ||
           c == QChar::ObjectReplacementCharacter;
}

} // namespace

void MakeSnippet(const CEntryTextSnapshot& texts, SearchHit& hit)
{
    const RememberedEntry& entry = texts.Entry(hit.index);
    const qsizetype length = entry.length;
    const qsizetype start = std::max<qsizetype>(0, hit.matchAt - kBefore);
    const qsizetype end = std::min(length, hit.matchAt + hit.matchLength + kAfter);
    QString window = texts.Mid(entry, start, end - start);
    for (QChar& c : window) {
        if (IsBreak(c))
            c = QLatin1Char(' ');
    }
    // Whole words at both cut ends, where a break is near enough.
    const qsizetype before = hit.matchAt - start;
    const qsizetype afterMatch = before + hit.matchLength;
    qsizetype from = 0;
    qsizetype to = window.size();
    if (start > 0) {
        const qsizetype space = QStringView(window).first(before).indexOf(QLatin1Char(' '));
        if (space >= 0)
            from = space + 1;
    }
    if (end < length) {
        const qsizetype space =
            QStringView(window).sliced(afterMatch).lastIndexOf(QLatin1Char(' '));
        if (space > 0)
            to = afterMatch + space;
    }
    hit.snippet = window.mid(from, to - from);
    hit.snippetMatchAt = before - from;
    hit.snippetMatchLength = hit.matchLength;
    if (start > 0) {
        hit.snippet.prepend(kEllipsis);
        ++hit.snippetMatchAt;
    }
    if (end < length)
        hit.snippet.append(kEllipsis);
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
        if (!query.tag.isEmpty() && !CarriesTag(texts, i, query.tag))
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
