// The results list of search mode: its heading, its rows and the way from
// an entry back to its row.
#include "app/SearchResultDelegate.h"
#include "app/SearchResultModel.h"

#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

TEST(SearchResultsTest, HeadingRowsAndEntryLookup)
{
    EXPECT_EQ(CSearchResultModel::FoundText(0), QStringLiteral("No entry found"));
    EXPECT_EQ(CSearchResultModel::FoundText(1), QStringLiteral("1 entry found"));
    EXPECT_EQ(CSearchResultModel::FoundText(12), QStringLiteral("12 entries found"));

    CSearchResultModel model;
    std::vector<SearchHit> hits(3);
    hits[0].index = 2;
    hits[1].index = 5;
    hits[2].index = 9;
    hits[1].snippet = QStringLiteral("…by the lake at dawn");
    hits[1].snippetMatchAt = 8;
    hits[1].snippetMatchLength = 4;
    model.SetHits(hits);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.RowOfEntry(5), 1);
    EXPECT_EQ(model.RowOfEntry(9), 2);
    EXPECT_EQ(model.RowOfEntry(4), -1);
    EXPECT_EQ(model.RowOfEntry(10), -1);
    const QModelIndex row = model.index(1);
    EXPECT_EQ(row.data(CSearchResultModel::SnippetRole).toString().mid(8, 4),
              QStringLiteral("lake"));

    // A row is as tall as two entry lines: the date and the snippet.
    CSearchResultDelegate delegate;
    CEntryLineDelegate lineDelegate;
    QStyleOptionViewItem option;
    EXPECT_EQ(delegate.sizeHint(option, row).height(),
              2 * lineDelegate.sizeHint(option, row).height());
}
