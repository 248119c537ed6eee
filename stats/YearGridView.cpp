#include "stats/YearGridView.h"

#include "platform/Translations.h"

#include <QDate>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kLeft = 40;  // room for the month names
constexpr int kTop = 18;   // room for the day numbers
constexpr int kPitch = 20; // cell size plus gap
constexpr int kCell = 17;
constexpr int kLegendTop = kTop + 12 * kPitch + 12;
constexpr int kLegendHeight = 24;

// The row's name: the month's first three letters in the interface's
// language ("Jan", "Mär", "янв").
QString MonthRowName(int month)
{
    return CTranslations::Locale().standaloneMonthName(month, QLocale::LongFormat).left(3);
}

} // namespace

CYearGridView::CYearGridView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("yearGrid"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CYearGridView::SetGrid(const YearGrid& grid)
{
    m_grid = grid;
    SetCursor(m_nCursorMonth, m_nCursorDay);
    update();
}

void CYearGridView::SetScale(RatingScale scale)
{
    m_scale = scale;
    update();
}

void CYearGridView::SetLabels(const RatingLabels& labels)
{
    m_labels = labels;
    update();
}

CivilDate CYearGridView::Cursor() const
{
    return {m_grid.year, m_nCursorMonth, m_nCursorDay};
}

void CYearGridView::SetCursor(int month, int day)
{
    m_nCursorMonth = std::clamp(month, 1, 12);
    m_nCursorDay = std::clamp(day, 1, DaysInMonth(m_grid.year, m_nCursorMonth));
    update();
}

QRect CYearGridView::CellRect(int month, int day) const
{
    return {kLeft + (day - 1) * kPitch, kTop + (month - 1) * kPitch, kCell, kCell};
}

QSize CYearGridView::sizeHint() const
{
    return {kLeft + 31 * kPitch + 8, kLegendTop + kLegendHeight + 8};
}

QColor CYearGridView::RatingColor(int value)
{
    static const QColor kScale[] = {QColor(0xd7, 0x30, 0x27), QColor(0xfc, 0x8d, 0x59),
                                    QColor(0xfe, 0xe0, 0x90), QColor(0xff, 0xff, 0xbf),
                                    QColor(0xe0, 0xf3, 0xf8), QColor(0x91, 0xbf, 0xdb),
                                    QColor(0x45, 0x75, 0xb4)};
    if (value < -3 || value > 3) {
        return QColor(0x80, 0x80, 0x80);
    }
    return kScale[value + 3];
}

QColor CYearGridView::BlankColor()
{
    return Qt::white;
}

QColor CYearGridView::CellOutline()
{
    return {0x70, 0x70, 0x70};
}

void CYearGridView::DrawDay(QPainter& painter, const QRect& cell, const QColor* fill)
{
    painter.setPen(CellOutline());
    if (fill != nullptr) {
        painter.fillRect(cell, *fill);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        return;
    }
    const QRect empty = cell.adjusted(2, 2, -2, -2);
    painter.fillRect(empty, BlankColor());
    painter.drawRect(empty.adjusted(0, 0, -1, -1));
}

int CYearGridView::RatingOf(const GridDay& day) const
{
    switch (m_scale) {
    case RatingScale::Mood:
        return day.mood;
    case RatingScale::Fatigue:
        return day.fatigue;
    case RatingScale::Shape:
        return day.shape;
    case RatingScale::Dream:
        return day.dream;
    }
    return 0;
}

QString CYearGridView::DayText(int month, int day) const
{
    QString text =
        CTranslations::Locale().toString(QDate(m_grid.year, month, day), tr("MMMM d, yyyy"));
    const GridDay& cell = m_grid.At(month, day);
    if (cell.entry < 0) {
        return text + tr("\nNo entry");
    }
    text += tr("\nMood: ") + LabelFor(m_labels, RatingScale::Mood, cell.mood);
    text += tr("\nFatigue: ") + LabelFor(m_labels, RatingScale::Fatigue, cell.fatigue);
    text += tr("\nShape: ") + LabelFor(m_labels, RatingScale::Shape, cell.shape);
    text += tr("\nDream: ") + LabelFor(m_labels, RatingScale::Dream, cell.dream);
    if (cell.entries > 1) {
        text += tr("\n(%n entries: the latest shown)", "", cell.entries);
    }
    return text;
}

void CYearGridView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    painter.setFont(small);

    for (int day = 1; day <= 31; ++day) {
        if (day == 1 || day % 5 == 0) {
            painter.drawText(QRect(kLeft + (day - 1) * kPitch - 4, 0, kCell + 8, kTop - 2),
                             Qt::AlignHCenter | Qt::AlignBottom, QString::number(day));
        }
    }
    for (int month = 1; month <= 12; ++month) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, kTop + (month - 1) * kPitch, kLeft - 6, kCell),
                         Qt::AlignRight | Qt::AlignVCenter, MonthRowName(month));
        for (int day = 1; day <= DaysInMonth(m_grid.year, month); ++day) {
            const QRect cell = CellRect(month, day);
            const GridDay& rated = m_grid.At(month, day);
            const QColor colour = RatingColor(RatingOf(rated));
            DrawDay(painter, cell, rated.entry < 0 ? nullptr : &colour);
        }
    }

    // The cursor: a dark frame around the cell, outside its colour.
    const QRect cursor = CellRect(m_nCursorMonth, m_nCursorDay).adjusted(-2, -2, 1, 1);
    painter.setPen(QPen(hasFocus() ? palette().color(QPalette::Highlight) : Qt::black, 2));
    painter.drawRect(cursor);

    // The legend: each value of the scale with its label, then "No entry".
    int x = kLeft;
    const int low = RatingLowest(m_scale);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(small);
    auto swatch = [&](const QColor* colour, const QString& label) {
        const QRect box(x, kLegendTop + (kLegendHeight - kCell) / 2, kCell, kCell);
        DrawDay(painter, box, colour);
        painter.setPen(palette().color(QPalette::WindowText));
        const int width = metrics.horizontalAdvance(label);
        painter.drawText(QRect(x + kCell + 4, kLegendTop, width + 2, kLegendHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, label);
        x += kCell + 4 + width + 12;
    };
    for (int value = low; value <= RatingHighest(m_scale); ++value) {
        const QColor colour = RatingColor(value);
        swatch(&colour, LabelFor(m_labels, m_scale, value));
    }
    swatch(nullptr, tr("No entry"));
}

