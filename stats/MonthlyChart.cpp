#include "stats/MonthlyChart.h"

#include "platform/Translations.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
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

    // Months are counted from the first one; a month's point sits in the
    // middle of its category, so each label names the month above it, by its
    // first three letters in the interface's language.
    const QLocale shown = CTranslations::Locale();
    auto* dates = new QCategoryAxis;
    dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    dates->setRange(0, static_cast<qreal>(months.size()));
    const bool byYear = months.size() > 24;
    for (size_t m = 0; m < months.size(); ++m) {
        const MonthAverage& month = months[m];
        if (byYear && month.month == 12) {
            dates->append(QString::number(month.year), static_cast<qreal>(m + 1));
        } else if (!byYear) {
            QString label = shown.standaloneMonthName(month.month, QLocale::LongFormat).left(3);
            if (months.size() > 12 && (month.month == 1 || m == 0)) {
                label += QStringLiteral(" %1").arg(month.year);
            }
            dates->append(label, static_cast<qreal>(m + 1));
        }
    }
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
    // The graph panel's hues (blue, red, yellow, green), dark enough to
    // stand out from the chart's light background by at least 3:1.
    const Line lines[4] = {{QT_TRANSLATE_NOOP("CMonthlyChart", "Mood"), QColor(0, 0, 255)},
                           {QT_TRANSLATE_NOOP("CMonthlyChart", "Fatigue"), QColor(255, 0, 0)},
                           {QT_TRANSLATE_NOOP("CMonthlyChart", "Shape"), QColor(160, 120, 0)},
                           {QT_TRANSLATE_NOOP("CMonthlyChart", "Dream"), QColor(0, 140, 0)}};
    for (size_t r = 0; r < 4; ++r) {
        QLineSeries* series = nullptr;
        for (const MonthAverage& month : months) {
            if (month.counts[r] == 0) {
                series = nullptr; // a gap: the next rated month starts a new piece
                continue;
            }
            if (series == nullptr) {
                series = new QLineSeries;
                series->setName(QCoreApplication::translate("CMonthlyChart", lines[r].name));
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
            const auto slot = static_cast<qreal>((month.year - months.front().year) * 12 +
                                                 month.month - months.front().month);
            series->append(slot + 0.5, month.averages[r]);
        }
    }
}
