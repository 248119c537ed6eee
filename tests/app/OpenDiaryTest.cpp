// Opening and creating diaries from the main window: the file dialog, the
// password prompt, the window and settings after it, unlocking off the thread.
#include "MainWindowFixture.h"
#include "platform/AnsiCodec.h"
#include "platform/BackgroundWork.h"
#include "platform/DiaryReservation.h"
#include "store/DiaryConversion.h"

#include <QDateTime>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

namespace {
const QString kInvalid = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};
} // namespace

TEST_F(MainWindowTest, RightPasswordLoadsTheDiaryAndTheButtonsMoveThroughIt)
{
    const QString path = MakeSampleDiary();
    // What a crash left of a rewrite goes when the diary is opened.
    for (const char* name : {"travel.ilm.tmp", "travel.dlm.tmp", "travel.ilm.draft.tmp"}) {
        QFile file(PathOf(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("half");
        file.setFileTime(QDateTime::fromSecsSinceEpoch(CClock::Now() - 60),
                         QFileDevice::FileModificationTime);
    }
    CDayloomDlg& window = OpenThroughMenu(path);
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(QDir(m_dir.path()).entryList({"*.tmp"}, QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_EQ(window.windowTitle(), "Dayloom v2.21 - travel");
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_EQ(RowLine(window, 0), "05 - Dec\t - 2026, Sat,\t at 09:05:07");
    EXPECT_EQ(window.Graph()->m_nCount, 4);
    EXPECT_EQ(window.Graph()->m_pMood[0], -3);
    EXPECT_FLOAT_EQ(window.Graph()->m_pTemperature[1], 36.6f);
    EXPECT_EQ(Remembered(), QStringLiteral("%1|%2|travel").arg(path).arg(ExtLocOf(path)));
    // The last entry is shown with its labels and face.
    EXPECT_EQ(State(window), "4 @3: More rain in the evening.");
    EXPECT_EQ(Panel(window), "Excellent|Normal|Healthy|Fun|0|0.0|-|-");
    EXPECT_FALSE(Part<QLabel>(window, "facePicture")->pixmap().isNull());

    // The buttons move the selection and show the entry.
    Click("Go to first");
    EXPECT_EQ(State(window), "4 @0: Sunny and dry.");
    EXPECT_EQ(Panel(window), "Depressed|Exhausted|Very Sick|Nightmare|0|37.0|C|-");
    EXPECT_EQ(Part<QLabel>(window, "facePicture")->pixmap().toImage(),
              LoadFacePicture(-3).toImage());
    Click("Go to previous"); // on the first line: nothing
    EXPECT_EQ(SelectedRow(window), 0);
    Click("Go to next");
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(Panel(window), "Good|Normal|Healthy|Amusing|72|36.6|-|M");
    Click("Go to last");
    Click("Go to next"); // on the last line: says so
    EXPECT_EQ(SelectedRow(window), 3);
    EXPECT_EQ(Shown(), QStringList{ByTitle("There are no more entries in this diary!")});

    // A file error in a command is said under the program's name.
    CMessageBox::ClearHistory();
    const std::string data = Encoded(PathOf("travel.dlm"));
    CFileFaults::Install([data](FileOp op, const std::string& file) {
        return op == FileOp::Read && file == data ? EIO : 0;
    });
    Click("Go to first");
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].startsWith(ByTitle(QString())));
    EXPECT_TRUE(Shown()[0].contains("travel.dlm"));
}

TEST_F(MainWindowTest, WrongPasswordKeepsThePromptAndCancelLeavesNoDiaryAndTheRememberedOne)
{
    CSettings::WriteProfileString("DiaryFile", PathOf("old.ilm"));
    CSettings::WriteProfileInt("ExtLoc", 7);
    const QString path = MakeSampleDiary();
    for (const QString typed : {"wrong!", "secret1", ""}) {
        SCOPED_TRACE(typed.toStdString());
        CMessageBox::ClearHistory();
        CFileDialogs::PushDiary(path);
        OnPrompt([typed](CSecurityDlg& prompt) {
            if (!typed.isEmpty()) {
                // Said over the prompt, which keeps the password selected.
                for (int tries = 0; tries < 2; ++tries) {
                    Type(prompt, typed);
                    EXPECT_TRUE(prompt.isVisible());
                    EXPECT_EQ(prompt.PasswordField()->selectedText(), typed);
                }
                QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
                return;
            }
            // Title shown, input masked, never cut: more than 20 is refused.
            EXPECT_EQ(prompt.FileField()->text(), "travel");
            EXPECT_EQ(prompt.PasswordField()->echoMode(), QLineEdit::Password);
            EXPECT_TRUE(prompt.CancelButton()->isEnabled());
            EXPECT_TRUE(prompt.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_FALSE(prompt.windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QTest::keyClicks(prompt.PasswordField(), "abcdefghijklmnopqrstuvwxyz");
            EXPECT_EQ(prompt.PasswordField()->text().size(), 26);
            QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
            EXPECT_EQ(CMessageBox::History().back().text,
                      "A password can have at most 20 characters; this one has 26.");
            CMessageBox::ClearHistory();
            QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
        });
        Window().OnOpenCreateDiary();
        const QStringList said = {ByTitle(kInvalid), ByTitle(kInvalid)};
        EXPECT_EQ(Shown(), typed.isEmpty() ? QStringList() : said);
        ExpectNoDiary(Window());
        EXPECT_TRUE(
            QDir(CDiaryReservation::DefaultFolder()).entryList({"*.lock"}, QDir::Files).isEmpty())
            << "a diary not opened stays free";
        // Only the title was remembered; the last diary is still the old one.
        EXPECT_EQ(Remembered(), PathOf("old.ilm|7|travel"));
    }
    // Too short, unencodable or wrong keep the prompt; then Return opens it.
    CMessageBox::ClearHistory();
    CFileDialogs::PushDiary(path);
    std::vector<bool> stillOpen;
    OnPrompt([&](CSecurityDlg& prompt) {
        for (const QString typed : {"Se", "Secret\u0416", "wrong!"}) {
            prompt.PasswordField()->setText(typed);
            QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
            stillOpen.push_back(prompt.isVisible() && prompt.result() != QDialog::Accepted);
        }
        prompt.PasswordField()->setText("Se");
        QTest::keyClicks(prompt.PasswordField(), "cret1");
        QTest::keyClick(prompt.PasswordField(), Qt::Key_Return);
    });
    Window().OnOpenCreateDiary();
    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Shown(), (QStringList{ByTitle("You must enter at least 3 characters!"),
                                    ByTitle(CAnsiCodec::UnsupportedMessage()), ByTitle(kInvalid)}));
    EXPECT_EQ(RowCount(Window()), 4);
}

TEST_F(MainWindowTest, ANewNameCreatesItsFoldersAndAnEmptyDiaryWithoutAPrompt)
{
    // A first diary in folders not there yet: made, folders and all.
    const QString path = PathOf("Diaries/2026/holiday.ilm");
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(window.windowTitle(), "Dayloom v2.21 - holiday");
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(window.Session()->Path(), Encoded(path));
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(Remembered(), QStringLiteral("%1|%2|holiday").arg(path).arg(ExtLocOf(path)));

    // Its first entry asks a password, no Cancel: length first, then the match.
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_FALSE(prompt.CancelButton()->isEnabled());
        EXPECT_EQ(prompt.FileField()->text(), "holiday");
        EXPECT_EQ(prompt.FileField()->cursorPosition(), 0) << "a long name shows its start";
        QTest::keyClick(&prompt,
                        Qt::Key_Escape); // refused: there is no way around it
        EXPECT_TRUE(prompt.isVisible());
        Type(prompt, "ab", QStringLiteral("xy"));
        prompt.PasswordField()->clear();
        Type(prompt, "NewPass", QStringLiteral("NewPast"));
        EXPECT_TRUE(prompt.isVisible());
        prompt.PasswordField()->clear();
        Type(prompt, "NewPass");
    });
    std::string handedPassword;
    CModal::PushHandler([&](QDialog&) { // the editor: discarded
        handedPassword = window.Session()->Password();
    });
    window.OnNewEntry();
    EXPECT_EQ(Shown(), (QStringList{ByTitle("You are creating a new diary and you must specify a "
                                            "password for it. The password is case SeNsItIvE!"),
                                    ByTitle("You must enter at least 3 characters!"),
                                    ByTitle("The passwords do not match!")}));
    EXPECT_EQ(handedPassword, "NewPass");
    EXPECT_TRUE(window.Session()->IsNew());
}

// Bad names and files are refused before any prompt, nothing changed.
TEST_F(MainWindowTest, BadNamesAndFilesAreToldBeforeThePasswordAndNothingChanges)
{
    CSettings::WriteProfileString("DiaryFile", "kept");
    QDir(m_dir.path()).mkdir("x.ilm");
    QDir(m_dir.path()).mkdir("x.dayloom");
    WriteFile(PathOf("empty.dayloom"), "");
    WriteFile(PathOf("junk.dayloom"), QByteArray(400, 'j'));
    WriteFile(PathOf("junk.ilm"), "Dear diary, this is a letter.");
    const auto snapshot = [this] {
        QStringList files;
        for (const QFileInfo& info :
             QDir(m_dir.path())
                 .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                QDir::Name)) {
            files << info.fileName() + QString::number(info.size()) +
                         info.lastModified().toString(Qt::ISODateWithMs);
        }
        return files;
    };
    const QStringList before = snapshot();
    const long limit = pathconf(Encoded(m_dir.path()).c_str(), _PC_NAME_MAX);
    const QString caption = "Open/Create Diary - Dayloom v2.21 | ";
    const QString damaged = " is damaged or was altered. Nothing was opened.";
    const std::pair<QString, QString> cases[] = {
        {"holiday.", caption + "A diary's file name needs an extension, as in travel.ilm. "
                               "Please choose another name."},
        // NAME.ilm fits, NAME.ilm.draft.damaged would not.
        {QString(static_cast<int>(limit) - 12, QLatin1Char('a')) + ".ilm",
         caption + "This file name is too long for a diary. Please choose a "
                   "shorter name."},
        {"x.ilm", ByTitle("x.ilm is a folder, not a diary. Nothing was opened.")},
        {"x.dayloom", ByTitle("x.dayloom is a folder, not a diary. Nothing was opened.")},
        {"empty.dayloom", ByTitle("The diary file empty.dayloom" + damaged)},
        {"junk.dayloom", ByTitle("The diary file junk.dayloom" + damaged)},
        {"junk.ilm", ByTitle("The file junk.ilm is not a Dayloom diary, or it is damaged. "
                             "Nothing was opened.")}};
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name.toStdString());
        CMessageBox::ClearHistory();
        CFileDialogs::PushDiary(PathOf(name));
        Window().OnOpenCreateDiary(); // no prompt is queued: none may come
        EXPECT_EQ(Shown(), QStringList{message});
        EXPECT_EQ(Window().Session(), nullptr);
        EXPECT_TRUE(CModal::Unanswered().empty());
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(CSettings::GetProfileString("DiaryFile"), "kept");
    }
}

