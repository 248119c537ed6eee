// The command line, run as a user runs it.
#include "app/CommandLine.h"

#include "MainWindowFixture.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct ChildRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The program in a fresh home; `window` lets it reach the window system,
// where the data self-check ends it.
ChildRun RunProgram(const QString& home, const QStringList& arguments, bool window)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/.config");
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("XDG_RUNTIME_DIR", home + "/runtime");
    if (window) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("DAYLOOM_CHECK_DATA", "1");
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home);
    process.start(QStringLiteral(DAYLOOM_BINARY_DIR "/bin/dayloom"), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

} // namespace

TEST(CommandLineTest, AnswersEveryKindOfArgumentAndNamesTheDiaryByItsFullPath)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir(home.path()).mkpath("folder.ilm");
    QDir(home.path()).mkpath("runtime");
    QFile::setPermissions(home.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (const char* name : {"travel.ilm", "locked.dayloom"}) {
        ASSERT_TRUE(QFile(home.filePath(name)).open(QIODevice::WriteOnly));
    }
    QFile locked(home.filePath("locked.dayloom"));
    locked.setPermissions(QFileDevice::WriteOwner);

    struct Case
    {
        QStringList arguments;
        bool window;
        int exitCode;
        QString out; // a piece of standard output ("" = none at all)
        QString err; // likewise for standard error
    };
    const QString folder = home.filePath("folder.ilm");
    const Case cases[] = {
        {{"--help"}, false, 0, "Usage: dayloom [options] [DIARY]", ""},
        {{"-h"}, false, 0, "DIARY", ""},
        {{"--version"}, false, 0, "dayloom 2.21.0\n", ""},
        {{"-v", "travel.ilm"}, false, 0, "dayloom 2.21.0\n", ""},
        {{"--frobnicate"}, false, 2, "", "dayloom: Unknown option 'frobnicate'."},
        {{"-x", "travel.ilm"}, false, 2, "", "Try 'dayloom --help'"},
        {{"one.ilm", "two.ilm"}, false, 2, "", "Only one diary can be opened at a time."},
        {{"--style"}, false, 2, "", "Missing value after '--style'."},
        // The rest reach the window system, where the self-check ends them.
        {{"travel.ilm"}, true, 0, "TIPS.TXT", ""},
        {{"new/diary.dayloom"}, true, 0, "TIPS.TXT", ""},
        {{"/Embedding", "-AUTOMATION", "-style", "fusion"}, true, 0, "TIPS.TXT", ""},
        {{"folder.ilm"}, true, 0, "TIPS.TXT", "dayloom: " + folder + " is a folder, not a diary."},
        {{"notes.txt"}, true, 0, "TIPS.TXT", "is not a Dayloom diary"},
        {{"locked.dayloom"}, true, 0, "TIPS.TXT", "you have no permission to read it"},
    };
    const bool root = QFileInfo(locked.fileName()).isReadable();
    for (const Case& c : cases) {
        if (root && c.arguments.front() == "locked.dayloom") {
            continue; // root reads everything
        }
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ChildRun run = RunProgram(home.path(), c.arguments, c.window);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        for (const auto& [got, piece] : {std::pair{run.out, c.out}, std::pair{run.err, c.err}}) {
            EXPECT_TRUE(piece.isEmpty() ? got.isEmpty() : got.contains(piece)) << got.toStdString();
        }
    }
    // Nothing above wrote settings.
    EXPECT_FALSE(QFileInfo::exists(home.filePath(".config/Orrinfield")));

    // The diary is named by its full path.
    const CCommandLine relative = CCommandLine::Parse({"dayloom", "diaries/../travel.dayloom"});
    EXPECT_EQ(relative.WhatToDo(), CCommandLine::Action::Run);
    EXPECT_EQ(relative.Diary(), QDir::current().filePath("travel.dayloom"));
    EXPECT_EQ(CCommandLine::Parse({"dayloom", "-Embedding"}).Diary(), "");
}
