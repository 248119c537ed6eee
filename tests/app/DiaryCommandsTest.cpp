// Editing the entry on view from the main window, and the "on this day"
// lines under the reminder summary.

#include "MainWindowFixture.h"
#include "stats/OnThisDayView.h"

namespace {

// Answers the editor: the text replaced by `text`, saved.
void EditTextTo(QDialog& dialog, const QString& text)
{
    auto& editor = dynamic_cast<CNewEntryDlg&>(dialog);
    EXPECT_EQ(editor.windowTitle(), "Edit Entry - Dayloom v2.21");
    editor.findChild<CEntryRichEdit*>()->setPlainText(text);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
}

} // namespace

TEST_F(MainWindowTest, EditOpensTheEntryOnViewByMenuKeyEnterAndDoubleClick)
{
    CDayloomDlg& window = OpenSample();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QListView* list = window.EntryList();
    list->setCurrentIndex(list->model()->index(1, 0));
    list->setFocus();

    // Ctrl+E, Enter on the list and a double-click on a line each open the
    // editor on the entry on view; the saved text replaces it in place.
    int opened = 0;
    for (int way = 0; way < 3; ++way) {
        CModal::PushHandler([&](QDialog& dialog) {
            ++opened;
            EditTextTo(dialog, QStringLiteral("Edited %1.").arg(way));
        });
        if (way == 0) {
            QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        } else if (way == 1) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            const QRect line = list->visualRect(list->model()->index(1, 0));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        }
        ASSERT_EQ(opened, way + 1);
        EXPECT_EQ(RowCount(window), 4);
        EXPECT_EQ(SelectedRow(window), 1);
        EXPECT_EQ(window.EntryView()->toPlainText().trimmed(),
                  QStringLiteral("Edited %1.").arg(way));
    }
    std::vector<EntryHeader> stored;
    ASSERT_TRUE(window.Session()->MakeStore()->ReadAllEntryHeaders(stored));
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[1].time, LocalTime(2026, 12, 6, 10)) << "the entry kept its place";
}

TEST_F(MainWindowTest, OnThisDayListsEarlierYearsAndShowsTheEntryClicked)
{
    const QString path = PathOf(QStringLiteral("years.ilm"));
    WriteDiary(path,
               {{LocalTime(2024, 12, 10, 20), Rtf("Two years back: snow.")},
                {LocalTime(2025, 12, 10, 8), Rtf("One year back: fog over the lake.")},
                {LocalTime(2025, 12, 11, 8), Rtf("Not this day.")},
                {LocalTime(2026, 12, 9, 8), Rtf("Yesterday.")}},
               "Secret1");
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    auto* lines = window.findChild<COnThisDayView*>(QStringLiteral("OnThisDay"));
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->count(), 2);
    EXPECT_TRUE(lines->item(0)->text().startsWith(QStringLiteral("1 year ago: One year back")));
    EXPECT_TRUE(lines->item(1)->text().startsWith(QStringLiteral("2 years ago: Two years back")));

    emit lines->EntryRequested(0);
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText().trimmed(), QStringLiteral("Two years back: snow."));

    // Switched off in Options: the lines go at the next rebuild.
    CSettings::WriteProfileInt(QStringLiteral("bShowOnThisDay"), 0);
    CModal::PushHandler([](QDialog& dialog) { dialog.accept(); });
    window.OnOptions();
    EXPECT_EQ(lines->count(), 0);
}
