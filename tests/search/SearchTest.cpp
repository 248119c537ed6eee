// The search over a small diary on disk, the remembered texts following the
// diary's changes, the matcher against Qt's own case-insensitive find, a
// newer search superseding an older one, and the tags with their counts.
#include "../support/TestDiary.h"
#include "rtf/EntryTags.h"
#include "rtf/Rtf.h"
#include "search/EntryTextCache.h"
#include "search/EntryTextLoader.h"
#include "search/SearchEngine.h"
#include "search/SearchWorker.h"
#include "search/TagCounts.h"
#include "search/TextMatcher.h"
#include "store/DiarySession.h"
#include "tests/rtf/RtfTestSupport.h" // readable QString failures

#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<int> Indexes(const std::vector<SearchHit>& hits)
{
    std::vector<int> indexes;
    for (const SearchHit& hit : hits)
        indexes.push_back(hit.index);
    return indexes;
}

EntryHeader Header(int64_t time, uint32_t textOffset)
{
    return {.time = time, .textOffset = textOffset};
}

class SearchDiaryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        const QString path = dir.filePath(QStringLiteral("trips.ilm"));
        // Written out of order: the diary sorts them by date.
        WriteDiary(
            path,
            {{LocalTime(2026, 3, 4, 21),
              Rtf(std::string(150, 'x') + " and then the " +
                  "long walk round the lake\\par the sun " + "went down behind the hills " +
                  std::string(150, 'y')),
              1},
             {LocalTime(2026, 3, 1, 8), Rtf("A grey morning by the lake"), -3},
             {LocalTime(2026, 3, 2, 9), Rtf("Caf\\'e9 au lait at the LAKE"), 0},
             {LocalTime(2026, 3, 3, 10), Rtf("\\u1054?\\u1079?\\u1077?\\u1088?\\u1086?"), 3}},
            "Secret1");
        session = std::make_unique<CDiarySession>(NameOf(path));
        ASSERT_TRUE(FillEntryTexts(*session, cache));
    }

    std::vector<int> Find(SearchQuery query) const
    {
        return Indexes(SearchEntries(cache.Snapshot(), query));
    }

    QTemporaryDir dir;
    std::unique_ptr<CDiarySession> session;
    CEntryTextCache cache;
};

// Text, dates and moods, each range including both its ends.
TEST_F(SearchDiaryTest, FindsWhatTheViewShowsInDateOrderWithASnippetAroundTheMatch)
{
    const int64_t second = LocalTime(2026, 3, 2, 9);
    const int64_t third = LocalTime(2026, 3, 3, 10);
    const std::vector<std::pair<SearchQuery, std::vector<int>>> cases = {
        {{.text = QStringLiteral("lake")}, {0, 1, 3}},
        {{.text = QStringLiteral("CAFÉ")}, {1}},  // accents fold with their case
        {{.text = QStringLiteral("ОЗЕРО")}, {2}}, // so does Cyrillic
        {{.text = QStringLiteral("par")}, {}},    // markup only
        {{.text = QStringLiteral("Arial")}, {}},
        {{.text = QStringLiteral("lake the")}, {}}, // a paragraph break is no space
        {{}, {0, 1, 2, 3}},
        {{.from = second, .to = third}, {1, 2}},
        {{.from = second + 1, .to = third - 1}, {}},
        {{.minMood = -3, .maxMood = 0}, {0, 1}},
        {{.minMood = 1}, {2, 3}},
        {{.text = QStringLiteral("lake"), .from = second, .maxMood = 1}, {1, 3}},
    };
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(Find(cases[i].first), cases[i].second) << "case " << i;
    EXPECT_EQ(cache.Snapshot().Text(2), QStringLiteral("Озеро"));

    // The snippet shows the match with whole words around.
    const auto hits = SearchEntries(cache.Snapshot(), {.text = QStringLiteral("LAKE")});
    ASSERT_EQ(hits.size(), 3u);
    const SearchHit& long_ = hits[2];
    // The match lies where the view will select it.
    auto store = session->MakeStore(3);
    ASSERT_TRUE(store->ReadEntry());
    EXPECT_EQ(RtfToPlainText(store->entry.text).mid(long_.matchAt, long_.matchLength),
              QStringLiteral("lake"));
    EXPECT_EQ(
        long_.snippet,
        QStringLiteral("…then the long walk round the lake the sun went down behind the hills…"));
    EXPECT_EQ(long_.snippet.mid(long_.snippetMatchAt, long_.snippetMatchLength),
              QStringLiteral("lake"));
    // A short entry is shown whole.
    EXPECT_EQ(hits[0].snippet, QStringLiteral("A grey morning by the lake"));
    EXPECT_EQ(hits[0].snippetMatchAt, 22);
}

