// Moving through the entries, deleting them, and search mode: its results
// list and filters, driven as a user drives them (the buttons, Ctrl+F,
// typing, clicks and Esc), kept true to the diary while it is changed.
#include "MainWindowFixture.h"
#include "app/SearchResultModel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>
#include <QTextCursor>

namespace {
const QString kNoMore = QStringLiteral("There are no more entries in this diary!");
const QString kDelete = QStringLiteral("Delete Entry - Dayloom v2.21 | ");
} // namespace

class NavigationTest : public MainWindowTest
{
protected:
    QLineEdit* SearchField() { return Part<QLineEdit>(Window(), "searchText"); }
    QString Heading() { return Part<QLabel>(Window(), "searchHeading")->text(); }
    void Search(const QString& text)
    {
        if (!Window().IsSearching()) {
            Click("Search");
        }
        SearchField()->clear();
        QTest::keyClicks(SearchField(), text);
    }
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
    // The days of December listed, as "06 08".
    QString Days()
    {
        QStringList days;
        for (int row = 0; row < RowCount(Window()); ++row) {
            days << RowLine(Window(), row).left(2);
        }
        return days.join(QLatin1Char(' '));
    }
};

// Next, Previous and Delete without a selection, Delete answered No and Yes,
// and the only entry deleted.
TEST_F(NavigationTest, WithAndWithoutASelectionTheButtonsMoveAndDeleteAsks)
{
    const QString path = PathOf("travel.ilm");
    CDayloomDlg& window = OpenSample();
    window.EntryList()->clearSelection();
    window.OnNext();
    EXPECT_EQ(SelectedRow(window), 0);
    window.EntryList()->clearSelection();
    window.OnDeleteEntry();
    EXPECT_EQ(Shown(),
              QStringList{kDelete + "You must have an entry selected in order to delete it!"});
    window.OnPrevious();
    EXPECT_EQ(State(window), "4 @0: Sunny and dry.");
    // The marks ignore clicks, where they are in the window and straight on them.
    for (const char* name : {"Copulation", "Menstruus"}) {
        auto* mark = Part<QCheckBox>(window, name);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          mark->mapTo(&window, QPoint(8, mark->height() / 2)));
        QTest::mouseClick(mark, Qt::LeftButton);
    }
    EXPECT_TRUE(Panel(window).endsWith("|C|-"));

    // Answered No: nothing is deleted and the entry stays on view.
    CMessageBox::ClearHistory();
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    Click("Delete");
    EXPECT_EQ(Shown(),
              QStringList{kDelete + "Delete current entry (Sat, 05 Dec 2026 at 09:05:07)?"});
    EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::YesNo);
    EXPECT_EQ(EntryCountOnDisk(path), 4);
    EXPECT_EQ(State(window), "4 @0: Sunny and dry.");
    // Yes on a middle entry.
    Click("Go to next");
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    EXPECT_EQ(EntryCountOnDisk(path), 3);
    EXPECT_EQ(State(window), "3 @2: More rain in the evening.");
    EXPECT_EQ(RowLine(window, 1), "07 - Dec\t - 2026, Mon,\t at 11:30:00");
    EXPECT_EQ(window.Graph()->m_nCount, 3);
    EXPECT_EQ(window.Graph()->m_pMood[1], 2);

    // A load shows the diary's last entry even when it is the only one;
    // temperatures round ties to even, as the one-decimal format does.
    OpenDiary("one.ilm", {{LocalTime(2026, 12, 1, 8), Rtf("Only one."), 2, 0, 0, 0, 0, 0, 36.25f}});
    EXPECT_EQ(State(window), "1 @0: Only one.");
    EXPECT_EQ(FieldText(window, "temperatureField"), "36.2");
    window.EntryList()->clearSelection();
    window.OnLast();
    EXPECT_EQ(SelectedRow(window), -1);
    window.OnFirst();
    EXPECT_EQ(SelectedRow(window), 0);

    // Deleting the only entry makes the diary new again.
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    window.OnDeleteEntry();
    EXPECT_EQ(State(window), "0 @-1: " + CEntryPanel::EmptyDiaryText());
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_EQ(window.Graph()->m_nCount, 0);
    EXPECT_TRUE(FieldText(window, "moodField").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(PathOf("one.ilm")));
}

