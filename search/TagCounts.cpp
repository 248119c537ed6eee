#include "search/TagCounts.h"

#include "rtf/EntryTags.h"

#include <QHash>
#include <algorithm>
#include <cstring>

bool HasTag(QStringView text, const QString& key)
{
    if (!text.contains(u'#')) {
        return false;
    }
    for (const TagSpan& span : FindTags(text)) {
        if (span.length - 1 == key.size() && TagKey(TagText(text, span)) == key) {
            return true;
        }
    }
    return false;
}

std::vector<TagCount> CountTags(const CEntryTextSnapshot& texts, const std::atomic<bool>* cancelled)
{
    QHash<QString, size_t> slot; // key -> place in counts
    std::vector<TagCount> counts;
    for (int i = 0; i < texts.Count(); ++i) {
        if (cancelled != nullptr && (i & 255) == 0 && cancelled->load(std::memory_order_relaxed)) {
            break;
        }
        const RememberedEntry& entry = texts.Entry(i);
        // Most entries have no '#' at all: those are passed over unread.
        const bool any = entry.wide ? texts.Utf16(entry).contains(u'#')
                                    : std::memchr(texts.Latin1(entry).data(), '#',
                                                  size_t(entry.length)) != nullptr;
        if (!any) {
            continue;
        }
        const QString text = texts.Text(i);
        for (QString& tag : TagsOf(text)) {
            const QString key = TagKey(tag);
            const auto found = slot.constFind(key);
            if (found == slot.constEnd()) {
                slot.insert(key, counts.size());
                counts.push_back({std::move(tag), 1});
            } else {
                ++counts[*found].entries;
            }
        }
    }
    std::sort(counts.begin(), counts.end(), [](const TagCount& a, const TagCount& b) {
        if (a.entries != b.entries) {
            return a.entries > b.entries;
        }
        return QString::compare(a.tag, b.tag, Qt::CaseInsensitive) < 0;
    });
    return counts;
}
