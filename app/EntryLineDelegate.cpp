#include "app/EntryLineDelegate.h"

#include "platform/Translations.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace {
constexpr int kTextMargin = 3;
}

CEntryLineDelegate::CEntryLineDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

int CEntryLineDelegate::TabStopWidth(const QFontMetrics& metrics)
{
    static const QString letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseUnit = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    // The day and month before the first tab end before the first stop in
    // every language ("30 - нояб." is wider than "30 - Nov"), so the years
    // stay in one column.
    int widest = 0;
    const QLocale shown = CTranslations::Locale();
    for (int month = 1; month <= 12; ++month) {
        widest = std::max(widest,
                          metrics.horizontalAdvance(QStringLiteral("30 - ") +
                                                    shown.monthName(month, QLocale::ShortFormat)));
    }
    return std::max({1, baseUnit * 16 / 4, widest + 1});
}

QVector<int> CEntryLineDelegate::PartOffsets(const QString& line, const QFontMetrics& metrics,
                                             int tabStop)
{
    QVector<int> offsets;
    int x = 0;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            // A tab moves to the next stop strictly to the right.
            x = (x / tabStop + 1) * tabStop;
        }
        offsets.append(x);
        x += metrics.horizontalAdvance(parts[i]);
    }
    return offsets;
}

void CEntryLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString line = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                               .adjusted(kTextMargin, 0, 0, 0);
    const QFontMetrics metrics(opt.font);
    const QVector<int> offsets = PartOffsets(line, metrics, TabStopWidth(metrics));
    const QStringList parts = line.split(QLatin1Char('\t'));

    painter->save();
    painter->setFont(opt.font);
    const bool selected = (opt.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) == 0
                                           ? QPalette::Inactive
                                           : QPalette::Active;
    painter->setPen(
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    for (int i = 0; i < parts.size(); ++i) {
        const QRect partRect(textRect.left() + offsets[i], textRect.top(),
                             std::max(0, textRect.right() - textRect.left() - offsets[i]),
                             textRect.height());
        painter->drawText(partRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          parts[i]);
    }
    painter->restore();
}

QSize CEntryLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QFontMetrics metrics(opt.font);
    const QString line = opt.text;
    const QVector<int> offsets = PartOffsets(line, metrics, TabStopWidth(metrics));
    const QString last = line.section(QLatin1Char('\t'), -1);
    const int width = (offsets.isEmpty() ? 0 : offsets.last()) + metrics.horizontalAdvance(last) +
                      4 * kTextMargin;
    return QSize(width, metrics.height() + 2);
}
