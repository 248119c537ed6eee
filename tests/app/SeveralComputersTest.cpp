// One diary on several computers, through the main window and the real event
// loop: a diary replaced under the window is read again, conflict copies merged.
#include "MainWindowFixture.h"
#include "app/MergeTexts.h"
#include "dialogs/MergePreviewDlg.h"
#include "store/EncryptedSession.h"

#include <QDateTime>
#include <QLocale>
#include <QToolButton>
#include <cstdio>
#include <functional>

namespace {

// Generous: the watch waits for 300 ms of quiet, the machine may be busy.
constexpr int kWaitMs = 5000;

// The change that adds an entry of `words` on that day of December 2026 at noon.
std::function<void(CDiaryStore&)> Adding(int day, const std::string& words)
{
    return [day, words](CDiaryStore& store) {
        store.entry = DiaryEntry{};
        store.entry.time = LocalTime(2026, 12, day, 12);
        store.entry.text = Rtf(words);
        store.AppendEntry();
        store.SortEntries();
    };
}

// Days of December 2026 at noon with their words, sealed under "Secret1".
void WriteEncrypted(const QString& path, const std::vector<std::pair<int, std::string>>& days)
{
    CEncryptedSession session(Encoded(path));
    ASSERT_TRUE(session.Create("Secret1", KdfParams::Cheapest()).ok());
    const std::unique_ptr<CDiaryStore> store = session.MakeStore(0);
    for (const auto& [day, words] : days) {
        Adding(day, words)(*store);
    }
}

// The diary at `from` changed as another computer would, written to `to`.
void ChangeCopy(const QString& from, const QString& to,
                const std::function<void(CDiaryStore&)>& change, const char* password = "Secret1",
                const char* newPassword = nullptr)
{
    ASSERT_TRUE(QFile::copy(from, to));
    CEncryptedSession other(Encoded(to));
    ASSERT_TRUE(other.Unlock(password).ok());
    change(*other.MakeStore(0)); // written when the store goes
    if (newPassword != nullptr) {
        ASSERT_TRUE(other.ChangePassword(newPassword, KdfParams::Cheapest()));
    }
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class SeveralComputersTest : public MainWindowTest
{
protected:
    // As a sync tool delivers it: written beside the diary, renamed over it.
    void ReplaceFromElsewhere(const std::function<void(CDiaryStore&)>& change,
                              const char* password = "Secret1", const char* newPassword = nullptr)
    {
        const QString incoming = PathOf(".syncthing.travel.dayloom.tmp");
        ChangeCopy(m_path, incoming, change, password, newPassword);
        ASSERT_EQ(std::rename(Encoded(incoming).c_str(), Encoded(m_path).c_str()), 0);
    }
    // Presses `button` of the merge preview when it comes.
    static void PressInPreview(QPushButton* (CMergePreviewDlg::*button)() const)
    {
        CModal::PushHandler([button](QDialog& dialog) {
            QTest::mouseClick((dynamic_cast<CMergePreviewDlg&>(dialog).*button)(), Qt::LeftButton);
        });
    }
    QWidget* Bar() { return Part(Window(), "reloadedBar"); }
    bool BarComes()
    {
        return QTest::qWaitFor([this] { return !Bar()->isHidden(); }, kWaitMs);
    }

    const QString m_path = PathOf("travel.dayloom"); // the diary every test opens
};

TEST_F(SeveralComputersTest, ADiaryReplacedByRenameIsReloadedWithTheBarButOwnSavesAreNot)
{
    WriteEncrypted(m_path, {{5, "Sunny."}, {6, "Rain."}, {7, "Snow."}});
    // Modal, as the program runs it.
    Window().hide();
    Window().setWindowModality(Qt::ApplicationModal);
    Window().show();
    CDayloomDlg& window = OpenThroughMenu(m_path);
    ClickLine(window, 1);
    ASSERT_EQ(State(window), "3 @1: Rain.");
    EXPECT_TRUE(Bar()->isHidden());

    // An earlier entry written elsewhere moves the one on view down a line.
    ReplaceFromElsewhere(Adding(4, "Written on the laptop."));
    ASSERT_TRUE(BarComes());
    EXPECT_EQ(State(window), "4 @2: Rain.");
    EXPECT_EQ(Part<QLabel>(*Bar(), "reloadedText")->text(),
              "The diary was changed by another program and has been reloaded.");
    QTest::mouseClick(Part<QToolButton>(*Bar(), "closeButton"), Qt::LeftButton);
    EXPECT_TRUE(Bar()->isHidden());

    // The next command hides the bar; the program's own save never shows it.
    ReplaceFromElsewhere(Adding(8, "Also from the laptop."));
    ASSERT_TRUE(BarComes());
    Click("Go to first");
    EXPECT_TRUE(Bar()->isHidden());
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Written here."); });
    window.OnNewEntry();
    EXPECT_EQ(RowCount(window), 6);
    QTest::qWait(3 * 300); // the watch's quiet time
    EXPECT_TRUE(Bar()->isHidden());
    EXPECT_EQ(Shown(), QStringList{"New Entry - Dayloom v2.21 | Save this diary entry?"});
}

TEST_F(SeveralComputersTest, TheEditorKeepsItsTextThroughAReloadAndSavesOverItsEntryOrBeside)
{
    WriteEncrypted(m_path, {{5, "Sunny."}, {6, "Rain."}});
    CDayloomDlg& window = OpenThroughMenu(m_path);

    // Edited here while an entry is added elsewhere: SAVE replaces the moved one.
    ClickLine(window, 1);
    CModal::PushHandler([&](QDialog& dialog) {
        auto* text = dialog.findChild<CEntryRichEdit*>();
        text->setPlainText("Rain, then sun.");
        ReplaceFromElsewhere(Adding(1, "From the laptop."));
        ASSERT_TRUE(BarComes());
        EXPECT_EQ(RowCount(window), 3);
        EXPECT_EQ(text->toPlainText(), "Rain, then sun.");
        SaveEditorWith(dialog, text->toPlainText());
    });
    window.OnEditEntry();
    EXPECT_EQ(State(window), "3 @2: Rain, then sun.");

    // Edited here and differently elsewhere: SAVE adds it beside the other version.
    QTest::mouseClick(Part<QToolButton>(*Bar(), "closeButton"), Qt::LeftButton);
    ClickLine(window, 1);
    ASSERT_EQ(ViewText(window), "Sunny.");
    CModal::PushHandler([&](QDialog& dialog) {
        ReplaceFromElsewhere([](CDiaryStore& store) {
            store.entry = DiaryEntry{};
            store.entry.time = LocalTime(2026, 12, 5, 12);
            store.entry.text = Rtf("Sunny, says the laptop.");
            ASSERT_TRUE(store.ReplaceEntry(1));
        });
        ASSERT_TRUE(BarComes());
        SaveEditorWith(dialog, "Sunny, says the desktop.");
    });
    window.OnEditEntry();
    QStringList texts;
    for (int row = 0; row < RowCount(window); ++row) {
        ClickLine(window, row);
        texts << ViewText(window);
    }
    EXPECT_EQ(texts, (QStringList{"From the laptop.", "Sunny, says the laptop.",
                                  "Sunny, says the desktop.", "Rain, then sun."}));
}

TEST_F(SeveralComputersTest, AConflictCopyIsOfferedOnOpeningAndItsEntriesAreMergedOnce)
{
    const QString copy = PathOf("travel.sync-conflict-20261207-101500-ABCDEFG.dayloom");
    WriteEncrypted(m_path, {{5, "Sunny."}, {6, "Rain."}});
    ChangeCopy(m_path, copy, Adding(7, "Written on the laptop."));
    const QString question = "Another copy of this diary was found: "
                             "travel.sync-conflict-20261207-101500-ABCDEFG.dayloom. Merge its "
                             "entries into this diary?";

    // "Not now" is remembered: opening again does not ask.
    CMessageBox::PushChoice(1);
    CDayloomDlg& window = OpenThroughMenu(m_path);
    ASSERT_TRUE(QTest::qWaitFor([] { return !CMessageBox::History().empty(); }, kWaitMs));
    EXPECT_EQ(Shown(), QStringList{ByTitle(question)});
    EXPECT_EQ(CMessageBox::History().back().choices,
              (std::vector<QString>{"Merge", "Not now", "Show in folder"}));
    CMessageBox::ClearHistory();
    OpenThroughMenu(m_path);
    QTest::qWait(50);
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(RowCount(window), 2);

    // The menu merges it after the preview; asked to, the copy goes.
    CFileDialogs::PushFile(copy);
    CModal::PushHandler([](QDialog& dialog) {
        auto& preview = dynamic_cast<CMergePreviewDlg&>(dialog);
        EXPECT_TRUE(preview.PreviewLabel()->text().startsWith("1 entry will be added."));
        EXPECT_TRUE(preview.MergeButton()->isDefault());
        QTest::mouseClick(preview.MergeButton(), Qt::LeftButton);
    });
    ActionOf(window, "&Merge another diary...")->trigger();
    EXPECT_EQ(Shown(), QStringList{"Merge another diary - Dayloom v2.21 | 1 entry was added."});
    EXPECT_EQ(State(window), "3 @2: Written on the laptop.");

    // Merging it again, or the diary with itself, adds nothing.
    for (const QString& other : {copy, m_path}) {
        CMessageBox::ClearHistory();
        CFileDialogs::PushFile(other);
        ActionOf(window, "&Merge another diary...")->trigger();
        EXPECT_EQ(widgettest::LastMessage(),
                  QStringLiteral("This diary already holds everything %1 holds: "
                                 "nothing was added.")
                      .arg(QFileInfo(other).fileName()));
        EXPECT_EQ(RowCount(window), 3);
    }
}

TEST_F(SeveralComputersTest, MergingOffersToRemoveTheCopyAsksItsOwnPasswordAndCancelWritesNothing)
{
    const QString copy = PathOf("travel (conflicted copy 2026-12-07 101500).dayloom");
    WriteEncrypted(m_path, {{5, "Sunny."}});
    ChangeCopy(m_path, copy, Adding(7, "Written on the laptop."));
    const QByteArray before = Bytes(m_path);

    // Merge (the default), then Cancel in the preview: nothing is written.
    CDayloomDlg& window = OpenThroughMenu(m_path);
    PressInPreview(&CMergePreviewDlg::CancelButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return CModal::Pending() == 0; }, kWaitMs));
    EXPECT_EQ(Bytes(m_path), before);
    EXPECT_EQ(RowCount(window), 1);

