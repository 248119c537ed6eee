// The graph panel, rendered headless and checked pixel by pixel where the
// drawing rules put things, and driven through its scroll bar.
#include "widgets/GraphCtrl.h"

#include "tests/support/WidgetTestSupport.h"

#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// Colours without their alpha byte, as Pixel() reads them.
constexpr QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b) & 0xffffff;
}

constexpr QRgb kBlack = Rgb(0, 0, 0);
constexpr QRgb kGrid = Rgb(64, 64, 64);
constexpr QRgb kMarker = Rgb(160, 160, 160);
constexpr QRgb kBlue = Rgb(0, 0, 255);
constexpr QRgb kRed = Rgb(255, 0, 0);
constexpr QRgb kYellow = Rgb(255, 255, 0);
constexpr QRgb kGreen = Rgb(0, 255, 0);
constexpr QRgb kWhite = Rgb(255, 255, 255);

constexpr int kPanelWidth = 400;
constexpr int kPanelHeight = 200; // without the scroll bar
constexpr int kCentre = kPanelHeight / 2;

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// Counts the pixels of one colour inside a rectangle.
int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += Pixel(image, x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The bounding box of the pixels of one colour inside a rectangle.
QRect BoundsOf(const QImage& image, const QRect& area, QRgb colour)
{
    QRect bounds;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (Pixel(image, x, y) == colour) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

class GraphCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const int extent = graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        graph.resize(kPanelWidth, kPanelHeight + extent);
        ASSERT_EQ(graph.ClientWidth(), kPanelWidth);
        ASSERT_EQ(graph.ClientHeight(), kPanelHeight);
    }

    // What the panel shows, its client area only.
    QImage Panel()
    {
        return graph.grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(0, 0, kPanelWidth, kPanelHeight);
    }

    void Fill(int count, const EntryHeader& header = {})
    {
        graph.SetGraphData(count);
        for (int k = 0; k < count; ++k) {
            graph.SetEntry(k, header);
        }
    }

    void ShowOnly(bool mood, bool fatigue, bool shape, bool dream)
    {
        graph.m_bShowMood = mood;
        graph.m_bShowFatigue = fatigue;
        graph.m_bShowShape = shape;
        graph.m_bShowDream = dream;
        graph.m_bDirty = 1;
    }

    CGraphCtrl graph;
};

// --- fewer than 8 entries -------------------------------------------------

TEST_F(GraphCtrlTest, FewerThanEightEntriesShowACentredNoticeWithoutScrollBar)
{
    // A scroll position left from a longer diary must not shift the notice.
    Fill(30);
    graph.SetCurrentEntry(29);
    ASSERT_EQ(graph.m_nScrollPos, 650);
    Panel();
    Fill(7);
    const QImage panel = Panel();
    EXPECT_TRUE(graph.ScrollBar()->isHidden());
    // Nothing scrolls it either.
    graph.SetCurrentEntry(6);
    graph.OnHScroll(CGraphCtrl::ScrollRequest::PageRight);
    graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, 300);
    EXPECT_EQ(graph.m_nScrollPos, 650);
    EXPECT_EQ(Panel(), panel);

    // Two yellow lines, centred on the panel, the first starting 5 pixels
    // above the middle and the second 5 below it; nothing else is drawn.
    const QRect first = BoundsOf(panel, QRect(0, kCentre - 5, kPanelWidth, 10), kYellow);
    const QRect second = BoundsOf(panel, QRect(0, kCentre + 5, kPanelWidth, 12), kYellow);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_GE(first.top(), kCentre - 5);
    EXPECT_GE(second.top(), kCentre + 5);
    EXPECT_NEAR(first.center().x(), kPanelWidth / 2, 2);
    EXPECT_NEAR(second.center().x(), kPanelWidth / 2, 2);
    EXPECT_GT(first.width(), second.width()); // "YOU NEED AT LEAST 8 ENTRIES" is longer
    const int yellow = CountColour(panel, panel.rect(), kYellow);
    EXPECT_EQ(CountColour(panel, panel.rect(), kBlack) + yellow, kPanelWidth * kPanelHeight);

    // An eighth entry replaces the notice by the graph.
    Fill(8);
    graph.SetCurrentEntry(7);
    const QImage graphImage = Panel();
    EXPECT_FALSE(graph.ScrollBar()->isHidden());
    EXPECT_GT(CountColour(graphImage, graphImage.rect(), kGrid), 0);
    EXPECT_EQ(CountColour(graphImage, QRect(0, 0, kPanelWidth, kCentre - 10), kYellow), 0);
}

