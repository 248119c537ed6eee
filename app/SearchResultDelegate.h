#pragma once
// Draws a search result: the entry line as the entry list draws it, and
// under it the snippet with the match in bold.

#include "app/EntryLineDelegate.h"

class CSearchResultDelegate : public CEntryLineDelegate
{
    Q_OBJECT
public:
    using CEntryLineDelegate::CEntryLineDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
