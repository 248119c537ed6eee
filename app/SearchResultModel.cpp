#include "app/SearchResultModel.h"

#include "app/EntryListModel.h"

#include <algorithm>

CSearchResultModel::CSearchResultModel(QObject* parent) : QAbstractListModel(parent) {}

QString CSearchResultModel::FoundText(int count)
{
    if (count == 0)
        return tr("No entry found");
    if (count == 1)
        return tr("1 entry found");
    return tr("%n entries found", "", count);
}

void CSearchResultModel::SetHits(std::vector<SearchHit> hits)
{
    beginResetModel();
    m_hits = std::move(hits);
    endResetModel();
}

const SearchHit* CSearchResultModel::Hit(int row) const
{
    return row < 0 || size_t(row) >= m_hits.size() ? nullptr : &m_hits[size_t(row)];
}

int CSearchResultModel::RowOfEntry(int entryIndex) const
{
    const auto found =
        std::lower_bound(m_hits.begin(), m_hits.end(), entryIndex,
                         [](const SearchHit& hit, int index) { return hit.index < index; });
    return found != m_hits.end() && found->index == entryIndex ? int(found - m_hits.begin()) : -1;
}

int CSearchResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_hits.size());
}

QVariant CSearchResultModel::data(const QModelIndex& index, int role) const
{
    const SearchHit* hit = index.isValid() ? Hit(index.row()) : nullptr;
    if (hit == nullptr)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CEntryListModel::FormatEntryLine(hit->time);
    case SnippetRole:
        return hit->snippet;
    case SnippetMatchAtRole:
        return qlonglong(hit->snippetMatchAt);
    case SnippetMatchLengthRole:
        return qlonglong(hit->snippetMatchLength);
    default:
        return {};
    }
}
