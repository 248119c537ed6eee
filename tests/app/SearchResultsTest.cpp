// Search mode's results list, driven as a user drives it: Ctrl+F, typing,
// the filters, clicks and Esc; and the list kept true to the diary while it
// is being changed.
#include "MainWindowFixture.h"
#include "app/SearchResultModel.h"

#include <QDateEdit>
#include <QSpinBox>

class SearchResultsTest : public MainWindowTest
{
protected:
    QLineEdit* SearchField() { return Part<QLineEdit>(Window(), "searchText"); }
    QString Heading() { return Part<QLabel>(Window(), "searchHeading")->text(); }

    // Types (after clearing the field, if asked) and waits until the results
    // have come back from their thread.
    bool TypeAndWaitFor(const QString& text, const QString& heading, bool clear = false)
    {
        if (clear) {
            SearchField()->clear();
        }
        QTest::keyClicks(SearchField(), text);
        return QTest::qWaitFor([&] { return Heading() == heading; }, 5000);
    }

    QString Snippet(int row)
    {
        const QModelIndex index = Entries(Window())->index(row, 0);
        return index.data(CSearchResultModel::SnippetRole)
            .toString()
            .mid(index.data(CSearchResultModel::SnippetMatchAtRole).toInt(),
                 index.data(CSearchResultModel::SnippetMatchLengthRole).toInt());
    }
    // The days of December listed, as "06 08" (the lines' own format is
    // checked with the whole diary).
    QString Days()
    {
        QStringList days;
        for (int row = 0; row < RowCount(Window()); ++row) {
            days << RowLine(Window(), row).left(2);
        }
        return days.join(QLatin1Char(' '));
    }
};

TEST_F(SearchResultsTest, TypingListsTheMatchesAndEscRestoresTheDiary)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    ClickLine(window, 1);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window.IsSearching());
    EXPECT_EQ(window.focusWidget(), SearchField());
    // Nothing typed: every entry, the one on view still selected.
    EXPECT_EQ(Heading(), "4 entries found");
    EXPECT_EQ(SelectedRow(window), 1);

    ASSERT_TRUE(TypeAndWaitFor("RAIN", "2 entries found"));
    EXPECT_EQ(Days(), "06 08");
    EXPECT_EQ(Snippet(0), "Rain");
    EXPECT_EQ(Snippet(1), "rain");
    EXPECT_EQ(SelectedRow(window), 0) << "the entry on view is listed: it stays selected";
    // Down and Enter on the list show a result, at its first match; Enter
    // opens no editor here.
    window.EntryList()->setFocus();
    QTest::keyClick(window.EntryList(), Qt::Key_Down);
    window.EntryView()->moveCursor(QTextCursor::End);
    QTest::keyClick(window.EntryList(), Qt::Key_Return);
    EXPECT_EQ(ViewText(window), "More rain in the evening.");
    EXPECT_EQ(Mark(window), "rain@5");

    ASSERT_TRUE(TypeAndWaitFor(" in", "1 entry found"));
    ASSERT_TRUE(TypeAndWaitFor("x", "No entry found"));

    // A click on a result shows its entry with the match marked.
    ASSERT_TRUE(TypeAndWaitFor("quiet", "1 entry found", true));
    ClickLine(window, 0);
    EXPECT_EQ(ViewText(window), "A quiet day at home.");
    EXPECT_EQ(Mark(window), "quiet@2");

    // Esc in the field: the whole diary, the same entry selected.
    SearchField()->setFocus();
    QTest::keyClick(SearchField(), Qt::Key_Escape);
    EXPECT_FALSE(window.IsSearching());
    EXPECT_FALSE(Part<QLabel>(window, "searchHeading")->isVisible());
    EXPECT_EQ(State(window), "4 @2: A quiet day at home.");
}

TEST_F(SearchResultsTest, DateAndMoodFiltersIncludeTheirEnds)
{
    CDayloomDlg& window = OpenSample();
    window.OnFind();
    ASSERT_TRUE(TypeAndWaitFor("", "4 entries found"));
    // 6 December 10:00 to 7 December 11:30 in a range of those two days.
    Part<QCheckBox>(window, "searchDates")->click();
    Part<QDateEdit>(window, "From day")->setDate(QDate(2026, 12, 6));
    Part<QDateEdit>(window, "To day")->setDate(QDate(2026, 12, 7));
    ASSERT_TRUE(TypeAndWaitFor("", "2 entries found"));
    EXPECT_EQ(Days(), "06 07");

    // Their moods are 1 and 2; a range of 2 to 2 keeps one.
    Part<QCheckBox>(window, "searchMoods")->click();
    Part<QSpinBox>(window, "Lowest mood")->setValue(2);
    Part<QSpinBox>(window, "Highest mood")->setValue(2);
    ASSERT_TRUE(TypeAndWaitFor("", "1 entry found"));
    EXPECT_EQ(Days(), "07");

    // Combined with the text; the range widened and the days let go.
    ASSERT_TRUE(TypeAndWaitFor("rain", "No entry found"));
    Part<QSpinBox>(window, "Highest mood")->setValue(3);
    Part<QCheckBox>(window, "searchDates")->click();
    ASSERT_TRUE(TypeAndWaitFor("", "1 entry found"));
    EXPECT_EQ(Days(), "08");
}

TEST_F(SearchResultsTest, TheResultsFollowAnEditAndADeletion)
{
    CDayloomDlg& window = OpenSample();
    window.OnFind();
    ASSERT_TRUE(TypeAndWaitFor("day", "2 entries found"));

    // The first result edited so that it no longer matches.
    ClickLine(window, 0);
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Dry evening."); });
    window.OnEditEntry();
    EXPECT_EQ(Heading(), "1 entry found");
    EXPECT_EQ(Days(), "07");

    // The remaining result deleted: the entries after it move up a place.
    ClickLine(window, 0);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    EXPECT_EQ(Heading(), "No entry found");
    ASSERT_TRUE(TypeAndWaitFor("evening", "2 entries found", true));
    EXPECT_EQ(Days(), "06 08");
    ClickLine(window, 1);
    EXPECT_EQ(ViewText(window), "More rain in the evening.");
}

TEST_F(SearchResultsTest, WindowShortcutsWorkFromTheSearchFieldWhichKeepsItsEditingKeys)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    ClickLine(window, 1);
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(window.focusWidget(), SearchField());
    // Ctrl+E (which a line edit takes as End) edits the selected entry.
    QString editor;
    CModal::PushHandler([&editor](QDialog& dialog) {
        editor = dialog.windowTitle();
        dialog.reject();
    });
    QTest::keyClick(SearchField(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(editor, "Edit Entry - Dayloom v2.21");
    // Ctrl+A, Backspace and Delete (on the list: delete the entry) still
    // edit the field.
    SearchField()->setFocus();
    QTest::keyClicks(SearchField(), "rain");
    QTest::keyClick(SearchField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(SearchField(), Qt::Key_Backspace);
    EXPECT_EQ(SearchField()->text(), "");
    CMessageBox::ClearHistory();
    QTest::keyClicks(SearchField(), "Rain");
    SearchField()->setCursorPosition(0);
    QTest::keyClick(SearchField(), Qt::Key_Delete);
    EXPECT_EQ(SearchField()->text(), "ain");
    EXPECT_TRUE(CMessageBox::History().empty());
}