    // A copy appearing while the diary is open: merged, then removed on request.
    CMessageBox::ClearHistory();
    const QString later = PathOf("travel.sync-conflict-20261208-090000-HIJKLMN.dayloom");
    PressInPreview(&CMergePreviewDlg::MergeButton);
    CMessageBox::PushChoice(0); // Merge
    CMessageBox::PushChoice(1); // Remove
    ASSERT_TRUE(QFile::copy(copy, later));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QFileInfo::exists(later); }, kWaitMs));
    EXPECT_EQ(RowCount(window), 2);
    EXPECT_TRUE(QFileInfo::exists(copy)) << "the copy put off on opening is left alone";

    // A copy under a password of its own: it is asked for, a wrong one said.
    const QString laptop = PathOf("laptop.dayloom");
    ChangeCopy(copy, laptop, Adding(9, "Under another password."), "Secret1", "Laptop 2");
    CMessageBox::ClearHistory();
    CFileDialogs::PushFile(laptop);
    AnswerPrompt("wrong!");
    AnswerPrompt("Laptop 2");
    PressInPreview(&CMergePreviewDlg::MergeButton);
    ActionOf(window, "&Merge another diary...")->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 2u);
    EXPECT_TRUE(CMessageBox::History().front().text.startsWith("The password you've specified"));
    EXPECT_EQ(State(window), "3 @2: Under another password.");
}

