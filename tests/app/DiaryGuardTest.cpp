// A diary kept safe from a second window, another program's writing,
// read-only media and the signals that end the program.
#include "MainWindowFixture.h"
#include "app/TerminationSignals.h"
#include "platform/DiaryReservation.h"
#include "rtf/Rtf.h"

#include <QDir>
#include <csignal>

TEST_F(MainWindowTest, ASecondWindowIsKeptOffAnOpenDiaryAndRaisesTheFirst)
{
    OpenSample();
    const QString lock = CDiaryReservation::LockPathFor(PathOf("travel.ilm"));
    EXPECT_TRUE(QFileInfo::exists(lock));
    EXPECT_TRUE(lock.startsWith(QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"))));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              (QStringList{"travel.dlm", "travel.ilm", "travel.plm", "travel.rlm"}))
        << "nothing beside the diary for a sync tool to carry";

    CDayloomDlg second;
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    CFileDialogs::PushDiary(PathOf("travel.ilm"));
    second.OnOpenCreateDiary(); // no password prompt is queued: none may come
    EXPECT_EQ(Shown(),
              QStringList{ByTitle("This diary is already open in another Dayloom window.")});
    EXPECT_EQ(second.Session(), nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get())) << "the first window comes forward";

    m_window.reset(); // the first window closes: its reservation goes
    EXPECT_FALSE(QFileInfo::exists(lock));
    CFileDialogs::PushDiary(PathOf("travel.ilm"));
    AnswerPrompt("Secret1");
    second.OnOpenCreateDiary();
    EXPECT_NE(second.Session(), nullptr);
}

TEST_F(MainWindowTest, ALockFileBesideTheDiaryNamingAnotherComputerDoesNotBlockIt)
{
    // An earlier version's lock, carried here by a sync tool.
    const QString path = MakeSampleDiary();
    QFile carried(PathOf("travel.lock"));
    ASSERT_TRUE(carried.open(QIODevice::WriteOnly));
    carried.write("4242\ndayloom\nthe-other-laptop\n");
    carried.close();
    EXPECT_NE(OpenThroughMenu(path).Session(), nullptr);
    EXPECT_TRUE(Shown().isEmpty()) << "nothing said";
    EXPECT_TRUE(QFileInfo::exists(PathOf("travel.lock"))) << "not ours to prove stale";
}

TEST_F(MainWindowTest, ACommandActsOnTheDiaryAsAnotherProgramLeftIt)
{
    const QString path = MakeSampleDiary();
    CDayloomDlg& window = OpenThroughMenu(path);
    // Another program adds a first entry: the window's line 3 is stale.
    WriteDiary(path, {{LocalTime(2026, 12, 1, 8), Rtf("Written elsewhere."), 0}}, "Secret1");
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    EXPECT_EQ(Shown(), QStringList{"Delete Entry - Dayloom v2.21 | Delete current entry (Tue, 08 "
                                   "Dec 2026 at 12:00:00)?"});
    CDiaryStore store(0, NameOf(path));
    QStringList texts;
    for (store.current_index = 0; store.ReadEntry(); ++store.current_index) {
        texts << RtfToPlainText(store.entry.text).trimmed();
    }
    EXPECT_EQ(texts, (QStringList{"Written elsewhere.", "Sunny and dry.", "Rain all day, Rain.",
                                  "A quiet day at home."}));
    EXPECT_EQ(RowCount(window), 4);
}

TEST_F(MainWindowTest, ADiaryOnReadOnlyMediaCanBeReadButNotChanged)
{
    const QString path = MakeSampleDiary();
    const std::string folder = Encoded(m_dir.path());
    // Nothing there can be written or made; no reminder or planner file yet.
    CFileFaults::Install([folder](FileOp op, const std::string& file) {
        return (op == FileOp::Write && file == folder) || op == FileOp::OpenWritable ||
                       (op == FileOp::Open && !QFileInfo::exists(QFile::decodeName(file.c_str())))
                   ? EROFS
                   : 0;
    });
    CDayloomDlg& window = OpenThroughMenu(path);
    EXPECT_EQ(Shown(), QStringList{});
    EXPECT_EQ(window.windowTitle(), "Dayloom v2.21 - travel (read-only)");
    EXPECT_FALSE(QFileInfo::exists(PathOf("travel.rlm")));
    EXPECT_EQ(State(window), "4 @3: More rain in the evening.");

    CMessageBox::ClearHistory();
    Click("Delete");
    ActionOf(window, "&New entry...\tF2")->trigger();
    Click("Reminder");
    EXPECT_EQ(Shown(), QStringList(3, ByTitle("This diary is read-only: it cannot be changed.")));
    EXPECT_EQ(EntryCountOnDisk(path), 4);
    EXPECT_TRUE(CModal::Unanswered().empty()) << "no editor or dialog was opened";
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
