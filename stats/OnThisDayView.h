#pragma once
// The "on this day" lines under the main window's reminder summary: one
// line per earlier year, most recent first; a click (or Enter) on a line asks
// for its entry. The view hides itself while there is nothing to show.

#include "stats/OnThisDayLines.h"

#include <QListWidget>
#include <vector>

class COnThisDayView : public QListWidget
{
    Q_OBJECT

public:
    explicit COnThisDayView(QWidget* parent = nullptr);

    void SetLines(const std::vector<OnThisDayLine>& lines);

signals:
    void EntryRequested(int entry);
};
