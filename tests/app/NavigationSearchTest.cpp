// Moving through the entries, searching their displayed text and deleting
// them, as the buttons of the main window do it.
#include "MainWindowFixture.h"

namespace {
const QString kNoMore = QStringLiteral("There are no more entries in this diary!");
} // namespace

class NavigationTest : public MainWindowTest
{
protected:
    void StartSearch(const QString& text)
    {
        Click(QStringLiteral("Search"));
        QTest::keyClicks(Part<QLineEdit>(Window(), "searchText"), text);
    }

    QString Highlighted() { return Window().EntryView()->textCursor().selectedText(); }
};

TEST_F(NavigationTest, ButtonsMoveTheSelectionAndShowTheEntry)
{
    CDayloomDlg& window = OpenSample();
    Click(QStringLiteral("Go to first"));
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Sunny and dry."));
    EXPECT_EQ(Field(window, "moodField")->text(), QStringLiteral("Depressed"));
    EXPECT_EQ(Field(window, "fatigueField")->text(), QStringLiteral("Exhausted"));
    EXPECT_EQ(Field(window, "shapeField")->text(), QStringLiteral("Very Sick"));
    EXPECT_EQ(Field(window, "dreamField")->text(), QStringLiteral("Nightmare"));
    EXPECT_EQ(Field(window, "temperatureField")->text(), QStringLiteral("37.0"));
    EXPECT_TRUE(Part<QCheckBox>(window, "Copulation")->isChecked());
    EXPECT_FALSE(Part<QCheckBox>(window, "Menstruus")->isChecked());
    EXPECT_EQ(Part<QLabel>(window, "facePicture")->pixmap().toImage(),
              LoadFacePicture(-3).toImage());

    // Previous on the first line does nothing.
    Click(QStringLiteral("Go to previous"));
    EXPECT_EQ(SelectedRow(window), 0);
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(Field(window, "weightField")->text(), QStringLiteral("72"));
    EXPECT_EQ(Field(window, "temperatureField")->text(), QStringLiteral("36.6"));
    EXPECT_TRUE(Part<QCheckBox>(window, "Menstruus")->isChecked());
    Click(QStringLiteral("Go to last"));
    EXPECT_EQ(SelectedRow(window), 3);
    // Next on the last line says so, captioned with the program's name.
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(SelectedRow(window), 3);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text, kNoMore);
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
}

TEST_F(NavigationTest, TemperatureTiesRoundToEvenAsTheOneDecimalFormatDoes)
{
    const QString path = PathOf(QStringLiteral("ties.ilm"));
    WriteDiary(path,
               {{LocalTime(2026, 12, 1, 8), Rtf("One."), 0, 0, 0, 0, 0, 0, 36.25f, 0},
                {LocalTime(2026, 12, 2, 8), Rtf("Two."), 0, 0, 0, 0, 0, 0, 37.75f, 0}},
               "Secret1");
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_EQ(Field(window, "temperatureField")->text(), QStringLiteral("37.8"));
    Click(QStringLiteral("Go to first"));
    EXPECT_EQ(Field(window, "temperatureField")->text(), QStringLiteral("36.2"));
}

TEST_F(NavigationTest, ClickingALineShowsItAndTheMarksIgnoreClicks)
{
    CDayloomDlg& window = OpenSample();
    QListView* list = window.EntryList();
    const QRect line = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Rain all day, Rain."));
    EXPECT_EQ(window.Graph()->m_nCount, 4);

    // Clicked where they are in the window, and straight on them.
    for (QCheckBox* mark :
         {Part<QCheckBox>(window, "Copulation"), Part<QCheckBox>(window, "Menstruus")}) {
        const QPoint at = mark->mapTo(&window, QPoint(8, mark->height() / 2));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
        QTest::mouseClick(mark, Qt::LeftButton);
    }
    EXPECT_FALSE(Part<QCheckBox>(window, "Copulation")->isChecked());
    EXPECT_TRUE(Part<QCheckBox>(window, "Menstruus")->isChecked());
}

