// The Statistics window driven as a user drives it: rendered colours, figures,
// keys and clicks on the days, and "Save picture...".

#include "stats/StatisticsDlg.h"

#include "platform/FileDialogs.h"
#include "stats/WordCounter.h"
#include "stats/YearGridView.h"
#include "store/FileFaults.h"
#include "tests/stats/StatsTestSupport.h"
#include "tests/support/Contrast.h"

#include <QChartView>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>

namespace {

class StatisticsDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PinTimeZone("Europe/Berlin");
        ASSERT_TRUE(m_folder.isValid());
        m_path = m_folder.filePath("moods.ilm");
        // 2024: one day per mood value in January (moods -3..+3 on the 1st to
        // the 7th), two entries on 10 January, and a run up to today.
        std::vector<EntryValues> entries;
        for (int mood = -3; mood <= 3; ++mood) {
            entries.push_back({LocalTime(2024, 1, mood + 4, 20), Rtf("one two"), mood});
        }
        entries.push_back({LocalTime(2024, 1, 10, 8), Rtf("#Walk"), -2, -2, -3, -2});
        entries.push_back({LocalTime(2024, 1, 10, 23, 59), Rtf("late #walk words #rain"), 2});
        entries.push_back({LocalTime(2023, 6, 1, 12), Rtf("a b c d e f g h i j"), 1});
        for (int day = 20; day <= 22; ++day) {
            // A picture is no word.
            entries.push_back(
                {LocalTime(2024, 3, day, 0, 1), Rtf("x {\\pict\\wmetafile8 0102}"), 0});
        }
        WriteDiary(m_path, entries, "secret");
        m_session = std::make_unique<CDiarySession>(NameOf(m_path));
    }

    std::unique_ptr<CStatisticsDlg> Open(int64_t now = LocalTime(2024, 3, 22, 18))
    {
        auto dialog = std::make_unique<CStatisticsDlg>(*m_session, now);
        dialog->show();
        return dialog;
    }

    static QString Text(QWidget& dialog, const char* name)
    {
        auto* label = dialog.findChild<QLabel*>(name);
        return label ? label->text() : QString();
    }

    QTemporaryDir m_folder;
    QString m_path;
    std::unique_ptr<CDiarySession> m_session;
};

TEST_F(StatisticsDlgTest, RenderedYearShowsEachMoodColourAndFramesFullAndBlankDays)
{
    auto dialog = Open();
    ASSERT_EQ(dialog->Year(), 2024);
    CYearGridView& grid = *dialog->Grid();
    QImage picture(grid.size(), QImage::Format_RGB32);
    grid.render(&picture);
    // Seven mood colours, each its own and none the blank day's.
    QList<QRgb> seen{picture.pixelColor(grid.CellRect(1, 8).center()).rgb()};
    EXPECT_EQ(seen[0], CYearGridView::BlankColor().rgb());
    for (int mood = -3; mood <= 3; ++mood) {
        const QColor shown = picture.pixelColor(grid.CellRect(1, mood + 4).center());
        EXPECT_EQ(shown, CYearGridView::RatingColor(mood)) << mood;
        EXPECT_FALSE(seen.contains(shown.rgb())) << mood;
        seen.append(shown.rgb());
    }
    // Every day framed at 3:1: a day with an entry filled up to the frame, one
    // without framed smaller, its cell's edge left to the background.
    const QColor background = grid.palette().window().color();
    EXPECT_GE(contrast::Ratio(CYearGridView::CellOutline(), background), 3.0);
    const QRect neutral = grid.CellRect(1, 4);
    const QRect empty = grid.CellRect(1, 8);
    EXPECT_EQ(picture.pixelColor(neutral.topLeft()), CYearGridView::CellOutline());
    EXPECT_EQ(picture.pixelColor(neutral.topLeft() + QPoint(1, 1)), CYearGridView::RatingColor(0));
    EXPECT_EQ(picture.pixelColor(empty.topLeft()), background);
    EXPECT_EQ(picture.pixelColor(empty.topLeft() + QPoint(2, 2)), CYearGridView::CellOutline());
    // The latest of two entries colours the day.
    EXPECT_EQ(picture.pixelColor(grid.CellRect(1, 10).center()), CYearGridView::RatingColor(2));

    // Fatigue of the same year: 10 January's latest entry says 0.
    dialog->findChild<QComboBox*>("scale")->setCurrentIndex(1);
    grid.render(&picture);
    EXPECT_EQ(picture.pixelColor(grid.CellRect(1, 10).center()), CYearGridView::RatingColor(0));
}