// --- the picture of 8 or more entries -------------------------------------

TEST_F(GraphCtrlTest, GridLinesAreDottedEvery25PixelsAcrossThePicture)
{
    Fill(8);
    ShowOnly(false, false, false, false);
    EXPECT_EQ(graph.PictureWidth(), 275);
    const QImage panel = Panel();
    // Vertical lines at 25, 50 ... 250; the next one (275) lies past the picture.
    for (int x = 1; x < 275; ++x) {
        const bool line = x % 25 == 0;
        EXPECT_EQ(Pixel(panel, x, 1), line ? kGrid : kBlack) << "x = " << x;
    }
    // Three pixels on, three off, from the top of each line.
    for (int y = 0; y < 12; ++y) {
        EXPECT_EQ(Pixel(panel, 125, y), y % 6 < 3 ? kGrid : kBlack) << "y = " << y;
    }
    // Horizontal lines at the seven rating levels, and nowhere else.
    for (int y = 0; y < kPanelHeight; ++y) {
        const bool level = y % 25 == 0 && std::abs(y - kCentre) <= 75;
        EXPECT_EQ(Pixel(panel, 1, y), level ? kGrid : kBlack) << "y = " << y;
    }
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(Pixel(panel, x, kCentre), x % 6 < 3 ? kGrid : kBlack) << "x = " << x;
    }
    // Right of the picture the panel stays black.
    EXPECT_EQ(CountColour(panel, QRect(275, 0, kPanelWidth - 275, kPanelHeight), kGrid), 0);
}

TEST_F(GraphCtrlTest, MarkerIsAGreyEllipseAndLineOverTheCurrentEntry)
{
    Fill(8);
    ShowOnly(false, false, false, false);
    graph.SetCurrentEntry(3);
    const QImage panel = Panel();
    const int w2 = 104; // the current entry's column (x = 100) + 4
    // The line runs from h/2 - 50 to just above h/2 + 50.
    EXPECT_EQ(Pixel(panel, w2 - 4, kCentre - 50), kMarker);
    EXPECT_EQ(Pixel(panel, w2 - 4, kCentre + 49), kMarker);
    EXPECT_NE(Pixel(panel, w2 - 4, kCentre - 51), kMarker);
    EXPECT_NE(Pixel(panel, w2 - 4, kCentre + 50), kMarker);
    // The ellipse touches its bounds (w2 - 16, h/2 - 14) .. (w2 + 10, h/2 + 14),
    // right and bottom edges outside, and is not filled.
    const QRect left = BoundsOf(panel, QRect(w2 - 30, kCentre - 30, 26, 60), kMarker);
    const QRect right = BoundsOf(panel, QRect(w2 - 3, kCentre - 30, 30, 60), kMarker);
    EXPECT_EQ(left.left(), w2 - 16);
    EXPECT_EQ(right.right(), w2 + 9);
    EXPECT_EQ(right.top(), kCentre - 14);
    EXPECT_EQ(right.bottom(), kCentre + 13);
    EXPECT_EQ(Pixel(panel, w2 - 10, kCentre + 5), kBlack);
}

