#pragma once
// The tags of a diary and how many entries carry each, counted over the
// remembered plain texts (off the window's thread), and whether an entry's
// text carries a tag.

#include "search/EntryTextSnapshot.h"

#include <QString>
#include <QStringView>
#include <atomic>
#include <vector>

struct TagCount
{
    QString tag; // as first written, without the '#'
    int entries = 0;

    bool operator==(const TagCount&) const = default;
};

// Most used first, then by name. Stops early (with what it has) when
// `cancelled` is set.
std::vector<TagCount> CountTags(const CEntryTextSnapshot& texts,
                                const std::atomic<bool>* cancelled = nullptr);

// True when the text carries the tag of this key (TagKey).
bool HasTag(QStringView text, const QString& key);
