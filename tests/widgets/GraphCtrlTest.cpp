// The graph panel, rendered headless and checked pixel by pixel where the
// drawing rules put things, and driven through its scroll bar; and the
// "Choose graphs:" buttons that switch its series, clicked as a user would.
#include "widgets/GraphCtrl.h"

#include "platform/Settings.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/GraphChoiceBox.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
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
const QRect kPanel(0, 0, kPanelWidth, kPanelHeight);

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xffffff;
}

// The pixels of one colour in an area: how many, and their bounding box.
struct Found
{
    int count = 0;
    QRect bounds;
};
Found Find(const QImage& image, const QRect& area, QRgb colour)
{
    Found found;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (Pixel(image, x, y) == colour) {
                ++found.count;
                found.bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
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
        return graph.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(kPanel);
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
    const QRect first = Find(panel, QRect(0, kCentre - 5, kPanelWidth, 10), kYellow).bounds;
    const QRect second = Find(panel, QRect(0, kCentre + 5, kPanelWidth, 12), kYellow).bounds;
    EXPECT_GE(first.top(), kCentre - 5);
    EXPECT_GE(second.top(), kCentre + 5);
    EXPECT_NEAR(first.center().x(), kPanelWidth / 2, 2);
    EXPECT_NEAR(second.center().x(), kPanelWidth / 2, 2);
    EXPECT_GT(first.width(), second.width());
    EXPECT_EQ(Find(panel, kPanel, kBlack).count + Find(panel, kPanel, kYellow).count,
              kPanelWidth * kPanelHeight);
    // An eighth entry replaces the notice by the graph.
    Fill(8);
    EXPECT_FALSE(graph.ScrollBar()->isHidden());
    EXPECT_EQ(Find(Panel(), QRect(0, 0, kPanelWidth, kCentre - 10), kYellow).count, 0);
}

TEST_F(GraphCtrlTest, RatingLinesSitOnePixelBelowTheirLevelAndGridLinesAreDottedEvery25Pixels)
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
    EXPECT_EQ(Find(panel, column, kBlue).bounds.height(), 8);
    EXPECT_EQ(Find(panel, column, kRed).bounds.height(), 6);
    EXPECT_EQ(Find(panel, column, kYellow).bounds.height(), 4);
    EXPECT_EQ(Find(panel, column, kGreen).bounds.height(), 2);

    ShowOnly(false, false, false, false);
    panel = Panel();
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

    // +3 is drawn 74 pixels above the middle, -3 76 below it.
    EntryHeader extremes;
    extremes.mood = 3;
    extremes.dream = -3;
    Fill(8, extremes);
    ShowOnly(true, false, false, true);
    panel = Panel();
    EXPECT_EQ(Find(panel, QRect(110, 0, 5, kPanelHeight), kBlue).bounds,
              QRect(QPoint(110, kCentre - 74 - 4), QPoint(114, kCentre - 74 + 3)));
    EXPECT_EQ(Find(panel, QRect(110, 0, 5, kPanelHeight), kGreen).bounds,
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
        const QRect text = Find(all, row(50, top), kWhite).bounds;
        EXPECT_GE(text.top(), top);
        EXPECT_NEAR(text.center().x(), 50, 2) << "row " << top;
        EXPECT_EQ(Find(all, row(100, top), kWhite).count, 0) << "zeros print nothing";
    }
    // "36.6" is wider than "70".
    EXPECT_GT(Find(all, row(50, 0), kWhite).bounds.width(),
              Find(all, row(50, 10), kWhite).bounds.width());
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
            EXPECT_EQ(Find(panel, row(50, rowsTop[i]), kWhite).count > 0, i != off)
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
            EXPECT_EQ(Find(panel, kPanel, kMarker).count, 0);
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
        EXPECT_EQ(Find(panel, QRect(x - 20, kCentre - 30, 20, 60), kMarker).bounds.left(), x - 12);
        EXPECT_EQ(Find(panel, QRect(x + 1, kCentre - 30, 20, 60), kMarker).bounds,
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

TEST_F(GraphCtrlTest, VisibleWindowEqualsTheWholePictureAlsoWithValuesOfADamagedDiary)
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
    // A very long number reaches across many columns; the ratings lie
    // outside their scales.
    EntryHeader damaged;
    damaged.temperature = FLT_MAX;
    damaged.weight = INT32_MIN;
    damaged.mood = 7;
    graph.SetEntry(25, damaged);
    damaged.mood = INT32_MAX;
    damaged.fatigue = INT32_MIN;
    damaged.temperature = std::nanf("");
    graph.SetEntry(26, damaged);
    // Indexes outside the arrays are ignored, not written.
    graph.SetEntry(40, damaged);
    graph.SetEntry(-1, damaged);
    EXPECT_EQ(graph.m_pMood.size(), 40u);

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

// --- the "Choose graphs:" buttons ------------------------------------------

// The settings are read at construction, so a restart finds what a click
// wrote; the flags take effect with the next rendering, at once only with a
// diary open.
TEST_F(GraphCtrlTest, ChoiceBoxReadsAndWritesTheSettingsAndTheGraphFollowsItsClicks)
{
    graph.SetGraphData(10);
    Panel(); // the first picture
    CSettings::WriteProfileInt(QStringLiteral("bShowDream"), 0);
    CSettings::WriteProfileInt(QStringLiteral("bShowTemp"), 0);
    CGraphChoiceBox box;
    EXPECT_TRUE(box.IsShown(GraphSeries::Mood));
    EXPECT_FALSE(box.IsShown(GraphSeries::Dream));
    EXPECT_FALSE(box.IsShown(GraphSeries::Temperature));
    EXPECT_TRUE(box.IsShown(GraphSeries::Weight));
    // Set from code, nothing is written or announced.
    QSignalSpy changed(&box, &CGraphChoiceBox::ShowFlagsChanged);
    box.SetShown(GraphSeries::Weight, false);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(CSettings::GetProfileInt("bShowWeight", -1), -1);
    box.SetShown(GraphSeries::Weight, true);

    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    EXPECT_FALSE(box.IsShown(GraphSeries::Mood));
    EXPECT_EQ(changed.count(), 1);
    for (const IntSetting& setting : CSettings::kGraphSeries) {
        const std::string_view key = setting.key;
        const bool off = key == "bShowMood" || key == "bShowDream" || key == "bShowTemp";
        EXPECT_EQ(CSettings::GetProfileInt(setting.key, -1), off ? 0 : 1) << key;
    }
    box.ApplyTo(graph, false);
    EXPECT_EQ(graph.m_bShowMood, 0);
    EXPECT_GT(Find(Panel(), kPanel, kBlue).count, 0);
    graph.SetGraphData(10); // e.g. a diary opened
    EXPECT_EQ(Find(Panel(), kPanel, kBlue).count, 0);

    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    EXPECT_EQ(CSettings::GetProfileInt("bShowMood", -1), 1);
    QTest::mouseClick(box.Button(GraphSeries::Copulation), Qt::LeftButton);
    box.ApplyTo(graph, true);
    EXPECT_EQ(graph.m_bShowMood, 1);
    EXPECT_EQ(graph.m_bShowCopulation, 0);
    EXPECT_EQ(graph.m_bShowFatigue, 1);
    EXPECT_GT(Find(Panel(), kPanel, kBlue).count, 0);
}

// On and off must tell apart at a glance: the picture in the middle of the
// button is bright (a channel of 200 or more) only when its series is on,
// and the frame changes with it.
TEST(GraphChoiceBoxTest, SwitchesLookClearlyDifferentOnAndOff)
{
    const auto brightPixels = [](const QImage& image) {
        int count = 0;
        for (int y = image.height() / 2 - 10; y < image.height() / 2 + 10; ++y) {
            for (int x = image.width() / 2 - 14; x < image.width() / 2 + 14; ++x) {
                const QRgb pixel = image.pixel(x, y);
                count += std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 200 ? 1 : 0;
            }
        }
        return count;
    };
    CGraphChoiceBox box;
    box.show();
    for (size_t i = 0; i < CSettings::kGraphSeries.size(); ++i) {
        SCOPED_TRACE(CSettings::kGraphSeries[i].key);
        QAbstractButton* button = box.Button(static_cast<GraphSeries>(i));
        ASSERT_TRUE(button->isChecked());
        const QImage on = button->grab().toImage();
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_FALSE(button->isChecked());
        const QImage off = button->grab().toImage();
        EXPECT_GT(brightPixels(on), 0);
        EXPECT_EQ(brightPixels(off), 0);
        // The frame: its left edge, halfway down.
        EXPECT_NE(on.pixel(0, on.height() / 2), off.pixel(0, off.height() / 2));
    }
}

} // namespace