TEST_F(NavigationTest, WithoutASelectionNextAndPreviousStartAtTheFirstLineAndLastStays)
{
    CDayloomDlg& window = OpenSample();
    window.EntryList()->clearSelection();
    window.OnNext();
    EXPECT_EQ(SelectedRow(window), 0);
    window.EntryList()->clearSelection();
    window.OnPrevious();
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Sunny and dry."));

    const QString path = PathOf(QStringLiteral("one.ilm"));
    WriteDiary(path, {{LocalTime(2026, 12, 1, 8), Rtf("Only one."), 0}}, "Secret1");
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    // A load shows the diary's last entry even when it is the only one.
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Only one."));
    window.EntryList()->clearSelection();
    window.OnLast();
    EXPECT_EQ(SelectedRow(window), -1);
    window.OnFirst();
    EXPECT_EQ(SelectedRow(window), 0);
}

TEST_F(NavigationTest, SearchWalksFromMatchToMatchThenFromResultToResult)
{
    CDayloomDlg& window = OpenSample();
    Click(QStringLiteral("Go to first"));
    StartSearch(QStringLiteral("rain"));
    EXPECT_TRUE(window.IsSearching());
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_TRUE(Part<QLineEdit>(window, "searchText")->isEnabled());

    // Enter in the search field looks forward, as Next does, at once: the
    // first result (the entry on view did not match), its first match.
    QTest::keyClick(Part<QLineEdit>(window, "searchText"), Qt::Key_Return);
    EXPECT_EQ(RowCount(window), 2);
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Rain all day, Rain."));
    EXPECT_EQ(Highlighted(), QStringLiteral("Rain"));
    EXPECT_EQ(window.EntryView()->textCursor().selectionStart(), 0);
    EXPECT_EQ(window.focusWidget(), Part<QLineEdit>(window, "searchText"));
    // The entry's second match, then the next result.
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->textCursor().selectionStart(), 14);
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(Highlighted(), QStringLiteral("rain"));
    EXPECT_EQ(window.Graph()->m_nCount, 4);
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(SelectedRow(window), 1);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text, kNoMore);
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());

    // Upwards the previous result is entered at its last match.
    Click(QStringLiteral("Go to previous"));
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->textCursor().selectionStart(), 14);
    Click(QStringLiteral("Go to previous"));
    EXPECT_EQ(window.EntryView()->textCursor().selectionStart(), 0);
    // Nothing further up: the entry on view stays selected and highlighted.
    Click(QStringLiteral("Go to previous"));
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(Highlighted(), QStringLiteral("Rain"));
    EXPECT_EQ(CMessageBox::History().size(), 1u);

    // Leaving search mode shows the whole diary, the same entry selected
    // and shown without the highlight.
    Click(QStringLiteral("Search"));
    EXPECT_FALSE(window.IsSearching());
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_FALSE(Part<QLineEdit>(window, "searchText")->isEnabled());
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_TRUE(Highlighted().isEmpty());
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Rain all day, Rain."));
}

TEST_F(NavigationTest, OpeningADiaryInSearchModeListsItsResults)
{
    Window();
    StartSearch(QStringLiteral("rain"));
    OpenThroughMenu(MakeSampleDiary(), QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_TRUE(window.IsSearching());
    EXPECT_TRUE(window.EntryList()->isEnabled());
    ASSERT_EQ(RowCount(window), 2);
    EXPECT_EQ(Part<QLabel>(window, "searchHeading")->text(), QStringLiteral("2 entries found"));
    // The load ends with Last: the last result.
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("More rain in the evening."));
    EXPECT_EQ(Highlighted(), QStringLiteral("rain"));
}

TEST_F(NavigationTest, SearchIgnoresRtfMarkupAndFirstLastGoToTheResultsEnds)
{
    CDayloomDlg& window = OpenSample();
    Click(QStringLiteral("Go to first"));
    StartSearch(QStringLiteral("fonttbl"));
    Click(QStringLiteral("Go to next"));
    EXPECT_EQ(RowCount(window), 0);
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kNoMore});
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Sunny and dry."));

    auto* field = Part<QLineEdit>(window, "searchText");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("DAY"));
    Click(QStringLiteral("Go to last"));
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("A quiet day at home."));
    Click(QStringLiteral("Go to first"));
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Rain all day, Rain."));
    EXPECT_EQ(Highlighted(), QStringLiteral("day"));
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kNoMore});
}

