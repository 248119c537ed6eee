// Editing the entry on view from the main window, and the "on this day"
// lines under the reminder summary.
#include "MainWindowFixture.h"
#include "stats/OnThisDayView.h"

TEST_F(MainWindowTest, EditByMenuKeyEnterAndDoubleClickReplacesTheEntryAndNewAddsOne)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    QListView* list = window.EntryList();
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();

    // Ctrl+E, Enter on the list and a double-click on a line each open the
    // editor on the entry on view; the saved text replaces it in place.
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier); },
        [&] {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        },
        [&] {
            const QRect line = list->visualRect(list->model()->index(1, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        }};
    for (int way = 0; way < 3; ++way) {
        const QString text = QStringLiteral("Edited %1.").arg(way);
        CModal::PushHandler([text](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Edit Entry - Dayloom v2.21");
            SaveEditorWith(dialog, text);
        });
        ways[way]();
        ASSERT_EQ(CModal::Pending(), 0) << way;
        EXPECT_EQ(RowCount(window), 4);
        EXPECT_EQ(SelectedRow(window), 1);
        EXPECT_EQ(ViewText(window), text);
    }
    std::vector<EntryHeader> stored;
    ASSERT_TRUE(window.Session()->MakeStore()->ReadAllEntryHeaders(stored));
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].time, LocalTime(2026, 12, 6, 10)) << "the entry kept its place";

    // A new entry saved refills the list and shows it.
    std::string handedPassword;
    CModal::PushHandler([&](QDialog& dialog) {
        handedPassword = window.Session()->Password();
        SaveEditorWith(dialog, "Written today.");
    });
    window.OnNewEntry();
    EXPECT_EQ(handedPassword, "Secret1");
    ASSERT_EQ(RowCount(window), 5);
    EXPECT_EQ(SelectedRow(window), 4);
    EXPECT_EQ(ViewText(window), "Written today.");
    EXPECT_EQ(window.Graph()->m_nCount, 5);
}

TEST_F(MainWindowTest, OnThisDayListsEarlierYearsAndShowsTheEntryClicked)
{
    CDayloomDlg& window =
        OpenDiary("years.ilm", {{LocalTime(2024, 12, 10, 20), Rtf("Two years back: snow.")},
                                {LocalTime(2025, 12, 10, 8), Rtf("One year back: fog.")},
                                {LocalTime(2025, 12, 11, 8), Rtf("Not this day.")},
                                {LocalTime(2026, 12, 9, 8), Rtf("Yesterday.")}});
    auto* lines = window.findChild<COnThisDayView*>("OnThisDay");
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->count(), 2);
    EXPECT_TRUE(lines->item(0)->text().startsWith("1 year ago: One year back"));
    EXPECT_TRUE(lines->item(1)->text().startsWith("2 years ago: Two years back"));

    emit lines->EntryRequested(0);
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(ViewText(window), "Two years back: snow.");

    // Switched off in Options: the lines go at the next rebuild.
    CSettings::WriteProfileInt("bShowOnThisDay", 0);
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); });
    window.OnOptions();
    EXPECT_EQ(lines->count(), 0);
}