TEST_F(SearchDiaryTest, RememberedTextsFollowSaveEditAndDelete)
{
    auto store = session->MakeStore();
    auto fill = [&store](int64_t time, const std::string& words) {
        store->entry = DiaryEntry{};
        store->entry.time = time;
        store->entry.text = Rtf(words);
        std::strcpy(store->entry.password, "Secret1");
    };
    fill(LocalTime(2026, 3, 1, 8), "A grey morning by the sea"); // edited
    ASSERT_TRUE(store->ReplaceEntry(0));
    ASSERT_TRUE(store->DeleteEntry(2));                 // the Cyrillic one
    fill(LocalTime(2026, 3, 5, 7), "Swam in the lake"); // saved (an import appends the same way)
    store->AppendEntry();
    ASSERT_TRUE(store->SortEntries());
    std::vector<EntryHeader> headers;
    ASSERT_TRUE(store->ReadAllEntryHeaders(headers));

    SyncEntryTexts(*session, cache, headers);
    EXPECT_EQ(Find({.text = QStringLiteral("lake")}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Find({.text = QStringLiteral("sea")}), std::vector<int>{0});
    EXPECT_EQ(Find({.text = QStringLiteral("озеро")}), std::vector<int>{});
    EXPECT_EQ(Find({.from = LocalTime(2026, 3, 5, 7)}), std::vector<int>{3});
}

TEST(EntryTextCacheTest, FollowsInsertReplaceRemoveAndResort)
{
    CEntryTextCache cache;
    cache.Insert(0, Header(1, 0), u"ignored until filled");
    EXPECT_EQ(cache.Count(), 0);
    cache.Append(Header(10, 0), u"the old pier");
    cache.Append(Header(20, 100), u"Дом у озера"); // two bytes a character
    cache.FinishFill();
    EXPECT_EQ(cache.TextBytes(), 12u + 2 * 11u);

    auto find = [&cache](const char16_t* text) {
        return Indexes(SearchEntries(cache.Snapshot(), {.text = QString::fromUtf16(text)}));
    };
    const CEntryTextSnapshot before = cache.Snapshot();
    cache.Replace(0, Header(10, 0), u"the new boat house");
    EXPECT_EQ(find(u"pier"), std::vector<int>{});
    EXPECT_EQ(find(u"boat"), std::vector<int>{0});
    EXPECT_EQ(before.Text(0), QStringLiteral("the old pier")); // a running search keeps its texts

    cache.Insert(1, Header(15, 200), u"a pier again"); // a saved entry
    EXPECT_EQ(find(u"pier"), std::vector<int>{1});
    cache.Remove(0); // a deleted entry
    EXPECT_EQ(find(u"pier"), std::vector<int>{0});
    EXPECT_EQ(find(u"ОЗЕРА"), std::vector<int>{1});

    // An edit moved the first entry after the second.
    ASSERT_TRUE(cache.Reindex({Header(20, 100), Header(30, 200)}));
    EXPECT_EQ(find(u"pier"), std::vector<int>{1});
    EXPECT_EQ(cache.Snapshot().Entry(1).time, 30);
    // An import added an entry it was not told about: forget, fill again.
    EXPECT_FALSE(cache.Reindex({Header(20, 100), Header(30, 200), Header(40, 300)}));
    EXPECT_FALSE(cache.IsFilled());
    EXPECT_EQ(cache.Count(), 0);
}

TEST(EntryTextCacheTest, KeepsAtMostAFifthMoreThanItsTexts)
{
    CEntryTextCache cache;
    const QString latin1 = QStringLiteral("Sunny, then rain by the lake. ").repeated(30);
    const QString cyrillic = QStringLiteral("Дождь у озера. ").repeated(60);
    for (uint32_t i = 0; i < 2000; ++i)
        cache.Append(Header(i, i), i % 10 ? QStringView(latin1) : QStringView(cyrillic));
    cache.FinishFill();
    EXPECT_LE(cache.MemoryBytes(), cache.TextBytes() * 12 / 10);
    // Rewritten entries leave their old texts behind, which are given back.
    for (int round = 0; round < 5; ++round) {
        for (int i = 0; i < 2000; i += 3)
            cache.Replace(i, Header(i, i), latin1);
    }
    EXPECT_LE(cache.MemoryBytes(), cache.TextBytes() * 12 / 10);
    EXPECT_EQ(cache.Snapshot().Text(1999), latin1);
    EXPECT_EQ(cache.Snapshot().Text(1990), cyrillic);
    EXPECT_EQ(cache.Snapshot().Text(1980), latin1); // was Cyrillic
}

TEST(TextMatcherTest, AgreesWithQtCaseInsensitiveFind)
{
    // Short strings over an alphabet of case pairs, letters sharing a low
    // byte (ä U+00E4, and U+04E4) and the µ that folds outside Latin-1.
    // Latin-1 texts alone also take the Latin-1 search.
    for (const QString& alphabet :
         {QStringLiteral("aAbBäÄ\u04E4\u04E5µμ ß"), QStringLiteral("aAäÄµ ß")}) {
        uint32_t seed = 12345;
        auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
        auto word = [&](int length) {
            QString s;
            for (int i = 0; i < length; ++i)
                s += alphabet[qsizetype(next() % alphabet.size())];
            return s;
        };
        for (int round = 0; round < 4000; ++round) {
            const QString text = word(int(next() % 60));
            const QString needle = word(1 + int(next() % 4));
            const CTextMatcher matcher(needle);
            const qsizetype expected = text.indexOf(needle, 0, Qt::CaseInsensitive);
            ASSERT_EQ(matcher.IndexIn(QStringView(text)), expected)
                << qPrintable(text + "|" + needle);
            const QByteArray latin1 = text.toLatin1();
            if (QString::fromLatin1(latin1) == text) {
                ASSERT_EQ(matcher.IndexIn(QLatin1String(latin1)), expected) << qPrintable(text);
            }
        }
    }
}

TEST(SearchWorkerTest, ANewerSearchSupersedesAnOlderOne)
{
    CEntryTextCache cache;
    const QString text = QStringLiteral("Nothing much happened today, it rained. ").repeated(25);
    for (uint32_t i = 0; i < 20000; ++i)
        cache.Append(Header(i, i), i == 7 ? text + QStringLiteral("lake") : text);
    cache.FinishFill();

    std::atomic<bool> cancelled = true;
    EXPECT_TRUE(SearchEntries(cache.Snapshot(), {}, &cancelled).empty());

    CSearchWorker worker;
    QSignalSpy finished(&worker, &CSearchWorker::Finished);
    std::vector<SearchHit> delivered;
    QObject::connect(
        &worker, &CSearchWorker::Finished,
        [&delivered](quint64, const std::vector<SearchHit>& hits) { delivered = hits; });
    auto settle = [&worker] {
        worker.WaitForIdle();
        QCoreApplication::processEvents();
    };
    // Typed while older searches still run.
    worker.Start(cache.Snapshot(), {});                              // every entry, slowly
    worker.Start(cache.Snapshot(), {.text = QStringLiteral("zzz")}); // nothing
    quint64 newest = worker.Start(cache.Snapshot(), {.text = QStringLiteral("LAKE")});
    ASSERT_TRUE(finished.wait(5000));
    settle();
    ASSERT_EQ(finished.size(), 1);
    EXPECT_EQ(finished[0][0].value<quint64>(), newest);
    EXPECT_EQ(Indexes(delivered), std::vector<int>{7});

    // Typed after an older search finished but before its results arrived.
    worker.Start(cache.Snapshot(), {.text = QStringLiteral("lake")});
    worker.WaitForIdle();
    newest = worker.Start(cache.Snapshot(), {.text = QStringLiteral("zzz")});
    settle();
    ASSERT_EQ(finished.size(), 2);
    EXPECT_EQ(finished[1][0].value<quint64>(), newest);
    EXPECT_TRUE(delivered.empty());
}

TEST(TagSearchTest, CountsEntriesPerTagAndTheFilterFindsTheTaggedEntries)
{
    CEntryTextCache cache;
    cache.Append(Header(10, 0), u"#Walk by the lake, #walk again, #rain");
    cache.Append(Header(20, 100), u"Дождь #дождь and a #walk #Sun\uFFFC");
    cache.Append(Header(30, 200), u"no tags, C# and #2024 and https://x.org/#walk");
    cache.FinishFill();
    EXPECT_EQ(CountTags(cache.Snapshot()),
              (std::vector<TagCount>{{"Walk", 2}, {"rain", 1}, {"Sun", 1}, {"дождь", 1}}));
    const auto found = [&cache](const char16_t* tag, const QString& text = {}) {
        return Indexes(SearchEntries(cache.Snapshot(), {.text = text, .tag = TagKey(tag)}));
    };
    EXPECT_EQ(found(u"WALK"), (std::vector<int>{0, 1}));
    EXPECT_EQ(found(u"Дождь"), (std::vector<int>{1}));
    EXPECT_EQ(found(u"walk", "lake"), (std::vector<int>{0}));
    EXPECT_EQ(found(u"wal"), (std::vector<int>{}));
}

} // namespace
