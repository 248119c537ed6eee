// The File menu's export, backup and restore items on an open diary: the
// export asks the diary's password and writes the file chosen, a backup restored over a changed
// diary brings the old one back and opens it with its password.
#include "MainWindowFixture.h"

#include <QDialog>

TEST_F(MainWindowTest, ExportBackUpAndRestoreFromTheFileMenu)
{
    CDayloomDlg& window = OpenSample();
    // The password first: cancelled, nothing is asked or written.
    OnPrompt([](CSecurityDlg& prompt) { QTest::keyClick(&prompt, Qt::Key_Escape); });
    ActionOf(window, "&Export diary...")->trigger();
    EXPECT_TRUE(CModal::Unanswered().empty()) << "no export options after Cancel";
    EXPECT_TRUE(CMessageBox::History().empty());
    AnswerPrompt("Secret1");
    CModal::PushHandler([](QDialog& options) { QTest::keyClick(&options, Qt::Key_Return); });
    CFileDialogs::PushFile(PathOf("sample.csv"));
    ActionOf(window, "&Export diary...")->trigger();
    EXPECT_EQ(CMessageBox::History().back().text,
              "4 entries were exported to " + PathOf("sample.csv") + ".");

    CFileDialogs::PushFile(PathOf("sample-backup.zip"));
    ActionOf(window, "&Back up diary...")->trigger();
    ASSERT_TRUE(QFile::exists(PathOf("sample-backup.zip")));

    // The diary loses an entry; restoring over it (after a Yes) opens the
    // backup's four entries again, behind the password prompt.
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    Click("Delete");
    ASSERT_EQ(RowCount(window), 3);
    CFileDialogs::PushFile(PathOf("sample-backup.zip"));
    CFileDialogs::PushFolder(m_dir.path());
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    AnswerPrompt("Secret1");
    ActionOf(window, "&Restore from backup...")->trigger();
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(CModal::Pending(), 0);
}
