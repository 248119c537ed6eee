// The graph panel, rendered headless and checked pixel by pixel where the
// drawing rules put things, and driven through its scroll bar.
#include "widgets/GraphCtrl.h"

#include "tests/support/WidgetTestSupport.h"

#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Colours as Pixel() reads them, without their alpha byte.
constexpr QRgb kBlack = 0x000000, kGrid = 0x646464, kMarker = 0xa0a0a0, kBlue = 0x4080ff,
               kRed = 0xff0000, kYellow = 0xffff00, kGreen = 0x00ff00, kWhite = 0xffffff;
constexpr int kPanelWidth = 400;
constexpr int kPanelHeight = 200; // without the scroll bar
constexpr int kCentre = kPanelHeight / 2;

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// The number and the bounding box of the pixels of one colour in an area.
std::pair<int, QRect> Find(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    QRect bounds;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (Pixel(image, x, y) == colour) {
                ++count;
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return {count, bounds};
}
int CountColour(const QImage& image, const QRect& area, QRgb colour)
{
    return Find(image, area, colour).first;
}
QRect BoundsOf(const QImage& image, const QRect& area, QRgb colour)
{
    return Find(image, area, colour).second;
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

TEST_F(GraphCtrlTest, FewerThanEightEntriesShowACentredNoticeWithoutScrollBar)
{
    // A scroll position left from a longer diary must not shift the notice.
    Fill(30);
    graph.SetCurrentEntry(29);
    Panel();
    Fill(7);
    const QImage panel = Panel();
    EXPECT_TRUE(graph.ScrollBar()->isHidden());
    // Nothing scrolls it either.
    graph.SetCurrentEntry(6);
    graph.OnHScroll(CGraphCtrl::ScrollRequest::PageRight);
    graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, 300);
    EXPECT_EQ(Panel(), panel);
    // Two yellow lines centred on the panel, starting 5 pixels above and 5
    // below the middle; "YOU NEED AT LEAST 8 ENTRIES" is the longer. Nothing else.
    const QRect first = BoundsOf(panel, QRect(0, kCentre - 5, kPanelWidth, 10), kYellow);
    const QRect second = BoundsOf(panel, QRect(0, kCentre + 5, kPanelWidth, 12), kYellow);
    EXPECT_GE(first.top(), kCentre - 5);
    EXPECT_GE(second.top(), kCentre + 5);
    EXPECT_NEAR(first.center().x(), kPanelWidth / 2, 2);
    EXPECT_NEAR(second.center().x(), kPanelWidth / 2, 2);
    EXPECT_GT(first.width(), second.width());
    EXPECT_EQ(CountColour(panel, panel.rect(), kBlack) + CountColour(panel, panel.rect(), kYellow),
              kPanelWidth * kPanelHeight);
    // An eighth entry replaces the notice by the graph.
    Fill(8);
    EXPECT_FALSE(graph.ScrollBar()->isHidden());
    EXPECT_EQ(CountColour(Panel(), QRect(0, 0, kPanelWidth, kCentre - 10), kYellow), 0);
}

TEST_F(GraphCtrlTest, GridLinesAreDottedEvery25PixelsAcrossThePicture)
{
    Fill(8);
    ShowOnly(false, false, false, false);
    const QImage panel = Panel();
    // Vertical lines at 25 ... 250 (275 lies past the picture), three pixels
    // on and three off from the top; horizontal ones at the seven levels.
    for (int x = 1; x < kPanelWidth; ++x) {
        EXPECT_EQ(Pixel(panel, x, 1), x % 25 == 0 && x < 275 ? kGrid : kBlack) << "x = " << x;
    }
    for (int y = 0; y < kPanelHeight; ++y) {
        EXPECT_EQ(Pixel(panel, 125, y), y % 6 < 3 && y < kPanelHeight - 1 ? kGrid : kBlack) << y;
        const bool level = y % 25 == 0 && std::abs(y - kCentre) <= 75;
        EXPECT_EQ(Pixel(panel, 1, y), level ? kGrid : kBlack) << "y = " << y;
    }
    for (int x = 0; x < 12; ++x) {
        EXPECT_EQ(Pixel(panel, x, kCentre), x % 6 < 3 ? kGrid : kBlack) << "x = " << x;
    }
}

TEST_F(GraphCtrlTest, RatingLinesSitOnePixelBelowTheirLevelWithDreamOnTop)
{
    Fill(8); // every rating 0: the four lines lie on top of each other
    QImage panel = Panel();
    std::vector<QRgb> runs;
    for (int y = kCentre - 10; y <= kCentre + 10; ++y) {
        const QRgb colour = Pixel(panel, 162, y);
        if (colour != kBlack && colour != kGrid && (runs.empty() || runs.back() != colour)) {
            runs.push_back(colour);
        }
    }
    EXPECT_EQ(runs, (std::vector<QRgb>{kBlue, kRed, kYellow, kGreen, kYellow, kRed, kBlue}));
    const QRect column(162, 0, 1, kPanelHeight);
    EXPECT_EQ(BoundsOf(panel, column, kBlue).height(), 8);
    EXPECT_EQ(BoundsOf(panel, column, kRed).height(), 6);
    EXPECT_EQ(BoundsOf(panel, column, kYellow).height(), 4);
    EXPECT_EQ(BoundsOf(panel, column, kGreen).height(), 2);

    // +3 is drawn 74 pixels above the middle, -3 76 below it.
    EntryHeader extremes;
    extremes.mood = 3;
    extremes.dream = -3;
    Fill(8, extremes);
    ShowOnly(true, false, false, true);
    panel = Panel();
    EXPECT_EQ(BoundsOf(panel, QRect(110, 0, 5, kPanelHeight), kBlue),
              QRect(QPoint(110, kCentre - 74 - 4), QPoint(114, kCentre - 74 + 3)));
    EXPECT_EQ(BoundsOf(panel, QRect(110, 0, 5, kPanelHeight), kGreen),
              QRect(QPoint(110, kCentre + 75), QPoint(114, kCentre + 76)));
}

TEST_F(GraphCtrlTest, NumbersAndMarksAreCentredOnTheirColumnEachWithItsSwitch)
{
    Fill(8);
    ShowOnly(false, false, false, false);
    EntryHeader header;
    header.temperature = 36.6f;
    header.weight = 70;
    header.menstruus = 1;
    header.copulation = 1;
    graph.SetEntry(1, header); // column 50; entry 3 (column 100) keeps zeros
    const auto row = [](int x, int top) { return QRect(x - 14, top, 29, 10); };
    const int rowsTop[] = {0, 10, kPanelHeight - 20, kPanelHeight - 10};
    int32_t* flags[] = {&graph.m_bShowTemp, &graph.m_bShowWeight, &graph.m_bShowMenstruus,
                        &graph.m_bShowCopulation};
    const QImage all = Panel();
    for (int top : rowsTop) {
        const QRect text = BoundsOf(all, row(50, top), kWhite);
        EXPECT_GE(text.top(), top);
        EXPECT_NEAR(text.center().x(), 50, 2) << "row " << top;
        EXPECT_EQ(CountColour(all, row(100, top), kWhite), 0) << "zeros print nothing";
    }
    // "36.6" is wider than "70".
    EXPECT_GT(BoundsOf(all, row(50, 0), kWhite).width(),
              BoundsOf(all, row(50, 10), kWhite).width());
    {
        // A German desktop still gets a decimal point.
        const widgettest::GermanDesktop desktop("UTC");
        graph.Invalidate();
        EXPECT_EQ(Panel(), all);
    }
    for (int off = 0; off < 4; ++off) {
        for (int i = 0; i < 4; ++i) {
            *flags[i] = i == off ? 0 : 1;
        }
        graph.Invalidate();
        const QImage panel = Panel();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(CountColour(panel, row(50, rowsTop[i]), kWhite) > 0, i != off)
                << "switch " << off << ", row " << i;
        }
    }
}

