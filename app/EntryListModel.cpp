#include "app/EntryListModel.h"

#include "platform/ShownTime.h"

CEntryListModel::CEntryListModel(QObject* parent) : QAbstractListModel(parent) {}

QString CEntryListModel::FormatEntryLine(int64_t time)
{
    return CShownTime::Format(tr("%d - %b\t - %Y, %a,\t at %H:%M:%S"), time);
}

void CEntryListModel::SetTimes(std::vector<int64_t> times)
{
    beginResetModel();
    m_times = std::move(times);
    endResetModel();
}

void CEntryListModel::Clear()
{
    SetTimes({});
}

int64_t CEntryListModel::Time(int row) const
{
    return row < 0 || static_cast<size_t>(row) >= m_times.size()
               ? 0
               : m_times[static_cast<size_t>(row)];
}

QString CEntryListModel::Line(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= m_times.size()) {
        return QString();
    }
    return FormatEntryLine(m_times[static_cast<size_t>(row)]);
}

int CEntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_times.size());
}

QVariant CEntryListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid()) {
        return QVariant();
    }
    return Line(index.row());
}
