#include "app/SearchResultDelegate.h"

#include "app/SearchResultModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kTextMargin = 3;
}

void CSearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    // The row's background, then the entry line in its top half as the
    // entry list draws it.
    QStyleOptionViewItem whole = option;
    initStyleOption(&whole, index);
    whole.text.clear();
    QStyle* style = whole.widget != nullptr ? whole.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &whole, painter, whole.widget);
    const int lineHeight = QFontMetrics(option.font).height() + 2;
    QStyleOptionViewItem top = option;
    top.rect.setHeight(lineHeight);
    CEntryLineDelegate::paint(painter, top, index);

    const QString snippet = index.data(CSearchResultModel::SnippetRole).toString();
    const auto at = index.data(CSearchResultModel::SnippetMatchAtRole).toLongLong();
    const auto length = index.data(CSearchResultModel::SnippetMatchLengthRole).toLongLong();
    QFont bold = option.font;
    bold.setBold(true);
    const QString parts[3] = {snippet.left(at), snippet.mid(at, length), snippet.mid(at + length)};

    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    int x = option.rect.left() + 2 * kTextMargin;
    const int y = option.rect.top() + lineHeight;
    for (int i = 0; i < 3; ++i) {
        const QFont& font = i == 1 ? bold : option.font;
        painter->setFont(font);
        const QRect rect(x, y, std::max(0, option.rect.right() - x), lineHeight);
        painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, parts[i]);
        x += QFontMetrics(font).horizontalAdvance(parts[i]);
    }
    painter->restore();
}

QSize CSearchResultDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    const QSize line = CEntryLineDelegate::sizeHint(option, index);
    return {line.width(), 2 * line.height()};
}