TEST_F(GraphCtrlTest, RatingsSitOnePixelBelowTheirGridLevel)
{
    EntryHeader high;
    high.mood = 3;
    Fill(8, high);
    ShowOnly(true, false, false, false);
    QImage panel = Panel();
    // Between two columns the line is flat: +3 is drawn 74 pixels above the middle.
    const QRect up = BoundsOf(panel, QRect(110, 0, 5, kPanelHeight), kBlue);
    EXPECT_EQ(Pixel(panel, 112, kCentre - 74), kBlue);
    EXPECT_EQ(up.height(), 8);
    EXPECT_EQ(up.top(), kCentre - 74 - 4);

    EntryHeader low;
    low.dream = -3;
    Fill(8, low);
    ShowOnly(false, false, false, true);
    panel = Panel();
    // The 2-pixel dream line covers the row of its point and the one above.
    const QRect down = BoundsOf(panel, QRect(110, 0, 5, kPanelHeight), kGreen);
    EXPECT_EQ(down.top(), kCentre + 76 - 1);
    EXPECT_EQ(down.bottom(), kCentre + 76);
}

TEST_F(GraphCtrlTest, SeriesColoursStackWithDreamOnTop)
{
    Fill(8); // every rating 0: the four lines lie on top of each other
    const QImage panel = Panel();
    const int kColumn = 162; // clear of the marker over the current entry
    std::vector<QRgb> runs;
    for (int y = kCentre - 10; y <= kCentre + 10; ++y) {
        const QRgb colour = Pixel(panel, kColumn, y);
        if (colour != kBlack && colour != kGrid && (runs.empty() || runs.back() != colour)) {
            runs.push_back(colour);
        }
    }
    const std::vector<QRgb> expected = {kBlue, kRed, kYellow, kGreen, kYellow, kRed, kBlue};
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(BoundsOf(panel, QRect(kColumn, 0, 1, kPanelHeight), kBlue).height(), 8);
    EXPECT_EQ(BoundsOf(panel, QRect(kColumn, 0, 1, kPanelHeight), kRed).height(), 6);
    EXPECT_EQ(BoundsOf(panel, QRect(kColumn, 0, 1, kPanelHeight), kYellow).height(), 4);
    EXPECT_EQ(BoundsOf(panel, QRect(kColumn, 0, 1, kPanelHeight), kGreen).height(), 2);
}

// --- numbers and marks ----------------------------------------------------

class GraphTextTest : public GraphCtrlTest
{
protected:
    void SetUp() override
    {
        GraphCtrlTest::SetUp();
        Fill(8);
        ShowOnly(false, false, false, false);
        EntryHeader header;
        header.temperature = 36.6f;
        header.weight = 70;
        header.menstruus = 1;
        header.copulation = 1;
        graph.SetEntry(1, header); // column 50; entry 3 (column 100) keeps zeros
    }

    static QRect Row(int x, int top, int height) { return QRect(x - 14, top, 29, height); }
};

TEST_F(GraphTextTest, NumbersAndMarksAreCentredOnTheirColumn)
{
    const QImage panel = Panel();
    const struct
    {
        int top;
        int height;
    } rows[] = {{0, 10}, {10, 10}, {kPanelHeight - 20, 10}, {kPanelHeight - 10, 10}};
    for (const auto& row : rows) {
        const QRect text = BoundsOf(panel, Row(50, row.top, row.height), kWhite);
        ASSERT_FALSE(text.isEmpty()) << "row " << row.top;
        EXPECT_GE(text.top(), row.top);
        EXPECT_NEAR(text.center().x(), 50, 2) << "row " << row.top;
        EXPECT_EQ(CountColour(panel, Row(100, row.top, row.height), kWhite), 0)
            << "zero values print nothing, row " << row.top;
    }
    // "36.6" is wider than "70", and "M" wider than "C".
    EXPECT_GT(BoundsOf(panel, Row(50, 0, 10), kWhite).width(),
              BoundsOf(panel, Row(50, 10, 10), kWhite).width());
}