bool CYearGridView::HitCell(const QPoint& point, int& month, int& day) const
{
    if (point.x() < kLeft || point.y() < kTop) {
        return false;
    }
    month = (point.y() - kTop) / kPitch + 1;
    day = (point.x() - kLeft) / kPitch + 1;
    return month <= 12 && day <= DaysInMonth(m_grid.year, month) &&
           CellRect(month, day).contains(point);
}

bool CYearGridView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        int month = 0;
        int day = 0;
        if (HitCell(help->pos(), month, day)) {
            QToolTip::showText(help->globalPos(), DayText(month, day), this, CellRect(month, day));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CYearGridView::mousePressEvent(QMouseEvent* event)
{
    int month = 0;
    int day = 0;
    if (event->button() == Qt::LeftButton && HitCell(event->position().toPoint(), month, day)) {
        SetCursor(month, day);
        RequestEntry(month, day);
    }
}

void CYearGridView::MoveCursorByDays(int step)
{
    const int32_t first = DayNumber({m_grid.year, 1, 1});
    const int32_t last = DayNumber({m_grid.year, 12, 31});
    const int32_t target = std::clamp(DayNumber(Cursor()) + step, first, last);
    const CivilDate date = DateOfDay(target);
    SetCursor(date.month, date.day);
}

void CYearGridView::RequestEntry(int month, int day)
{
    const GridDay& cell = m_grid.At(month, day);
    if (cell.entry >= 0) {
        emit EntryRequested(cell.entry);
    }
}

void CYearGridView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCursorByDays(-1);
        break;
    case Qt::Key_Right:
        MoveCursorByDays(1);
        break;
    case Qt::Key_Up:
        SetCursor(m_nCursorMonth - 1, m_nCursorDay);
        break;
    case Qt::Key_Down:
        SetCursor(m_nCursorMonth + 1, m_nCursorDay);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        RequestEntry(m_nCursorMonth, m_nCursorDay);
        break;
    case Qt::Key_PageUp:
        emit YearStepRequested(-1);
        break;
    case Qt::Key_PageDown:
        emit YearStepRequested(1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
