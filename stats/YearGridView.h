#pragma once
// A year in colours: 12 rows of up to 31 day cells, each coloured by the
// rating its day was given on one scale (mood, fatigue, shape or dream),
// days without an entry left blank, and a legend with the scale's labels
// below. Hovering a day tells its date and labels; a click or Enter on a
// day asks for its entry; the arrow keys move a day cursor and Page Up/Down
// ask for the year before or after.

#include "ratings/RatingLabels.h"
#include "stats/LocalDays.h"
#include "stats/YearGrid.h"

#include <QColor>
#include <QPainter>
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
    // The inside of a day without an entry. Such a day is drawn as a small
    // empty square, a day with one fills its whole cell: the two differ in
    // shape, not only in colour, so a pale neutral day is never taken for an
    // empty one.
    static QColor BlankColor();
    // The frame of every day, dark enough (at least 3:1) against the
    // background and the pale colours of the scale alike.
    static QColor CellOutline();

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
    // A day in `cell`: filled with `fill` when it has an entry, else empty.
    static void DrawDay(QPainter& painter, const QRect& cell, const QColor* fill);
    bool HitCell(const QPoint& point, int& month, int& day) const;
    void MoveCursorByDays(int step);
    void RequestEntry(int month, int day);

    YearGrid m_grid;
    RatingScale m_scale = RatingScale::Mood;
    RatingLabels m_labels;
    int m_nCursorMonth = 1;
    int m_nCursorDay = 1;
};