TEST_F(GraphTextTest, EachTextFollowsItsOwnSwitch)
{
    const int rowsTop[] = {0, 10, kPanelHeight - 20, kPanelHeight - 10};
    int32_t* flags[] = {&graph.m_bShowTemp, &graph.m_bShowWeight, &graph.m_bShowMenstruus,
                        &graph.m_bShowCopulation};
    for (int off = 0; off < 4; ++off) {
        for (int i = 0; i < 4; ++i) {
            *flags[i] = i == off ? 0 : 1;
        }
        graph.Invalidate();
        const QImage panel = Panel();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(CountColour(panel, Row(50, rowsTop[i], 10), kWhite) > 0, i != off)
                << "switch " << off << ", row " << i;
        }
    }
}

TEST_F(GraphTextTest, TemperatureUsesADecimalPointInAnyLocale)
{
    const QImage english = Panel();
    QImage german;
    {
        const widgettest::GermanDesktop desktop("UTC");
        graph.Invalidate();
        german = Panel();
    }
    EXPECT_EQ(english, german);
}

// --- scrolling ------------------------------------------------------------

TEST_F(GraphCtrlTest, CurrentEntryIsScrolledToTheFourthColumn)
{
    Fill(40);
    ShowOnly(true, false, false, false);
    EntryHeader high;
    high.mood = 3;
    graph.SetEntry(19, high);
    graph.SetCurrentEntry(19);
    EXPECT_EQ(graph.m_nScrollPos, 400);
    const QImage panel = Panel();
    QScrollBar* bar = graph.ScrollBar();
    EXPECT_EQ(bar->value(), 400);
    // The bar's range is -75 .. (count + 2) * 25 with a page of count positions.
    EXPECT_EQ(bar->minimum(), -75);
    EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, 42 * 25);
    EXPECT_EQ(Pixel(panel, 100, kCentre - 74), kBlue);
    EXPECT_NEAR(BoundsOf(panel, QRect(0, 0, kPanelWidth, kCentre - 60), kBlue).center().x(), 100,
                1);
}

