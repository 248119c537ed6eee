#include "stats/OnThisDayView.h"

COnThisDayView::COnThisDayView(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("onThisDay"));
    setToolTip(tr("What you wrote on this day in earlier years"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit EntryRequested(item->data(Qt::UserRole).toInt());
    });
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit EntryRequested(item->data(Qt::UserRole).toInt());
    });
    setVisible(false);
}

void COnThisDayView::SetLines(const std::vector<OnThisDayLine>& lines)
{
    clear();
    for (const OnThisDayLine& line : lines) {
        auto* item = new QListWidgetItem(line.text, this);
        item->setData(Qt::UserRole, line.entry);
    }
    const int rows = static_cast<int>(lines.size());
    setFixedHeight(rows > 0 ? rows * sizeHintForRow(0) + 2 * frameWidth() : 0);
    setVisible(rows > 0);
}