TEST_F(StatisticsDlgTest, FiguresCoverTheWholeDiaryAndTheLatestYearWithEntriesOpens)
{
    auto dialog = Open();
    EXPECT_EQ(Text(*dialog, "entries"), QStringLiteral("Entries: 13"));
    EXPECT_EQ(Text(*dialog, "days"), QStringLiteral("Days with an entry: 12 of 296"));
    EXPECT_EQ(Text(*dialog, "longestStreak"), QStringLiteral("Longest streak: 7 days"));
    EXPECT_EQ(Text(*dialog, "currentStreak"), QStringLiteral("Current streak: 3 days"));
    QStringList shares;
    for (QLabel* label : dialog->findChildren<QLabel*>("moodShare")) {
        shares << label->text();
    }
    EXPECT_EQ(shares, (QStringList{"Excellent: 8%", "Very Good: 15%", "Good: 15%", "Neutral: 31%",
                                   "Not Good: 8%", "Sad: 15%", "Depressed: 8%"}));

    // 7 x 2 + 1 + 4 + 10 + 3 x 1 words in 13 entries.
    QSignalSpy done(dialog->findChild<CWordCounter*>(), &CWordCounter::Finished);
    if (Text(*dialog, "averageWords").endsWith("counting...")) {
        ASSERT_TRUE(done.wait(10000));
    }
    EXPECT_EQ(Text(*dialog, "averageWords"), QStringLiteral("Average words per entry: 2"));
    EXPECT_EQ(Text(*dialog, "topTags"), QStringLiteral("Most used tags: #Walk (2), #rain (1)"));

    // Another year changes the grid, not the figures.
    QTest::keyClick(dialog->Grid(), Qt::Key_PageUp);
    EXPECT_EQ(dialog->Year(), 2023);
    EXPECT_EQ(Text(*dialog, "entries"), QStringLiteral("Entries: 13"));

    // A year without entries opens on the latest year that has them.
    dialog = Open(LocalTime(2026, 2, 10, 9));
    EXPECT_EQ(dialog->Year(), 2024);
    EXPECT_EQ(dialog->Grid()->Cursor(), (CivilDate{2024, 3, 22})); // the last entry's day
    auto* years = dialog->findChild<QComboBox*>("year");
    EXPECT_EQ(years->itemText(years->count() - 1), "2026") << "this year can still be chosen";
}

TEST_F(StatisticsDlgTest, DaysAskForTheirEntriesByKeyAndClick)
{
    auto dialog = Open();
    CYearGridView* grid = dialog->Grid();
    std::vector<int> shown;
    std::vector<bool> readable;
    QObject::connect(dialog.get(), &CStatisticsDlg::ShowEntryRequested, [&](int entry) {
        shown.push_back(entry);
        // The main window reads the entry now: the word count must have let go.
        readable.push_back(m_session->MakeStore(uint32_t(entry))->ReadEntry());
    });

    grid->setFocus();
    EXPECT_EQ(grid->Cursor(), (CivilDate{2024, 3, 22})); // today
    // Today's entry asked, then 19 March's (no entry: nothing asked), then on to 20 January.
    for (Qt::Key key : {Qt::Key_Enter, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Return,
                        Qt::Key_Up, Qt::Key_Up, Qt::Key_Right}) {
        QTest::keyClick(grid, key);
    }
    EXPECT_EQ(grid->Cursor(), (CivilDate{2024, 1, 20}));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 10).center());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(1, 8).center());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 30).center()); // no such day
    EXPECT_EQ(grid->Cursor(), (CivilDate{2024, 1, 8}));
    EXPECT_EQ(shown, (std::vector<int>{12, 9}));
    EXPECT_EQ(readable, (std::vector<bool>{true, true}));

    // Resting the mouse on a day tells its date and labels.
    auto hover = [grid](int month, int day) {
        const QPoint at = grid->CellRect(month, day).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->mapToGlobal(at));
        QApplication::sendEvent(grid, &help);
        return QToolTip::text();
    };
    EXPECT_EQ(hover(1, 10), "January 10, 2024\nMood: Very Good\nFatigue: Normal\nShape: "
                            "Healthy\nDream: Neutral\n(2 entries: the latest shown)");
    EXPECT_EQ(hover(1, 8), "January 8, 2024\nNo entry");

    QTest::keyClick(grid, Qt::Key_PageDown); // no later year than this one
    EXPECT_EQ(dialog->Year(), 2024);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

// The writing itself (mode, failures, leftovers) is the one file writer's.
TEST_F(StatisticsDlgTest, SavePictureWritesThePageOnViewAndAFailureIsSaidOnce)
{
    auto dialog = Open();
    const QString year = m_folder.filePath("year");
    const QString chart = m_folder.filePath("chart.png");
    CFileDialogs::PushPicture(year);
    dialog->OnSavePicture();
    dialog->Pages()->setCurrentIndex(1);
    CFileDialogs::PushPicture(chart);
    dialog->OnSavePicture();
    CFileDialogs::PushPicture(std::nullopt); // cancelled
    dialog->OnSavePicture();

    QImage saved(year + ".png");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), dialog->Grid()->sizeHint());
    EXPECT_EQ(saved.pixelColor(dialog->Grid()->CellRect(1, 7).center()),
              CYearGridView::RatingColor(3));
    EXPECT_EQ(QImage(chart).size(), dialog->ChartView()->size());
    EXPECT_TRUE(CMessageBox::History().empty());

    CFileFaults::Install(
        [](FileOp op, const std::string&) { return op == FileOp::Rename ? EACCES : 0; });
    CFileDialogs::PushPicture(chart);
    dialog->OnSavePicture();
    CFileFaults::Install({});
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text, "Access to " + chart + " was denied.");
}

} // namespace