TEST_F(GraphCtrlTest, LeftArrowStopsAtThreeEmptyColumns)
{
    Fill(40);
    graph.SetCurrentEntry(2);
    ASSERT_EQ(graph.m_nScrollPos, -25);
    QScrollBar* bar = graph.ScrollBar();
    // Click the bar's left arrow as a user would, then keep pressing it.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(3, bar->height() / 2));
    EXPECT_EQ(graph.m_nScrollPos, -29);
    for (int i = 0; i < 30; ++i) {
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    EXPECT_EQ(graph.m_nScrollPos, -75);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(graph.m_nScrollPos, -75);
    const QImage panel = Panel();
    // Three empty columns at the left; the first grid line is the picture's column 25.
    EXPECT_EQ(CountColour(panel, QRect(0, 0, 75, kPanelHeight), kBlack), 75 * kPanelHeight);
    EXPECT_EQ(Pixel(panel, 100, 0), kGrid);
}

TEST_F(GraphCtrlTest, RightStepsStopFourColumnsPastTheLastEntry)
{
    Fill(40);
    QScrollBar* bar = graph.ScrollBar();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(graph.m_nScrollPos, 25);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(graph.m_nScrollPos, 29);
    for (int i = 0; i < 100; ++i) {
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    EXPECT_EQ(graph.m_nScrollPos, 44 * 25 - kPanelWidth);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(graph.m_nScrollPos, 44 * 25 - kPanelWidth);
    // Requests other than steps and drags leave the position alone.
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(graph.m_nScrollPos, 44 * 25 - kPanelWidth);
}

TEST_F(GraphCtrlTest, DraggingReadsPositionsBeyondSixteenBits)
{
    Fill(100000);
    QScrollBar* bar = graph.ScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(2000000);
    EXPECT_EQ(graph.m_nScrollPos, 2000000);
    bar->setSliderDown(false);
    EXPECT_EQ(graph.m_nScrollPos, 2000000);
    graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, 2499900);
    EXPECT_EQ(graph.m_nScrollPos, 2499900);
}

TEST_F(GraphCtrlTest, LongHistoryKeepsThePictureAsWideAsThePanel)
{
    EntryHeader header;
    header.weight = 80;
    Fill(100000, header);
    graph.SetCurrentEntry(99999);
    const QImage panel = Panel();
    EXPECT_EQ(graph.m_bmpGraph.width(), kPanelWidth);
    // The last entry sits in the fourth column, with its weight above it.
    EXPECT_NEAR(BoundsOf(panel, QRect(80, 10, 40, 10), kWhite).center().x(), 100, 2);
    // Three columns later the picture ends: its last grid line is at 150.
    EXPECT_EQ(Pixel(panel, 150, 1), kGrid);
    EXPECT_EQ(CountColour(panel, QRect(175, 0, kPanelWidth - 175, kPanelHeight), kGrid), 0);
}

// --- the visible window equals the whole picture --------------------------

TEST_F(GraphCtrlTest, VisibleWindowEqualsTheWholePicturePixelForPixel)
{
    std::mt19937 random(20021206);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    graph.SetGraphData(40);
    for (int k = 0; k < 40; ++k) {
        EntryHeader header;
        header.mood = pick(-3, 3);
        header.fatigue = pick(-1, 1);
        header.shape = pick(-2, 1);
        header.dream = pick(-2, 2);
        header.temperature = pick(0, 2) == 0 ? 0.0f : 35.0f + static_cast<float>(pick(0, 40)) / 10;
        header.weight = pick(0, 2) == 0 ? 0 : pick(45, 130);
        header.menstruus = pick(0, 1);
        header.copulation = pick(0, 1);
        graph.SetEntry(k, header);
    }
    // One entry with a very long number, to reach across many columns.
    EntryHeader wide;
    wide.temperature = FLT_MAX;
    wide.weight = INT32_MIN;
    wide.mood = 7;
    graph.SetEntry(25, wide);

    const int pictureWidth = graph.PictureWidth();
    ASSERT_EQ(pictureWidth, 43 * 25);
    const QImage whole = graph.RenderColumns(0, pictureWidth);
    ASSERT_EQ(whole.width(), pictureWidth);

    auto expected = [&](int left) {
        QImage image(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        for (int y = 0; y < kPanelHeight; ++y) {
            for (int x = 0; x < kPanelWidth; ++x) {
                if (left + x >= 0 && left + x < pictureWidth) {
                    image.setPixel(x, y, whole.pixel(left + x, y));
                }
            }
        }
        return image;
    };
    for (int left : {-75, -3, 0, 1, 137, 400, 611, 703, 1011}) {
        graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, left);
        ASSERT_EQ(graph.m_nScrollPos, left);
        const QImage want = expected(left);
        EXPECT_EQ(graph.RenderColumns(left, kPanelWidth), want) << "left = " << left;
        // The panel shows the same, apart from the marker drawn over it.
        const QImage shown = Panel();
        const int markerX = 100;
        int differences = 0;
        for (int y = 0; y < kPanelHeight; ++y) {
            for (int x = 0; x < kPanelWidth; ++x) {
                const bool marker = graph.m_rcMarker.contains(x, y) ||
                                    (x == markerX && std::abs(y - kCentre) <= 50);
                if (!marker && Pixel(shown, x, y) != Pixel(want, x, y)) {
                    ++differences;
                }
            }
        }
        EXPECT_EQ(differences, 0) << "left = " << left;
    }
}

TEST_F(GraphCtrlTest, ValuesFromADamagedDiaryStillRender)
{
    EntryHeader header;
    header.mood = INT32_MAX;
    header.fatigue = INT32_MIN;
    header.temperature = std::nanf("");
    header.weight = INT32_MIN;
    Fill(8, header);
    const QImage panel = Panel();
    EXPECT_GT(CountColour(panel, panel.rect(), kGrid), 0);
    // Values not stored in range of the arrays are ignored, not written.
    graph.SetEntry(8, header);
    graph.SetEntry(-1, header);
    EXPECT_EQ(graph.m_pMood.size(), 8u);
}

} // namespace
