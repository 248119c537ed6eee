#include "rtf/EntryTags.h"

#include <algorithm>

namespace {

bool IsTagChar(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == u'_' || c == u'-';
}

bool IsSpace(QChar c)
{
    return c.isSpace() || c == QChar::ObjectReplacementCharacter;
}

// True when the '#' at `at` belongs to a web or mail address: the run of
// text between spaces around it looks like one.
bool InAddress(QStringView text, qsizetype at)
{
    qsizetype start = at;
    while (start > 0 && !IsSpace(text[start - 1])) {
        --start;
    }
    qsizetype end = at;
    while (end < text.size() && !IsSpace(text[end])) {
        ++end;
    }
    const QStringView word = text.mid(start, end - start);
    return word.contains(QLatin1String("://")) ||
           word.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           word.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

} // namespace

std::vector<TagSpan> FindTags(QStringView text)
{
    std::vector<TagSpan> tags;
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        if (text[at] != u'#') {
            continue;
        }
        // At a word's start: nothing of a word or another '#' just before.
        if (at > 0 && (IsTagChar(text[at - 1]) || text[at - 1] == u'#' || text[at - 1] == u'&')) {
            continue;
        }
        qsizetype end = at + 1;
        bool letter = false;
        while (end < size && IsTagChar(text[end])) {
            letter = letter || text[end].isLetter();
            ++end;
        }
        // A hyphen at the end is a dash, not part of the tag.
        while (end > at + 1 && text[end - 1] == u'-') {
            --end;
        }
        if (letter && !InAddress(text, at)) {
            tags.push_back({at, end - at});
        }
        at = end - 1;
    }
    return tags;
}

std::vector<QString> TagsOf(QStringView text)
{
    std::vector<QString> tags;
    std::vector<QString> keys;
    for (const TagSpan& span : FindTags(text)) {
        QString tag = TagText(text, span);
        QString key = TagKey(tag);
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            keys.push_back(std::move(key));
            tags.push_back(std::move(tag));
        }
    }
    return tags;
}
