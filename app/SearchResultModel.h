#pragma once
// The entry list while search mode is on: one row per matching entry, in
// diary order, each its entry line and a snippet around the first match.

#include "search/SearchQuery.h"

#include <QAbstractListModel>
#include <vector>

class CSearchResultModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        SnippetRole = Qt::UserRole + 1,
        SnippetMatchAtRole,
        SnippetMatchLengthRole,
    };

    explicit CSearchResultModel(QObject* parent = nullptr);

    // "N entries found", "1 entry found", "No entry found".
    static QString FoundText(int count);

    void SetHits(std::vector<SearchHit> hits);
    const SearchHit* Hit(int row) const;
    // The row of the entry at `entryIndex` in the diary, -1 when it did not match.
    int RowOfEntry(int entryIndex) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<SearchHit> m_hits;
};