// --- placing the view and scrolling -----------------------------------------

// Each case: a diary of `count` entries, entry `current` made current, then
// `repeat` scroll actions (or a drag of the thumb to `drag`); the view must
// end at `expected`, with the marker over the current entry's column.
TEST_F(GraphCtrlTest, ViewPlacementAndScrollingMoveTheMarkerWithThePicture)
{
    using A = QAbstractSlider;
    const struct Case
    {
        const char* name;
        int count;
        int current;
        A::SliderAction action;
        int repeat;
        int drag;
        int expected;
    } cases[] = {
        // The picture is (count + 3) * 25 wide; the panel 400.
        {"last entry as far right as the picture's end permits", 40, 39, A::SliderNoAction, 0, 0,
         1075 - 400},
        {"entry with history on both sides centred", 40, 19, A::SliderNoAction, 0, 0, 500 - 200},
        {"early entry: the picture starts at the left edge", 40, 2, A::SliderNoAction, 0, 0, 0},
        {"short history: the picture starts at the left edge", 8, 7, A::SliderNoAction, 0, 0, 0},
        {"short history: right steps keep it there", 8, 7, A::SliderPageStepAdd, 2, 0, 0},
        {"short history: left steps show the empty columns", 8, 7, A::SliderPageStepSub, 4, 0, -75},
        {"last of a long history", 100000, 99999, A::SliderNoAction, 0, 0, 100003 * 25 - 400},
        {"left arrow stops at three empty columns", 40, 2, A::SliderSingleStepSub, 30, 0, -75},
        {"page left stops there too", 40, 2, A::SliderPageStepSub, 5, 0, -75},
        {"line right", 40, 19, A::SliderSingleStepAdd, 1, 0, 304},
        {"page right", 40, 2, A::SliderPageStepAdd, 1, 0, 25},
        {"page right stops four columns past the last entry", 40, 39, A::SliderPageStepAdd, 3, 0,
         44 * 25 - 400},
        {"line right stops there too", 40, 39, A::SliderSingleStepAdd, 40, 0, 44 * 25 - 400},
        {"other requests change nothing", 40, 19, A::SliderToMinimum, 1, 0, 300},
        {"dragging reads positions beyond 16 bits", 100000, 99999, A::SliderMove, 0, 2000000,
         2000000},
    };
    ShowOnly(false, false, false, false);
    QScrollBar* bar = graph.ScrollBar();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.count);
        graph.SetCurrentEntry(c.current);
        for (int i = 0; i < c.repeat; ++i) {
            bar->triggerAction(c.action);
        }
        if (c.drag != 0) {
            bar->setSliderDown(true);
            bar->setSliderPosition(c.drag);
            bar->setSliderDown(false);
        }
        EXPECT_EQ(graph.m_nScrollPos, c.expected);
        EXPECT_EQ(bar->sliderPosition(), c.expected);
        const QImage panel = Panel();
        EXPECT_EQ(graph.m_bmpGraph.width(), kPanelWidth) << "only the visible window is rendered";
        const int64_t column = (int64_t{c.current} + 1) * 25 - c.expected;
        if (column < 20 || column >= kPanelWidth - 20) {
            EXPECT_EQ(CountColour(panel, panel.rect(), kMarker), 0);
            continue;
        }
        const int x = static_cast<int>(column);
        // A line from h/2 - 50 to just above h/2 + 50 on the column, and an
        // unfilled ellipse bounded by (x - 12, h/2 - 14) .. (x + 14, h/2 + 14),
        // its right and bottom edges outside.
        EXPECT_EQ(Pixel(panel, x, kCentre - 50), kMarker);
        EXPECT_EQ(Pixel(panel, x, kCentre + 49), kMarker);
        EXPECT_NE(Pixel(panel, x, kCentre - 51), kMarker);
        EXPECT_NE(Pixel(panel, x, kCentre + 50), kMarker);
        EXPECT_EQ(BoundsOf(panel, QRect(x - 20, kCentre - 30, 20, 60), kMarker).left(), x - 12);
        EXPECT_EQ(BoundsOf(panel, QRect(x + 1, kCentre - 30, 20, 60), kMarker),
                  QRect(QPoint(x + 1, kCentre - 14), QPoint(x + 13, kCentre + 13)));
        EXPECT_EQ(Pixel(panel, x - 6, kCentre + 5), kBlack);
    }

    // The bar reaches what the steps reach, its thumb as wide as the panel.
    Fill(40);
    EXPECT_EQ(bar->minimum(), -75);
    EXPECT_EQ(bar->maximum(), 44 * 25 - kPanelWidth);
    EXPECT_EQ(bar->pageStep(), kPanelWidth);
    // Clicking the left arrow as a user would moves four pixels.
    graph.SetCurrentEntry(19);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(3, bar->height() / 2));
    EXPECT_EQ(graph.m_nScrollPos, 296);
    // A wider panel places the view again around the current entry.
    graph.resize(600, graph.height());
    graph.SetCurrentEntry(39);
    EXPECT_EQ(graph.m_nScrollPos, 1075 - 600);
    graph.resize(1200, graph.height());
    Panel();
    EXPECT_EQ(graph.m_nScrollPos, 0);
}