TEST_F(SeveralComputersTest, ADiaryReKeyedElsewhereAsksThePasswordAndCancelClosesItUnwritten)
{
    WriteEncrypted(m_path, {{5, "Sunny."}});
    CDayloomDlg& window = OpenThroughMenu(m_path);
    const QString said =
        ByTitle("The diary was changed by another program and no longer opens "
                "with the password it was opened with. Type its password to go on.");

    // Re-keyed elsewhere with a new entry: the new password opens it again.
    AnswerPrompt("Laptop 2");
    ReplaceFromElsewhere(Adding(6, "Rain."), "Secret1", "Laptop 2");
    ASSERT_TRUE(BarComes());
    EXPECT_EQ(Shown(), QStringList{said});
    EXPECT_EQ(State(window), "2 @0: Sunny.");

    // Cancel closes it; nothing is written under the old key.
    CMessageBox::ClearHistory();
    OnPrompt(
        [](CSecurityDlg& prompt) { QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton); });
    ReplaceFromElsewhere(Adding(6, "Snow."), "Laptop 2", "Laptop 3");
    const QByteArray written = Bytes(m_path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Session() == nullptr; }, kWaitMs));
    EXPECT_EQ(Shown(), QStringList{said});
    ExpectNoDiary(window);
    EXPECT_EQ(Bytes(m_path), written);
}

