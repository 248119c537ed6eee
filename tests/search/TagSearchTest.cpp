// Tags over the remembered texts: their counts after save, edit and delete,
// the Tag filter's results, and the count on the tag worker.
#include "rtf/EntryTags.h"
#include "search/EntryTextCache.h"
#include "search/SearchEngine.h"
#include "search/TagCounts.h"
#include "search/TagWorker.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

EntryHeader Header(int64_t time, uint32_t textOffset)
{
    EntryHeader header;
    header.time = time;
    header.textOffset = textOffset;
    return header;
}

std::vector<int> Found(const CEntryTextSnapshot& texts, const QString& tag,
                       const QString& text = {})
{
    std::vector<int> indexes;
    for (const SearchHit& hit : SearchEntries(texts, {.text = text, .tag = tag})) {
        indexes.push_back(hit.index);
    }
    return indexes;
}

TEST(TagSearchTest, CountsFollowSaveEditAndDeleteAndTheFilterFindsTheTaggedEntries)
{
    CEntryTextCache cache;
    cache.Append(Header(10, 0), u"#Walk by the lake, #walk again, #rain");
    cache.Append(Header(20, 100), u"Дождь #дождь and a #walk\uFFFC");
    cache.Append(Header(30, 200), u"no tags, C# and #2024 and https://x.org/#walk");
    cache.FinishFill();
    EXPECT_EQ(CountTags(cache.Snapshot()),
              (std::vector<TagCount>{{"Walk", 2}, {"rain", 1}, {"дождь", 1}}));

    EXPECT_EQ(Found(cache.Snapshot(), TagKey(u"WALK")), (std::vector<int>{0, 1}));
    EXPECT_EQ(Found(cache.Snapshot(), TagKey(u"Дождь")), (std::vector<int>{1}));
    EXPECT_EQ(Found(cache.Snapshot(), TagKey(u"walk"), "lake"), (std::vector<int>{0}));
    EXPECT_EQ(Found(cache.Snapshot(), TagKey(u"wal")), (std::vector<int>{}));

    cache.Insert(3, Header(40, 300), u"#rain #rain #sun");     // saved
    cache.Replace(0, Header(10, 0), u"Nothing to walk about"); // edited
    cache.Remove(1);                                           // deleted
    EXPECT_EQ(CountTags(cache.Snapshot()), (std::vector<TagCount>{{"rain", 1}, {"sun", 1}}));
    EXPECT_EQ(Found(cache.Snapshot(), TagKey(u"walk")), (std::vector<int>{}));

    CTagWorker worker;
    std::vector<std::vector<TagCount>> delivered;
    QObject::connect(
        &worker, &CTagWorker::Counted,
        [&delivered](const std::vector<TagCount>& tags) { delivered.push_back(tags); });
    worker.Start(cache.Snapshot());
    ASSERT_TRUE(QTest::qWaitFor([&delivered] { return !delivered.empty(); }));
    EXPECT_EQ(delivered[0], (std::vector<TagCount>{{"rain", 1}, {"sun", 1}}));
}

} // namespace