// --- at rest ------------------------------------------------------------------

// Counts the paints of a widget and its children.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget& root)
    {
        root.installEventFilter(this);
        for (QWidget* child : root.findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

TEST(GraphAtRestTest, NothingRepaintsOnceTheEventLoopHasSettled)
{
    QWidget window;
    window.resize(600, 260);
    auto* graph = new CGraphCtrl(&window);
    graph->setGeometry(10, 10, 580, 240);
    graph->SetGraphData(40);
    graph->SetCurrentEntry(39);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(100);
    // A scroll, as the user makes one, then rest.
    graph->ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    QTest::qWait(100);
    PaintCounter counter(window);
    QTest::qWait(500);
    EXPECT_EQ(counter.paints, 0);
    // It still repaints when asked.
    graph->SetCurrentEntry(19);
    QTest::qWait(50);
    EXPECT_GT(counter.paints, 0);
}

// --- the visible window equals the whole picture --------------------------

TEST_F(GraphCtrlTest, VisibleWindowEqualsTheWholePicturePixelForPixel)
{
    graph.SetGraphData(40);
    for (int k = 0; k < 40; ++k) {
        EntryHeader header;
        header.mood = k * 5 % 7 - 3;
        header.fatigue = k % 3 - 1;
        header.shape = k * 3 % 4 - 2;
        header.dream = k * 2 % 5 - 2;
        header.temperature = k % 3 == 0 ? 0.0f : 35.0f + static_cast<float>(k) / 10;
        header.weight = k % 4 == 0 ? 0 : 45 + k * 7;
        header.menstruus = k % 2;
        header.copulation = k * 7 % 3 == 0 ? 1 : 0;
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

    for (int left : {-75, -3, 0, 1, 137, 400, 611, 703, 1011}) {
        graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, left);
        ASSERT_EQ(graph.m_nScrollPos, left);
        QImage want(kPanelWidth, kPanelHeight, QImage::Format_RGB32);
        want.fill(Qt::black);
        QPainter(&want).drawImage(-left, 0, whole);
        EXPECT_EQ(graph.RenderColumns(left, kPanelWidth), want) << "left = " << left;
        EXPECT_EQ(Panel(), want) << "left = " << left;
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
