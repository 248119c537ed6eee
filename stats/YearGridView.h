#pragma once
// A year in colours: 12 rows of up to 31 day cells, each coloured by the
// rating its day was given on one scale (mood, fatigue, shape or dream),
// days without an entry left blank, and a legend with the scale's labels
// below. Hovering a day tells its date and labels; a click or Enter on a
// day asks for its entry; the arrow keys move a day cursor and Page Up/Down
// ask for the year before or after.

#include "stats/LocalDays.h"
#include "stats/YearGrid.h"
#include "ratings/RatingLabels.h"

#include <QColor>
#include <QWidget>

class CYearGridView : public QWidget
{
    Q_OBJECT

public:
    explicit CYearGridView(QWidget* parent = nullptr);

    void SetGrid(const YearGrid& grid);
    void SetScale(RatingScale scale);
    void SetLabels(const RatingLabels& labels);
    RatingScale Scale() const { return m_scale; }

    // The day cursor; it stays on a date the year has.
    CivilDate Cursor() const;
    void SetCursor(int month, int day);

    QRect CellRect(int month, int day) const;
    // The tool tip of a day: its date and the labels of its ratings.
    QString DayText(int month, int day) const;

    // A colour-blind-safe diverging scale (ColorBrewer RdYlBu) from -3 (red)
    // through a pale neutral 0 to +3 (blue); the same colour stands for the
    // same value on every scale. Values off the scale are grey.
    static QColor RatingColor(int value);
    static QColor BlankColor();

    QSize sizeHint() const override;

signals:
    void EntryRequested(int entry);
    void YearStepRequested(int step);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int RatingOf(const GridDay& day) const;
    bool HitCell(const QPoint& point, int& month, int& day) const;
    void MoveCursorByDays(int step);
    void RequestEntry(int month, int day);

    YearGrid m_grid;
    RatingScale m_scale = RatingScale::Mood;
    RatingLabels m_labels;
    int m_nCursorMonth = 1;
    int m_nCursorDay = 1;
};
