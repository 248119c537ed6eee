// The File menu's moves between the two kinds of diary, driven through the
// menu: a four-file diary encrypted (read back, old files removed on Yes,
// the encrypted diary opened with the same password), and a decrypted copy
// written back byte for byte after the warning.
#include "MainWindowFixture.h"
#include "store/EncryptedSession.h"

namespace {
// The file's bytes, empty when it cannot be read.
QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(MainWindowTest, DiaryEncryptedThroughTheMenuAndCopiedBackDecrypted)
{
    CDayloomDlg& window = OpenSample();
    const QStringList names{"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"};
    std::vector<QByteArray> original;
    for (const QString& name : names) {
        original.push_back(Bytes(PathOf(name)));
    }

    CMessageBox::PushAnswer(CMessageBox::Answer::Yes); // remove the old files
    AnswerPrompt("Secret1");                           // the encrypted diary opens
    ActionOf(window, "E&ncrypt diary...")->trigger();
    ASSERT_NE(window.Session(), nullptr);
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"travel.dayloom"});
    const QByteArray encrypted = Bytes(PathOf("travel.dayloom"));
    EXPECT_FALSE(encrypted.isEmpty());
    EXPECT_FALSE(encrypted.contains("Sunny"));
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile"), PathOf("travel.dayloom"));

    CMessageBox::ClearHistory();
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, "Save &decrypted copy...")->trigger();
    EXPECT_FALSE(QFileInfo::exists(PathOf("travel.ilm"))) << "No writes nothing";
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    ActionOf(window, "Save &decrypted copy...")->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith("The copy is not encrypted"));
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(Bytes(PathOf(names[i])), original[i]) << names[i].toStdString();
    }
}

TEST_F(MainWindowTest, NewEncryptedDiaryIsWrittenWithItsFirstEntryAndOpensWithItsPassword)
{
    const QString path = PathOf("holiday.dayloom");
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing is written before the password";

    // A password given with a discarded editor is replaced by the next one.
    AnswerPrompt("Dropped");
    CModal::PushHandler([](QDialog&) {});
    window.OnNewEntry();
    EXPECT_FALSE(QFileInfo::exists(path));
    AnswerPrompt("Holiday1");
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Swam in the sea."); });
    window.OnNewEntry();
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_FALSE(Bytes(path).isEmpty());
    EXPECT_FALSE(Bytes(path).contains("sea"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"holiday.dayloom"});

    CMessageBox::ClearHistory();
    OpenThroughMenu(path, "Dropped");
    EXPECT_EQ(window.Session(), nullptr);
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].startsWith(ByTitle("The password")));
    OpenThroughMenu(path, "Holiday1");
    EXPECT_EQ(State(window), "1 @0: Swam in the sea.");
}

TEST_F(MainWindowTest, NewEncryptedDiaryAsksItsPasswordBeforeAFirstReminder)
{
    CFileDialogs::PushDiary(PathOf("plans.dayloom"));
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    AnswerPrompt("Plans1");
    CModal::PushHandler([](QDialog& dialog) { dialog.reject(); }); // the Reminders window
    window.OnReminders();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(window.Session()->Password(), "Plans1");
}