// The window paints while a worker unlocks; a cancelled worker ends on its own.
TEST_F(MainWindowTest, UnlockingRunsBehindAWaitThatCancelEndsWithNothingOpen)
{
    const QString sealed = PathOf("travel.dayloom");
    ASSERT_TRUE(CDiaryConversion::Encrypt(NameOf(MakeSampleDiary()), Encoded(sealed),
                                          "a walk by the river", KdfParams::Cheapest())
                    .ok());
    // A slow derivation: the worker's opening of the file waits for the test.
    std::atomic<bool> released{false};
    CFileFaults::Install([&released, path = Encoded(sealed)](FileOp op, const std::string& at) {
        if (op == FileOp::Open && at == path && QThread::currentThread() != qApp->thread()) {
            while (!released)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return 0;
    });
    CDayloomDlg& window = Window();
    const PaintCounter painted(window);
    const int& paints = painted.paints;
    QString waitText;
    int paintsBefore = -1;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto* wait = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (wait == nullptr || wait->objectName() != "BackgroundWorkDlg")
            return;
        if (paintsBefore < 0) {
            waitText = wait->findChild<QLabel*>("text")->text();
            paintsBefore = paints;
            window.update();
        } else if (paints > paintsBefore) {
            user.stop();
            widgettest::Click(*wait, "cancelButton");
        }
    });
    user.start(5);
    CFileDialogs::PushDiary(sealed);
    AnswerPrompt("a walk by the river");
    window.OnOpenCreateDiary();
    EXPECT_EQ(waitText, "Unlocking...");
    EXPECT_GT(paints, paintsBefore) << "the window paints while it waits";
    ExpectNoDiary(window);
    EXPECT_EQ(CBackgroundWork::Running(), 1);
    released = true;
    QTRY_COMPARE(CBackgroundWork::Running(), 0);
    CFileFaults::Install({});
    EXPECT_EQ(window.Session(), nullptr) << "the finished work's session is dropped";
    OpenThroughMenu(sealed, "a walk by the river");
    EXPECT_EQ(RowCount(window), 4);
}
