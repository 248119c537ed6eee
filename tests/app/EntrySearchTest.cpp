// Search mode's walk, over plain texts: where it starts, which way it goes,
// which occurrence it takes, and which entries it reads on the way.
#include "app/EntrySearch.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

const QStringList kTexts = {"Sunny and dry.", "Rain all day, Rain.", "A quiet day at home.",
                            "More rain in the evening."};

TEST(EntrySearchTest, WalksFromTheEntryOnViewToTheNextMatch)
{
    struct Case
    {
        int from;
        bool forward;
        const char* needle;
        std::optional<EntryHit> hit;
        std::vector<int> read; // the entries whose text was asked for
    };
    const Case cases[] = {
        {-1, true, "rain", EntryHit{1, 0}, {0, 1}},  // no selection: entry 0 first
        {0, true, "RAIN", EntryHit{1, 0}, {1}},      // case ignored, first occurrence
        {1, true, "rain", EntryHit{3, 5}, {2, 3}},   // the entry on view is not tested
        {3, true, "rain", std::nullopt, {}},         // nothing after the last
        {3, false, "rain", EntryHit{1, 14}, {2, 1}}, // backwards: the last occurrence
        {1, false, "rain", std::nullopt, {0}},       // nothing before: no hit at all
        {-1, false, "Sunny", EntryHit{0, 0}, {0}},
        {0, true, "", EntryHit{1, 0}, {}}, // an empty text matches the next entry
        {0, true, "snow", std::nullopt, {1, 2, 3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from << (c.forward ? " forward " : " back ") << c.needle);
        std::vector<int> read;
        const std::optional<EntryHit> hit =
            FindEntry(static_cast<int>(kTexts.size()), c.from, c.forward,
                      QString::fromLatin1(c.needle), [&](int index) {
                          read.push_back(index);
                          return kTexts[index];
                      });
        EXPECT_EQ(hit, c.hit);
        EXPECT_EQ(read, c.read);
    }
    EXPECT_EQ(FindEntry(0, -1, true, QStringLiteral("x"), [](int) { return QString(); }),
              std::nullopt);
}

} // namespace
