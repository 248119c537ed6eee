#pragma once
// The entry list's lines: one per entry, in diary order. Only the times are
// kept; a line is formatted when the view asks for it, so that a diary of
// 100,000 entries fills the list at once.

#include <QAbstractListModel>
#include <cstdint>
#include <vector>

class CEntryListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CEntryListModel(QObject* parent = nullptr);

    // "05 - Dec\t - 2026, Sat,\t at 09:05:07": local time, English names. A
    // time that cannot be converted gives an empty line.
    static QString FormatEntryLine(int64_t time);

    void SetTimes(std::vector<int64_t> times);
    void Clear();
    QString Line(int row) const;
    // The entry's time; 0 for a row that does not exist.
    int64_t Time(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<int64_t> m_times;
};
