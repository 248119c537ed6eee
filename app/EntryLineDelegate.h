#pragma once
// Draws the entry list's lines with their two tab characters expanded to tab
// stops every 16 dialog units, so that the years and the times line up in
// columns whatever the width of the day and month before them.

#include <QStyledItemDelegate>
#include <QVector>

class QFontMetrics;

class CEntryLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CEntryLineDelegate(QObject* parent = nullptr);

    // 16 dialog units: four times the font's average character width, taken
    // over the letters as a dialog's base unit is.
    static int TabStopWidth(const QFontMetrics& metrics);
    // The x offset at which each tab-separated part of `line` starts.
    static QVector<int> PartOffsets(const QString& line, const QFontMetrics& metrics, int tabStop);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
