// The "Choose graphs:" buttons: clicked as a user would, with the settings
// read back from the settings file.
#include "entry/GraphChoiceBox.h"

#include "entry/GraphCtrl.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr GraphSeries kAll[] = {GraphSeries::Mood,        GraphSeries::Fatigue,
                                GraphSeries::Shape,       GraphSeries::Dream,
                                GraphSeries::Temperature, GraphSeries::Weight,
                                GraphSeries::Menstruus,   GraphSeries::Copulation};

class GraphChoiceBoxTest : public ::testing::Test
{
protected:
    // Cleared before any member of a derived fixture reads the settings.
    GraphChoiceBoxTest()
    {
        QSettings settings(CSettings::FileName(), QSettings::IniFormat);
        for (GraphSeries series : kAll) {
            settings.remove(QStringLiteral("Settings/") + CGraphChoiceBox::SettingsKey(series));
        }
        settings.sync();
    }

    // The stored value, or -1 when the key was never written.
    static int Stored(GraphSeries series)
    {
        return CSettings::GetProfileInt(CGraphChoiceBox::SettingsKey(series), -1);
    }
};

TEST_F(GraphChoiceBoxTest, ButtonsAreNamedAndShownByDefault)
{
    CGraphChoiceBox box;
    EXPECT_EQ(box.title(), "Choose graphs:");
    for (GraphSeries series : kAll) {
        QAbstractButton* button = box.Button(series);
        EXPECT_EQ(button->accessibleName(), CGraphChoiceBox::Caption(series));
        EXPECT_EQ(button->toolTip(), CGraphChoiceBox::Caption(series));
        EXPECT_TRUE(box.IsShown(series));
    }
    EXPECT_EQ(CGraphChoiceBox::Caption(GraphSeries::Copulation), "Copulation");
    // The key names differ from the captions for temperature.
    EXPECT_EQ(CGraphChoiceBox::SettingsKey(GraphSeries::Temperature), "bShowTemp");
    EXPECT_EQ(CGraphChoiceBox::SettingsKey(GraphSeries::Menstruus), "bShowMenstruus");
}

TEST_F(GraphChoiceBoxTest, ClickWritesAllEightAndSurvivesARestart)
{
    CSettings::WriteProfileInt(QStringLiteral("bShowDream"), 0);
    {
        CGraphChoiceBox box;
        EXPECT_FALSE(box.IsShown(GraphSeries::Dream));
        QSignalSpy changed(&box, &CGraphChoiceBox::ShowFlagsChanged);
        QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
        EXPECT_FALSE(box.IsShown(GraphSeries::Mood));
        EXPECT_EQ(changed.count(), 1);
        for (GraphSeries series : kAll) {
            const bool off = series == GraphSeries::Mood || series == GraphSeries::Dream;
            EXPECT_EQ(Stored(series), off ? 0 : 1)
                << CGraphChoiceBox::Caption(series).toStdString();
        }
    }
    CGraphChoiceBox restarted;
    EXPECT_FALSE(restarted.IsShown(GraphSeries::Mood));
    EXPECT_FALSE(restarted.IsShown(GraphSeries::Dream));
    EXPECT_TRUE(restarted.IsShown(GraphSeries::Copulation));

    QTest::mouseClick(restarted.Button(GraphSeries::Mood), Qt::LeftButton);
    EXPECT_EQ(Stored(GraphSeries::Mood), 1);
}

TEST_F(GraphChoiceBoxTest, SettingFromCodeWritesNothing)
{
    CGraphChoiceBox box;
    QSignalSpy changed(&box, &CGraphChoiceBox::ShowFlagsChanged);
    box.SetShown(GraphSeries::Weight, false);
    EXPECT_FALSE(box.IsShown(GraphSeries::Weight));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(Stored(GraphSeries::Weight), -1);
}

class GraphChoiceApplyTest : public GraphChoiceBoxTest
{
protected:
    void SetUp() override
    {
        graph.resize(300, 150 + graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
        graph.SetGraphData(10);
        graph.grab(); // the first picture
        ASSERT_EQ(graph.m_bDirty, 0);
    }

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
    CGraphChoiceBox box;
};

TEST_F(GraphChoiceApplyTest, WithADiaryOpenTheGraphRendersAgain)
{
    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    QTest::mouseClick(box.Button(GraphSeries::Copulation), Qt::LeftButton);
    box.ApplyTo(graph, true);
    EXPECT_EQ(graph.m_bShowMood, 0);
    EXPECT_EQ(graph.m_bShowCopulation, 0);
    EXPECT_EQ(graph.m_bShowFatigue, 1);
    EXPECT_EQ(BluePixels(), 0);
}

TEST_F(GraphChoiceApplyTest, WithoutADiaryTheGraphIsLeftAsItIs)
{
    QTest::mouseClick(box.Button(GraphSeries::Mood), Qt::LeftButton);
    box.ApplyTo(graph, false);
    EXPECT_EQ(graph.m_bShowMood, 0);
    EXPECT_EQ(graph.m_bDirty, 0);
    EXPECT_GT(BluePixels(), 0);
    // The flag takes effect with the next rendering, e.g. after a diary is opened.
    graph.SetGraphData(10);
    EXPECT_EQ(BluePixels(), 0);
}

} // namespace
