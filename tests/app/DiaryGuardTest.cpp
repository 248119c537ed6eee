// What keeps a diary safe from the world around the window: a second window
// on the same diary, another program writing to it, a folder that cannot be
// written, a name too long for the files made beside it, and signals that
// end the program.
#include "MainWindowFixture.h"
#include "app/TerminationSignals.h"
#include "rtf/Rtf.h"

#include <QLockFile>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString kHeld = QStringLiteral("This diary is already open in another Dayloom window.");
const QString kReadOnly = QStringLiteral("This diary is read-only: it cannot be changed.");

std::vector<QString> TextsOnDisk(const QString& path)
{
    std::vector<QString> texts;
    CDiaryStore store(0, Encoded(path), ExtLocOf(path));
    for (store.current_index = 0; store.ReadEntry(); ++store.current_index) {
        texts.push_back(RtfToPlainText(store.entry.text).trimmed());
    }
    return texts;
}
} // namespace

TEST_F(MainWindowTest, ASecondWindowIsKeptOffAnOpenDiaryUntilTheFirstClosesIt)
{
    OpenSample();
    const QString lock = PathOf(QStringLiteral("travel.lock"));
    EXPECT_TRUE(QFileInfo::exists(lock));
    struct stat status
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(lock).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u) << "no other user may read the lock beside the diary";

    CDayloomDlg second;
    CFileDialogs::PushDiary(PathOf(QStringLiteral("travel.ilm")));
    second.OnOpenCreateDiary(); // no password prompt is queued: none may come
    EXPECT_EQ(MessageTexts(), std::vector<QString>{kHeld});
    EXPECT_EQ(second.Session(), nullptr);
    EXPECT_TRUE(CModal::Unanswered().empty());

    m_window.reset(); // the first window closes: its lock goes
    EXPECT_FALSE(QFileInfo::exists(lock));
    CFileDialogs::PushDiary(PathOf(QStringLiteral("travel.ilm")));
    AnswerPrompt(QStringLiteral("Secret1"));
    second.OnOpenCreateDiary();
    EXPECT_NE(second.Session(), nullptr);
}

TEST_F(MainWindowTest, ALockLeftByAProgramThatDiedIsTakenOver)
{
    const QString lock = PathOf(QStringLiteral("travel.lock"));
    const pid_t child = fork();
    if (child == 0) {
        QLockFile held(lock);
        _exit(held.tryLock(0) ? 0 : 1); // ends without unlocking
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFileInfo::exists(lock));

    OpenSample();
    EXPECT_NE(Window().Session(), nullptr);
}

TEST_F(MainWindowTest, ACommandActsOnTheDiaryAsAnotherProgramLeftIt)
{
    const QString path = MakeSampleDiary();
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CMessageBox::ClearHistory();
    CDayloomDlg& window = Window();
    ASSERT_EQ(window.EntryView()->toPlainText(), QStringLiteral("More rain in the evening."));
    // Another program adds an entry before all others: line 3 is now the
    // 7 December entry, and the window's list is stale.
    WriteDiary(path, {{LocalTime(2026, 12, 1, 8), Rtf("Written elsewhere."), 0}}, "Secret1");

    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click(QStringLiteral("Delete"));

    EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral(
                                  "Delete current entry (Tue, 08 Dec 2026 at 12:00:00)?")});
    EXPECT_EQ(TextsOnDisk(path),
              (std::vector<QString>{"Written elsewhere.", "Sunny and dry.", "Rain all day, Rain.",
                                    "A quiet day at home."}));
    EXPECT_EQ(RowCount(window), 4);
}

TEST_F(MainWindowTest, ADiaryOnReadOnlyMediaCanBeReadButNotChanged)
{
    const QString path = MakeSampleDiary();
    const std::string folder = Encoded(m_dir.path());
    // Read-only media: neither the folder nor any file in it can be written.
    CFileFaults::Install([folder](FileOp op, const std::string& file) {
        return (op == FileOp::Write && file == folder) || op == FileOp::OpenWritable ? EROFS : 0;
    });
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21 - travel (read-only)"));
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.lock"))));
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(window.EntryView()->toPlainText().trimmed(),
              QStringLiteral("More rain in the evening."));

    CMessageBox::ClearHistory();
    Click(QStringLiteral("Delete"));
    ActionOf(window, QStringLiteral("&New entry...\tF2"))->trigger();
    Click(QStringLiteral("Reminder"));
    EXPECT_EQ(MessageTexts(), std::vector<QString>(3, kReadOnly));
    EXPECT_EQ(EntryCountOnDisk(path), 4);
    EXPECT_TRUE(CModal::Unanswered().empty()) << "no editor or dialog was opened";
    CFileFaults::Install({});
}

TEST_F(MainWindowTest, ANameTooLongForTheFilesBesideItIsRefusedBeforeAnythingIsMade)
{
    const long limit = pathconf(Encoded(m_dir.path()).c_str(), _PC_NAME_MAX);
    // NAME.ilm fits, NAME.ilm.draft.damaged would not.
    CFileDialogs::PushDiary(
        PathOf(QString(static_cast<int>(limit) - 12, QLatin1Char('a')) + QStringLiteral(".ilm")));
    Window().OnOpenCreateDiary();
    EXPECT_EQ(MessageTexts(), std::vector<QString>{QStringLiteral(
                                  "This file name is too long for a diary. Please choose a "
                                  "shorter name.")});
    EXPECT_EQ(CMessageBox::History()[0].caption,
              QStringLiteral("Open/Create Diary - Dayloom v2.21"));
    EXPECT_EQ(Window().Session(), nullptr);
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(TerminationSignalsTest, EachEndingSignalReachesTheEventLoop)
{
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        int handled = 0;
        const CTerminationSignals signals_([&] { ++handled; });
        std::raise(signal);
        EXPECT_TRUE(QTest::qWaitFor([&] { return handled == 1; }, 2000));
    }
}