TEST(MergeTexts, PreviewAndResultSayWhatTheMergeDoes)
{
    using Kind = CDiaryMerge::Change::Kind;
    const auto plan = [](std::initializer_list<Kind> kinds, size_t reminders, size_t tasks) {
        CDiaryMerge::Plan made;
        for (Kind kind : kinds) {
            made.entries.push_back({.kind = kind});
        }
        made.reminders.resize(reminders);
        made.tasks.resize(tasks);
        return made;
    };
    CDiaryMerge::Plan union3 = plan({Kind::Add, Kind::Add, Kind::Add}, 1, 1);
    EXPECT_EQ(CMergeTexts::Preview(union3),
              "3 entries, 1 reminder and 1 task will be added. These copies keep no record of "
              "deletions: an entry deleted in only one of them comes back.");
    EXPECT_EQ(CMergeTexts::Result(union3), "3 entries, 1 reminder and 1 task were added.");
    EXPECT_EQ(CMergeTexts::Preview(plan({}, 0, 0)),
              "Nothing will be added: this diary already holds everything the other copy holds.");
    EXPECT_EQ(CMergeTexts::Result(plan({Kind::Add}, 0, 0)), "1 entry was added.");

    CDiaryMerge::Plan history = plan({Kind::Add, Kind::Add, Kind::Replace, Kind::Delete}, 0, 0);
    history.deletionsComeBack = false;
    history.conflicts.emplace_back(1'700'000'000, 1'700'003'600);
    EXPECT_EQ(CMergeTexts::Preview(history),
              "2 entries will be added. 1 entry will be replaced by a newer version. 1 entry will "
              "be deleted. 1 entry was edited differently in both copies: both versions of it "
              "will be kept.");
    const auto when = [](int64_t time) {
        return QLocale().toString(QDateTime::fromSecsSinceEpoch(time), QLocale::ShortFormat);
    };
    EXPECT_EQ(CMergeTexts::Result(history),
              "2 entries were added. 1 entry was replaced by a newer version. 1 entry was "
              "deleted. The entry of " +
                  when(1'700'000'000) +
                  " was edited differently in both copies: both versions are kept (" +
                  when(1'700'000'000) + " and " + when(1'700'003'600) + ").");
}
