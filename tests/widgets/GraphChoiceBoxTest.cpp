// The "Choose graphs:" buttons: clicked as a user would, with the settings
// read back from the settings file.
#include "widgets/GraphChoiceBox.h"

#include "widgets/GraphCtrl.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The keys settings files of earlier versions already hold.
const std::pair<GraphSeries, const char*> kKeys[] = {
    {GraphSeries::Mood, "bShowMood"},           {GraphSeries::Fatigue, "bShowFatigue"},
    {GraphSeries::Shape, "bShowShape"},         {GraphSeries::Dream, "bShowDream"},
    {GraphSeries::Temperature, "bShowTemp"},    {GraphSeries::Weight, "bShowWeight"},
    {GraphSeries::Menstruus, "bShowMenstruus"}, {GraphSeries::Copulation, "bShowCopulation"},
};

class GraphChoiceBoxTest : public ::testing::Test
{
protected:
    // Every test starts from an empty settings file.
    GraphChoiceBoxTest() { QSettings(CSettings::FileName(), QSettings::IniFormat).clear(); }

    int BluePixels()
    {
        const QImage image = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = 0; y < graph.ClientHeight(); ++y) {
            for (int x = 0; x < graph.ClientWidth(); ++x) {
                count += (image.pixel(x, y) & 0xffffff) == 0x0000ff ? 1 : 0;
            }
        }
        return count;
    }

    CGraphCtrl graph;
};

TEST_F(GraphChoiceBoxTest, ClickWritesAllEightAndSurvivesARestart)
{
    CSettings::WriteProfileInt(QStringLiteral("bShowDream"), 0);
    {
        CGraphChoiceBox box;
        EXPECT_TRUE(box.IsShown(GraphSeries::Mood));
        EXPECT_FALSE(box.IsShown(GraphSeries::Dream));
        // Set from code, nothing is written or announced.
        QSignalSpy changed(&box, &CGraphChoiceBox::ShowFlagsChanged);
        box.SetShown(GraphSeries::Weight, false);
        EXPECT_EQ(changed.count(), 0);
        EXPECT_EQ(CSettings::GetProfileInt("bShowWeight", -1), -1);
        box.SetShown(GraphSeries::Weight, true);

        QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
        EXPECT_FALSE(box.IsShown(GraphSeries::Mood));
        EXPECT_EQ(changed.count(), 1);
        for (const auto& [series, key] : kKeys) {
            const bool off = series == GraphSeries::Mood || series == GraphSeries::Dream;
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

TEST_F(GraphChoiceBoxTest, TheGraphRendersAgainOnlyWithADiaryOpen)
{
    graph.resize(300, 150 + graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    graph.SetGraphData(10);
    graph.grab(); // the first picture
    CGraphChoiceBox box;

    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    box.ApplyTo(graph, false);
    EXPECT_EQ(graph.m_bShowMood, 0);
    EXPECT_EQ(graph.m_bDirty, 0);
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

} // namespace