TEST_F(NavigationTest, SearchWalksFromMatchToMatchThenFromResultToResult)
{
    CDayloomDlg& window = OpenSample();
    Click("Go to first");
    Search("rain");
    EXPECT_TRUE(window.IsSearching());
    EXPECT_TRUE(window.EntryList()->isEnabled());

    // Enter in the search field looks forward, as Next does, at once: the
    // first result (the entry on view did not match), its first match.
    QTest::keyClick(SearchField(), Qt::Key_Return);
    EXPECT_EQ(State(window), "2 @0: Rain all day, Rain.");
    EXPECT_EQ(Mark(window), "Rain@0");
    EXPECT_EQ(window.focusWidget(), SearchField());
    // The entry's second match, then the next result, then no more.
    const std::pair<int, const char*> forward[] = {{0, "Rain@14"}, {1, "rain@5"}, {1, "rain@5"}};
    for (const auto& [row, mark] : forward) {
        Click("Go to next");
        EXPECT_EQ(SelectedRow(window), row);
        EXPECT_EQ(Mark(window), mark);
    }
    EXPECT_EQ(window.Graph()->m_nCount, 4);
    EXPECT_EQ(Shown(), QStringList{ByTitle(kNoMore)});
    // Upwards the previous result is entered at its last match; nothing
    // further up: the entry on view stays selected and highlighted.
    for (const char* mark : {"Rain@14", "Rain@0", "Rain@0"}) {
        Click("Go to previous");
        EXPECT_EQ(SelectedRow(window), 0);
        EXPECT_EQ(Mark(window), mark);
    }
    EXPECT_EQ(Shown().size(), 1);

    // Delete takes the entry on view; the result that took its place is
    // shown, and the list stays open.
    CMessageBox::ClearHistory();
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    EXPECT_EQ(Shown(),
              QStringList{kDelete + "Delete current entry (Sun, 06 Dec 2026 at 10:00:00)?"});
    EXPECT_EQ(EntryCountOnDisk(PathOf("travel.ilm")), 3);
    EXPECT_EQ(State(window), "1 @0: More rain in the evening.");
    EXPECT_EQ(Heading(), "1 entry found");
    EXPECT_TRUE(window.EntryList()->isEnabled());

    // Leaving search mode shows the whole diary, the same entry selected
    // and shown without the highlight.
    Click("Search");
    EXPECT_FALSE(window.IsSearching());
    EXPECT_FALSE(SearchField()->isEnabled());
    EXPECT_EQ(State(window), "3 @2: More rain in the evening.");
    EXPECT_TRUE(Mark(window).startsWith('@')) << "no highlight";
}

TEST_F(NavigationTest, ADiaryOpenedInSearchModeShowsItsLastResultAndMarkupIsNotSearched)
{
    Window();
    Search("rain");
    CDayloomDlg& window = OpenThroughMenu(MakeSampleDiary());
    EXPECT_TRUE(window.IsSearching());
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_EQ(Heading(), "2 entries found");
    EXPECT_EQ(State(window), "2 @1: More rain in the evening.");
    EXPECT_EQ(Mark(window), "rain@5");
    EXPECT_TRUE(Shown().isEmpty());

    Search("fonttbl");
    Click("Go to next");
    EXPECT_EQ(State(window), "0 @-1: More rain in the evening.");
    // First and Last go to the results' ends.
    Search("DAY");
    Click("Go to last");
    EXPECT_EQ(ViewText(window), "A quiet day at home.");
    Click("Go to first");
    EXPECT_EQ(ViewText(window), "Rain all day, Rain.");
    EXPECT_EQ(Mark(window), "day@9");
    EXPECT_EQ(Shown(), QStringList{ByTitle(kNoMore)});

    // An edit that no longer matches leaves the results.
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Dry evening."); });
    window.OnEditEntry();
    EXPECT_EQ(Heading(), "1 entry found");
    EXPECT_EQ(Days(), "07");
}

TEST_F(NavigationTest, TagFilterListsTheTagsWithTheirCountsAndAClickedTagIsSearched)
{
    CDayloomDlg& window =
        OpenDiary("tags.ilm", {{LocalTime(2026, 12, 1, 8), Rtf("A #walk in the #rain.")},
                               {LocalTime(2026, 12, 2, 8), Rtf("Another #Walk.")},
                               {LocalTime(2026, 12, 3, 8), Rtf("Quiet, C# and #2026 only.")}});
    auto* tag = Part<QComboBox>(window, "searchTag");
    const auto choices = [tag] {
        QStringList items;
        for (int i = 0; i < tag->count(); ++i) {
            items.append(tag->itemText(i));
        }
        return items;
    };
    // Opening counts nothing: the tags come with the first search.
    EXPECT_EQ(choices(), QStringList{"(any)"});
    Click("Search");
    ASSERT_TRUE(QTest::qWaitFor([&] { return tag->count() == 3; }));
    EXPECT_EQ(choices(), (QStringList{"(any)", "#walk (2)", "#rain (1)"}));

    tag->setFocus();
    QTest::keyClick(tag, Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([this] { return Heading() == "2 entries found"; }));

    // A deleted entry takes its tags out of the counts.
    ClickLine(window, 0);
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    EXPECT_TRUE(QTest::qWaitFor([&] { return choices().size() == 2; }));
    EXPECT_EQ(choices(), (QStringList{"(any)", "#Walk (1)"}));
    EXPECT_EQ(tag->currentText(), "#Walk (1)");

    // A tag in the entry on view is a link that searches for it.
    Click("Search");
    ClickLine(window, 0);
    CEntryRichEdit* view = window.EntryView();
    QTextCursor at(view->document());
    at.setPosition(9);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(at).center());
    EXPECT_TRUE(window.IsSearching());
    EXPECT_EQ(SearchField()->text(), "#Walk");
    EXPECT_EQ(Heading(), "1 entry found");
}

TEST_F(NavigationTest, TypingAndTheFiltersListTheMatchesAndEscRestoresTheDiary)
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

    // Back in search mode with the text cleared, the filters include their
    // ends: 6 December 10:00 to 7 December 11:30 in a range of those days.
    window.OnFind();
    ASSERT_TRUE(TypeAndWaitFor("", "4 entries found", true));
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
