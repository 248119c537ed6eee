#include "stats/MonthlyChart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

void FillMonthlyChart(QChart& chart, const std::vector<MonthAverage>& months)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    if (months.empty()) {
        return;
    }

    auto* dates = new QDateTimeAxis;
    dates->setFormat(months.size() > 24 ? QStringLiteral("yyyy") : QStringLiteral("MMM yyyy"));
    dates->setTickCount(std::min<int>(13, static_cast<int>(months.size()) + 1));
    dates->setRange(
        QDateTime(QDate(months.front().year, months.front().month, 1), QTime(0, 0)),
        QDateTime(QDate(months.back().year, months.back().month, 1).addMonths(1), QTime(0, 0)));
    auto* values = new QValueAxis;
    values->setRange(-3, 3);
    values->setTickCount(7);
    values->setLabelFormat(QStringLiteral("%d"));
    chart.addAxis(dates, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);

    struct Line
    {
        const char* name;
        QColor colour;
    };
    // The graph panel's colours, so a rating looks the same everywhere.
    const Line lines[4] = {{"Mood", QColor(0, 0, 255)},
                           {"Fatigue", QColor(255, 0, 0)},
                           {"Shape", QColor(200, 160, 0)},
                           {"Dream", QColor(0, 160, 0)}};
    for (size_t r = 0; r < 4; ++r) {
        QLineSeries* series = nullptr;
        for (const MonthAverage& month : months) {
            if (month.counts[r] == 0) {
                series = nullptr; // a gap: the next rated month starts a new piece
                continue;
            }
            if (series == nullptr) {
                series = new QLineSeries;
                series->setName(QLatin1String(lines[r].name));
                series->setPen(QPen(lines[r].colour, 2));
                series->setPointsVisible(true);
                chart.addSeries(series);
                series->attachAxis(dates);
                series->attachAxis(values);
                // Only the first piece of each rating has a legend entry.
                for (QAbstractSeries* other : chart.series()) {
                    if (other != series && other->name() == series->name()) {
                        chart.legend()->markers(series).constFirst()->setVisible(false);
                        break;
                    }
                }
            }
            const QDateTime middle(QDate(month.year, month.month, 15), QTime(12, 0));
            series->append(static_cast<qreal>(middle.toMSecsSinceEpoch()), month.averages[r]);
        }
    }
}
