// Graph panel and monthly chart colours at least 3:1 against their background
// (the year grid's frames: the Statistics window test).
#include "tests/support/Contrast.h"

#include "stats/MonthlyChart.h"
#include "widgets/GraphColours.h"

#include <QChart>
#include <QLineSeries>
#include <gtest/gtest.h>

constexpr double kGraphics = 3.0;

TEST(ContrastTest, GraphPanelPartsStandOutFromItsBackground)
{
    using namespace GraphColours;
    const std::pair<const char*, QRgb> parts[] = {{"mood", kRatings[0]},  {"fatigue", kRatings[1]},
                                                  {"shape", kRatings[2]}, {"dream", kRatings[3]},
                                                  {"grid", kGrid},        {"texts", kText},
                                                  {"notice", kNotice},    {"marker", kMarker}};
    for (const auto& [name, colour] : parts) {
        EXPECT_GE(contrast::Ratio(QColor(colour), QColor(kBackground)), kGraphics) << name;
    }
    // The grid stays behind the lines: each rating is brighter than it.
    for (QRgb rating : kRatings) {
        EXPECT_GT(contrast::Luminance(QColor(rating)), contrast::Luminance(QColor(kGrid)));
    }
}

TEST(ContrastTest, MonthlyChartLinesStandOutFromTheChart)
{
    QChart chart;
    MonthAverage month;
    month.year = 2024;
    month.month = 3;
    month.counts = {1, 1, 1, 1};
    FillMonthlyChart(chart, {month});
    ASSERT_EQ(chart.series().size(), 4);
    // The theme paints the background with a gradient: every colour of it.
    QList<QColor> backgrounds;
    const QBrush brush = chart.backgroundBrush();
    if (brush.gradient() != nullptr) {
        for (const QGradientStop& stop : brush.gradient()->stops()) {
            backgrounds << stop.second;
        }
    } else {
        backgrounds << brush.color();
    }
    for (QAbstractSeries* series : chart.series()) {
        const QColor line = qobject_cast<QLineSeries*>(series)->pen().color();
        for (const QColor& background : backgrounds) {
            EXPECT_GE(contrast::Ratio(line, background), kGraphics)
                << series->name().toStdString() << " on " << background.name().toStdString();
        }
    }
}
