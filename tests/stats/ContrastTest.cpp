// Contrast of the graph panel and the Statistics window, computed from the
// colours they draw with: every line, frame and text at least 3:1 against
// its background, and a day without an entry told apart by its shape.
#include "tests/support/Contrast.h"

#include "stats/MonthlyChart.h"
#include "stats/YearGridView.h"
#include "widgets/GraphColours.h"

#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <gtest/gtest.h>

namespace {
constexpr double kGraphics = 3.0;
} // namespace

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

TEST(ContrastTest, YearGridFramesEveryDayAndDrawsAnEmptyDayAsASmallerSquare)
{
    CYearGridView view;
    view.resize(view.sizeHint());
    const QColor background = view.palette().window().color();
    EXPECT_GE(contrast::Ratio(CYearGridView::CellOutline(), background), kGraphics);

    YearGrid grid;
    grid.year = 2024;
    grid.At(1, 1).entry = 0; // a neutral day: every rating 0
    view.SetGrid(grid);
    QImage picture(view.size(), QImage::Format_RGB32);
    view.render(&picture);
    const QRect neutral = view.CellRect(1, 1);
    const QRect empty = view.CellRect(1, 2);
    // The neutral day fills its cell up to the frame; the empty day leaves
    // its cell's edge to the background and frames a smaller square.
    EXPECT_EQ(picture.pixelColor(neutral.topLeft()), CYearGridView::CellOutline());
    EXPECT_EQ(picture.pixelColor(neutral.topLeft() + QPoint(1, 1)), CYearGridView::RatingColor(0));
    EXPECT_EQ(picture.pixelColor(empty.topLeft()), background);
    EXPECT_EQ(picture.pixelColor(empty.topLeft() + QPoint(2, 2)), CYearGridView::CellOutline());
    EXPECT_EQ(picture.pixelColor(empty.center()), CYearGridView::BlankColor());
}
