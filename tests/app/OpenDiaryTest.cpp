// Opening and creating diaries from the main window: the file dialog, the
// password prompt's answers, the window's state and the settings written.
#include "MainWindowFixture.h"

#include <cerrno>

namespace {
const QString kInvalid = QStringLiteral(
    "The password you've specified is invalid for this diary! Please make sure you are opening "
    "the diary you wish to and that you are entering the password correctly. Remember, the "
    "password is case sEnSiTiVe!");
}

TEST_F(MainWindowTest, StartsWithNoDiaryAndTheWelcomeText)
{
    CDayloomDlg& window = Window();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21"));
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_FALSE(Part<QLineEdit>(window, "searchText")->isEnabled());
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(window.EntryView()->toPlainText(),
              QStringLiteral("Welcome to Dayloom v2.21 - your personal diary\n= e-mail: mailto:") +
                  CAppInfo::MailAddress() + QStringLiteral("\n= WWW: ") + CAppInfo::WebSite() +
                  QStringLiteral("\nEnjoy!"));
    EXPECT_TRUE(CMessageBox::History().empty());
}

TEST_F(MainWindowTest, RightPasswordLoadsListFieldsAndSettings)
{
    const QString path = MakeSampleDiary();
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();

    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21 - travel"));
    ASSERT_EQ(RowCount(window), 4);
    EXPECT_TRUE(window.EntryList()->isEnabled());
    EXPECT_EQ(RowLine(window, 0), QStringLiteral("05 - Dec\t - 2026, Sat,\t at 09:05:07"));
    EXPECT_EQ(RowLine(window, 3), QStringLiteral("08 - Dec\t - 2026, Tue,\t at 12:00:00"));
    EXPECT_EQ(window.Graph()->m_nCount, 4);
    EXPECT_EQ(window.Graph()->m_pMood[0], -3);
    EXPECT_FLOAT_EQ(window.Graph()->m_pTemperature[1], 36.6f);

    // The last entry is shown with its labels and face.
    EXPECT_EQ(SelectedRow(window), 3);
    EXPECT_EQ(window.EntryView()->toPlainText(), QStringLiteral("More rain in the evening."));
    EXPECT_EQ(Field(window, "moodField")->text(), QStringLiteral("Excellent"));
    EXPECT_EQ(Field(window, "dreamField")->text(), QStringLiteral("Fun"));
    EXPECT_EQ(Field(window, "weightField")->text(), QStringLiteral("0"));
    EXPECT_EQ(Field(window, "temperatureField")->text(), QStringLiteral("0.0"));
    EXPECT_FALSE(Part<QLabel>(window, "facePicture")->pixmap().isNull());

    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), path);
    EXPECT_EQ(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0), ExtLocOf(path));
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("shortFile")), QStringLiteral("travel"));
}

TEST_F(MainWindowTest, WrongPasswordOrWrongCaseClosesTheDiaryAgain)
{
    const QString remembered = PathOf(QStringLiteral("old.ilm"));
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), remembered);
    const QString path = MakeSampleDiary();

    for (const QString& typed : {QStringLiteral("wrong!"), QStringLiteral("secret1")}) {
        CMessageBox::ClearHistory();
        OpenThroughMenu(path, typed);
        CDayloomDlg& window = Window();
        ASSERT_EQ(CMessageBox::History().size(), 1u) << typed.toStdString();
        EXPECT_EQ(CMessageBox::History()[0].text, kInvalid);
        EXPECT_EQ(CMessageBox::History()[0].caption, QStringLiteral("Dayloom v2.21"));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21"));
        EXPECT_EQ(window.Session(), nullptr);
        EXPECT_EQ(RowCount(window), 0);
        EXPECT_FALSE(window.EntryList()->isEnabled());
        // Only the title was remembered; the last diary is still the old one.
        EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), remembered);
        EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("shortFile")),
                  QStringLiteral("travel"));
    }
}

TEST_F(MainWindowTest, TooShortOrUnencodablePasswordKeepsThePromptOpen)
{
    CFileDialogs::PushDiary(MakeSampleDiary());
    std::vector<bool> stillOpen;
    OnPrompt([&](CSecurityDlg& prompt) {
        Type(prompt, QStringLiteral("Se"));
        stillOpen.push_back(prompt.isVisible() && prompt.result() != QDialog::Accepted);
        prompt.PasswordField()->setText(QStringLiteral("Secret\u0416"));
        QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
        stillOpen.push_back(prompt.isVisible() && prompt.result() != QDialog::Accepted);
        prompt.PasswordField()->setText(QStringLiteral("Se"));
        QTest::keyClicks(prompt.PasswordField(), QStringLiteral("cret1"));
        QTest::keyClick(prompt.PasswordField(), Qt::Key_Return);
    });
    Window().OnOpenCreateDiary();

    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true}));
    EXPECT_EQ(MessageTexts(),
              (std::vector<QString>{QStringLiteral("You must enter at least 3 characters!"),
                                    CAnsiCodec::UnsupportedMessage()}));
    EXPECT_EQ(CMessageBox::History()[0].caption, QStringLiteral("Dayloom v2.21"));
    EXPECT_EQ(RowCount(Window()), 4);
}

