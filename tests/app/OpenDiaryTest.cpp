// Opening and creating diaries from the main window: the file dialog, the
// password prompt's answers, the window's state and the settings written.
#include "MainWindowFixture.h"
#include "platform/AnsiCodec.h"

#include <cerrno>

namespace {
const QString kInvalid = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");
} // namespace

TEST_F(MainWindowTest, StartsWithNoDiaryAndACancelledChoiceForgetsTheLastOne)
{
    CSettings::WriteProfileString("DiaryFile", "old");
    CDayloomDlg& window = Window();
    ExpectNoDiary(window);
    EXPECT_FALSE(Part<QLineEdit>(window, "searchText")->isEnabled());
    window.OnOpenCreateDiary(); // nothing queued: cancelled
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile", "x"), QString());
    EXPECT_EQ(CSettings::GetProfileInt("ExtLoc", -1), 0);

    // New entry without a diary asks for one first; cancelling ends it quietly.
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(MainWindowTest, RightPasswordLoadsTheDiaryAndTheButtonsMoveThroughIt)
{
    const QString path = MakeSampleDiary();
    CDayloomDlg& window = OpenThroughMenu(path);
    EXPECT_TRUE(Shown().isEmpty());
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
    EXPECT_EQ(Shown(), QStringList{ByApp("There are no more entries in this diary!")});
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
                // Said over the prompt, which stays with the password
                // selected, for as many tries as the user wants.
                for (int tries = 0; tries < 2; ++tries) {
                    Type(prompt, typed);
                    EXPECT_TRUE(prompt.isVisible());
                    EXPECT_EQ(prompt.PasswordField()->selectedText(), typed);
                }
                QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
                return;
            }
            // The prompt shows the file title and takes twenty characters, masked.
            EXPECT_EQ(prompt.FileField()->text(), "travel");
            EXPECT_EQ(prompt.PasswordField()->echoMode(), QLineEdit::Password);
            EXPECT_TRUE(prompt.CancelButton()->isEnabled());
            EXPECT_TRUE(prompt.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            EXPECT_FALSE(prompt.windowFlags().testFlag(Qt::WindowCloseButtonHint));
            QTest::keyClicks(prompt.PasswordField(), "abcdefghijklmnopqrstuvwxyz");
            EXPECT_EQ(prompt.PasswordField()->text().size(), 20);
            QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
        });
        Window().OnOpenCreateDiary();
        const QStringList said = {ByTitle(kInvalid), ByTitle(kInvalid)};
        EXPECT_EQ(Shown(), typed.isEmpty() ? QStringList() : said);
        ExpectNoDiary(Window());
        EXPECT_FALSE(QFileInfo::exists(PathOf("travel.lock"))) << "a diary not opened stays free";
        // Only the title was remembered; the last diary is still the old one.
        EXPECT_EQ(Remembered(), PathOf("old.ilm|7|travel"));
    }
    // The right password after a wrong one opens the diary.
    CFileDialogs::PushDiary(path);
    OnPrompt([](CSecurityDlg& prompt) {
        Type(prompt, "wrong!");
        Type(prompt, "Secret1");
    });
    Window().OnOpenCreateDiary();
    EXPECT_EQ(RowCount(Window()), 4);
}

TEST_F(MainWindowTest, TooShortOrUnencodablePasswordKeepsThePromptOpen)
{
    CFileDialogs::PushDiary(MakeSampleDiary());
    std::vector<bool> stillOpen;
    OnPrompt([&](CSecurityDlg& prompt) {
        for (const QString typed : {"Se", "Secret\u0416"}) {
            prompt.PasswordField()->setText(typed);
            QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
            stillOpen.push_back(prompt.isVisible() && prompt.result() != QDialog::Accepted);
        }
        prompt.PasswordField()->setText("Se");
        QTest::keyClicks(prompt.PasswordField(), "cret1");
        QTest::keyClick(prompt.PasswordField(), Qt::Key_Return);
    });
    Window().OnOpenCreateDiary();
    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true}));
    EXPECT_EQ(Shown(), (QStringList{ByTitle("You must enter at least 3 characters!"),
                                    ByTitle(CAnsiCodec::UnsupportedMessage())}));
    EXPECT_EQ(RowCount(Window()), 4);
}

TEST_F(MainWindowTest, ANewNameCreatesItsFoldersAndAnEmptyDiaryWithoutAPrompt)
{
    // A user typing ~/Diaries/holiday for a first diary saw "... was not
    // found." and could never save an entry.
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

    // Its first new entry asks for a password that cannot be cancelled,
    // typed twice: the length is checked first, then the two must match.
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

TEST_F(MainWindowTest, NamesWithoutAUsableExtensionOrTooLongAreRefusedBeforeAnythingIsMade)
{
    CSettings::WriteProfileString("DiaryFile", "kept");
    const long limit = pathconf(Encoded(m_dir.path()).c_str(), _PC_NAME_MAX);
    const QString caption = "Open/Create Diary - Dayloom v2.21 | ";
    const std::pair<QString, QString> cases[] = {
        {"holiday.", caption + "A diary's file name needs an extension, as in travel.ilm. "
                               "Please choose another name."},
        // NAME.ilm fits, NAME.ilm.draft.damaged would not.
        {QString(static_cast<int>(limit) - 12, QLatin1Char('a')) + ".ilm",
         caption + "This file name is too long for a diary. Please choose a "
                   "shorter name."}};
    for (const auto& [name, message] : cases) {
        CMessageBox::ClearHistory();
        CFileDialogs::PushDiary(PathOf(name));
        Window().OnOpenCreateDiary();
        EXPECT_EQ(Shown(), QStringList{message});
        EXPECT_EQ(Window().Session(), nullptr);
        EXPECT_EQ(CSettings::GetProfileString("DiaryFile"), "kept");
        EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    }
}

TEST_F(MainWindowTest, AFileErrorInACommandIsShownWithTheProgramName)
{
    OpenSample();
    const std::string data = Encoded(PathOf("travel.dlm"));
    CFileFaults::Install([data](FileOp op, const std::string& file) {
        return op == FileOp::Read && file == data ? EIO : 0;
    });
    Window().OnFirst();
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].startsWith(ByApp(QString())));
    EXPECT_TRUE(Shown()[0].contains("travel.dlm"));
}
