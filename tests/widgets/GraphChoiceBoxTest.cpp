// The "Choose graphs:" buttons: clicked as a user would, with the settings
// read back from the settings file.
#include "widgets/GraphChoiceBox.h"

#include "platform/Settings.h"
#include "widgets/GraphCtrl.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Each series with its settings key.
std::vector<std::pair<GraphSeries, const char*>> Keys()
{
    std::vector<std::pair<GraphSeries, const char*>> keys;
    for (size_t i = 0; i < CSettings::kGraphSeries.size(); ++i) {
        keys.emplace_back(static_cast<GraphSeries>(i), CSettings::kGraphSeries[i].key);
    }
    return keys;
}

// The pixels of an area with a channel of 200 or more: the series' own
// colours in the graph and in the switches' pictures.
int BrightPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}) >= 200 ? 1 : 0;
        }
    }
    return count;
}

QImage Look(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(GraphChoiceBoxTest, ClickWritesAllEightAndSurvivesARestart)
{
    CSettings::WriteProfileInt(QStringLiteral("bShowDream"), 0);
    CSettings::WriteProfileInt(QStringLiteral("bShowTemp"), 0);
    {
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
        for (const auto& [series, key] : Keys()) {
            const bool off = series == GraphSeries::Mood || series == GraphSeries::Dream ||
                             series == GraphSeries::Temperature;
            EXPECT_EQ(CSettings::GetProfileInt(key, -1), off ? 0 : 1) << key;
        }
    }
    CGraphChoiceBox restarted;
    EXPECT_FALSE(restarted.IsShown(GraphSeries::Mood));
    EXPECT_FALSE(restarted.IsShown(GraphSeries::Dream));
    EXPECT_TRUE(restarted.IsShown(GraphSeries::Copulation));
    QTest::mouseClick(restarted.Button(GraphSeries::Mood), Qt::LeftButton);
    EXPECT_EQ(CSettings::GetProfileInt("bShowMood", -1), 1);
}

TEST(GraphChoiceBoxTest, TheGraphRendersAgainOnlyWithADiaryOpen)
{
    CGraphCtrl graph;
    graph.resize(300, 150 + graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const QRect client(0, 0, graph.ClientWidth(), graph.ClientHeight());
    const auto BluePixels = [&] {
        const QImage image = Look(graph).copy(client);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count_if(pixels, pixels + image.width() * image.height(),
                             [](QRgb pixel) { return (pixel & 0xffffff) == 0x4080ff; });
    };
    graph.SetGraphData(10);
    graph.grab(); // the first picture
    CGraphChoiceBox box;

    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    box.ApplyTo(graph, false);
    EXPECT_EQ(graph.m_bShowMood, 0);
    EXPECT_GT(BluePixels(), 0);
    // The flag takes effect with the next rendering, e.g. after a diary is opened.
    graph.SetGraphData(10);
    EXPECT_EQ(BluePixels(), 0);

    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    QTest::mouseClick(box.Button(GraphSeries::Copulation), Qt::LeftButton);
    box.ApplyTo(graph, true);
    EXPECT_EQ(graph.m_bShowMood, 1);
    EXPECT_EQ(graph.m_bShowCopulation, 0);
    EXPECT_EQ(graph.m_bShowFatigue, 1);
    EXPECT_GT(BluePixels(), 0);
}

// On and off must tell apart at a glance: the picture is bright only when its
// series is on, and the frame changes with it.
TEST(GraphChoiceBoxTest, SwitchesLookClearlyDifferentOnAndOff)
{
    CGraphChoiceBox box;
    box.show();
    for (const auto& [series, key] : Keys()) {
        SCOPED_TRACE(key);
        QAbstractButton* button = box.Button(series);
        // The picture sits in the middle of the button.
        const auto brightPixels = [](const QImage& image) {
            return BrightPixels(image,
                                QRect(image.width() / 2 - 14, image.height() / 2 - 10, 28, 20));
        };
        ASSERT_TRUE(button->isChecked());
        const QImage on = Look(*button);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_FALSE(button->isChecked());
        const QImage off = Look(*button);
        EXPECT_GT(brightPixels(on), 0);
        EXPECT_EQ(brightPixels(off), 0);
        // The frame: its left edge, halfway down.
        EXPECT_NE(on.pixel(0, on.height() / 2), off.pixel(0, off.height() / 2));
    }
}

} // namespace