TEST_F(NavigationTest, DeleteNeedsASelectionAsksAndRebuildsTheList)
{
    const QString path = PathOf(QStringLiteral("travel.ilm"));
    CDayloomDlg& window = OpenSample();
    window.EntryList()->clearSelection();
    window.OnDeleteEntry();
    EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral(
                                  "You must have an entry selected in order to delete it!")});
    EXPECT_EQ(RowCount(window), 4);

    // Answered No: nothing is deleted and the entry stays on view.
    CMessageBox::ClearHistory();
    Click(QStringLiteral("Go to first"));
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    Click(QStringLiteral("Delete"));
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              QStringLiteral("Delete current entry (Sat, 05 Dec 2026 at 09:05:07)?"));
    EXPECT_EQ(CMessageBox::History()[0].caption, QStringLiteral("Delete Entry - Dayloom v2.21"));
    EXPECT_EQ(CMessageBox::History()[0].buttons, CMessageBox::Buttons::YesNo);
    EXPECT_EQ(EntryCountOnDisk(path), 4);
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Sunny and dry."));

    // Yes on a middle entry.
    Click(QStringLiteral("Go to first"));
    Click(QStringLiteral("Go to next"));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click(QStringLiteral("Delete"));
    EXPECT_EQ(EntryCountOnDisk(path), 3);
    ASSERT_EQ(RowCount(window), 3);
    EXPECT_EQ(RowLine(window, 1), QStringLiteral("07 - Dec\t - 2026, Mon,\t at 11:30:00"));
    EXPECT_EQ(SelectedRow(window), 2);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("More rain in the evening."));
    EXPECT_EQ(window.Graph()->m_nCount, 3);
    EXPECT_EQ(window.Graph()->m_pMood[1], 2);
}

TEST_F(NavigationTest, DeletingTheOnlyEntryMakesTheDiaryNewAgain)
{
    const QString path = PathOf(QStringLiteral("one.ilm"));
    WriteDiary(path, {{LocalTime(2026, 12, 1, 8), Rtf("Only one."), 2}}, "Secret1");
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    window.OnDeleteEntry();

    EXPECT_EQ(RowCount(window), 0);
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_EQ(window.Graph()->m_nCount, 0);
    EXPECT_EQ(window.EntryView()->toPlainText(),
              QStringLiteral("Dayloom v2.21 - this diary has no entries now\n= e-mail: ") +
                  CAppInfo::MailAddress() + QStringLiteral("\n= ") + CAppInfo::WebSite() +
                  QStringLiteral("\nEnjoy!"));
    EXPECT_TRUE(Field(window, "moodField")->text().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(NavigationTest, DeletingInSearchModeDeletesTheEntryOnViewAndKeepsAPlace)
{
    const QString path = PathOf(QStringLiteral("travel.ilm"));
    CDayloomDlg& window = OpenSample();
    Click(QStringLiteral("Go to first"));
    StartSearch(QStringLiteral("rain"));
    Click(QStringLiteral("Go to next"));
    // The first result's row is the diary's second entry.
    ASSERT_EQ(SelectedRow(window), 0);
    ASSERT_EQ(window.EntryView()->toPlainText(), QStringLiteral("Rain all day, Rain."));
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click(QStringLiteral("Delete"));

    EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral(
                                  "Delete current entry (Sun, 06 Dec 2026 at 10:00:00)?")});
    ASSERT_EQ(EntryCountOnDisk(path), 3);
    // The result that took its place is shown; the list stays open.
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_EQ(Part<QLabel>(window, "searchHeading")->text(), QStringLiteral("1 entry found"));
    EXPECT_EQ(SelectedRow(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("More rain in the evening."));
    EXPECT_TRUE(window.EntryList()->isEnabled());
}