TEST_F(MainWindowTest, CancelledPromptLeavesNoDiaryAndKeepsTheRememberedOne)
{
    const QString remembered = PathOf(QStringLiteral("old.ilm"));
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), remembered);
    CSettings::WriteProfileInt(QStringLiteral("ExtLoc"), 7);
    CFileDialogs::PushDiary(MakeSampleDiary());
    // The prompt shows the file title and takes twenty characters, masked.
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(prompt.FileField()->text(), QStringLiteral("travel"));
        EXPECT_EQ(prompt.PasswordField()->echoMode(), QLineEdit::Password);
        EXPECT_TRUE(prompt.CancelButton()->isEnabled());
        EXPECT_TRUE(prompt.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_FALSE(prompt.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QTest::keyClicks(prompt.PasswordField(), QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        EXPECT_EQ(prompt.PasswordField()->text().size(), 20);
        QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
    });
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();

    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21"));
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(RowCount(window), 0);
    EXPECT_EQ(window.EntryView()->toPlainText(), CEntryPanel::WelcomeText());
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), remembered);
    EXPECT_EQ(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0), 7);
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("shortFile")), QStringLiteral("travel"));
}

TEST_F(MainWindowTest, ANewNameCreatesAnEmptyDiaryWithoutAPrompt)
{
    const QString path = PathOf(QStringLiteral("holiday.ilm"));
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();

    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21 - holiday"));
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(window.Session()->Path(), Encoded(path));
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(window.EntryList()->isEnabled());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), path);
    EXPECT_EQ(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), 0), ExtLocOf(path));

    // Its first new entry asks for a password that cannot be cancelled,
    // typed twice: the length is checked first, then the two must match.
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_FALSE(prompt.CancelButton()->isEnabled());
        EXPECT_EQ(prompt.FileField()->text(), QStringLiteral("holiday"));
        EXPECT_EQ(prompt.FileField()->cursorPosition(), 0) << "a long name shows its start";
        QTest::keyClick(&prompt, Qt::Key_Escape); // refused: there is no way around it
        EXPECT_TRUE(prompt.isVisible());
        Type(prompt, QStringLiteral("ab"), QStringLiteral("xy"));
        prompt.PasswordField()->clear();
        Type(prompt, QStringLiteral("NewPass"), QStringLiteral("NewPast"));
        EXPECT_TRUE(prompt.isVisible());
        prompt.PasswordField()->clear();
        Type(prompt, QStringLiteral("NewPass"));
    });
    std::string handedPassword;
    CModal::PushHandler([&](QDialog&) { // the editor: discarded
        handedPassword = window.Session()->Password();
    });
    window.OnNewEntry();

    EXPECT_EQ(MessageTexts(),
              (std::vector<QString>{
                  QStringLiteral("You are creating a new diary and you must specify a password "
                                 "for it. The password is case SeNsItIvE!"),
                  QStringLiteral("You must enter at least 3 characters!"),
                  QStringLiteral("The passwords do not match!")}));
    EXPECT_EQ(CMessageBox::History().back().caption, QStringLiteral("Dayloom v2.21"));
    EXPECT_EQ(handedPassword, "NewPass");
    EXPECT_TRUE(window.Session()->IsNew());
}

TEST_F(MainWindowTest, ANewNameInAFolderNotYetMadeCreatesTheFolderAndTheDiary)
{
    // A user typing ~/Diaries/travel for a first diary saw "... was not
    // found." and could never save an entry.
    const QString path = PathOf(QStringLiteral("Diaries/2026/travel.ilm"));
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();

    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Dayloom v2.21 - travel"));
    EXPECT_TRUE(window.Session()->IsNew());
}

TEST_F(MainWindowTest, ANameWithoutAUsableExtensionIsRefused)
{
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), QStringLiteral("kept"));
    CFileDialogs::PushDiary(PathOf(QStringLiteral("holiday.")));
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();

    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].caption,
              QStringLiteral("Open/Create Diary - Dayloom v2.21"));
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile")), QStringLiteral("kept"));
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowTest, CancelledFileDialogWritesTheCurrentDiaryAgain)
{
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), QStringLiteral("old"));
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary(); // nothing queued: cancelled
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile"), QStringLiteral("x")),
              QString());
    EXPECT_EQ(CSettings::GetProfileInt(QStringLiteral("ExtLoc"), -1), 0);

    // New entry without a diary asks for one first; cancelling ends it quietly.
    QTest::keyClick(&window, Qt::Key_F2);
    EXPECT_TRUE(CMessageBox::History().empty());
    EXPECT_TRUE(CModal::Unanswered().empty());
}

TEST_F(MainWindowTest, SavedNewEntryRefillsTheList)
{
    const QString path = MakeSampleDiary();
    OpenThroughMenu(path, QStringLiteral("Secret1"));
    CDayloomDlg& window = Window();
    std::string handedPassword;
    CModal::PushHandler([&](QDialog& dialog) {
        auto& editor = dynamic_cast<CNewEntryDlg&>(dialog);
        handedPassword = window.Session()->Password();
        editor.findChild<CEntryRichEdit*>()->setPlainText(QStringLiteral("Written today."));
        CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
        QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
    });
    window.OnNewEntry();

    EXPECT_EQ(handedPassword, "Secret1");
    ASSERT_EQ(RowCount(window), 5);
    EXPECT_EQ(SelectedRow(window), 4);
    EXPECT_EQ(window.EntryView()->toPlainText().trimmed(), QStringLiteral("Written today."));
    EXPECT_EQ(window.Graph()->m_nCount, 5);
}

TEST_F(MainWindowTest, AFileErrorInACommandIsShownWithTheProgramName)
{
    OpenSample();
    const QString data = PathOf(QStringLiteral("travel.dlm"));
    CFileFaults::Install([data](FileOp op, const std::string& file) {
        return op == FileOp::Read && file == Encoded(data) ? EIO : 0;
    });
    Window().OnFirst();
    CFileFaults::Install({});

    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].caption, CAppInfo::AppName());
    EXPECT_TRUE(CMessageBox::History()[0].text.contains(QStringLiteral("travel.dlm")));
}
