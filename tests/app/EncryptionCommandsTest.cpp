// The File menu's moves between the two kinds of diary, driven through the
// menu: a four-file diary encrypted (read back, old files removed on Yes,
// the encrypted diary opened with the same password), and a decrypted copy
// written back byte for byte after the warning.
#include "MainWindowFixture.h"
#include "store/EncryptedSession.h"

TEST_F(MainWindowTest, DiaryEncryptedThroughTheMenuAndCopiedBackDecrypted)
{
    CDayloomDlg& window = OpenSample();
    std::vector<QByteArray> original;
    for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"}) {
        QFile file(PathOf(QString::fromLatin1(name)));
        original.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }

    CMessageBox::PushAnswer(CMessageBox::Answer::Yes); // remove the old files
    AnswerPrompt(QStringLiteral("Secret1"));           // the encrypted diary opens
    ActionOf(window, QStringLiteral("&Encrypt diary..."))->trigger();
    ASSERT_NE(window.Session(), nullptr);
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.ilm"))));
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.dlm"))));
    QFile encrypted(PathOf(QStringLiteral("travel.dayloom")));
    ASSERT_TRUE(encrypted.open(QIODevice::ReadOnly));
    EXPECT_FALSE(encrypted.readAll().contains("Sunny"));
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile"), QString()),
              PathOf(QStringLiteral("travel.dayloom")));

    CMessageBox::ClearHistory();
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, QStringLiteral("Save &decrypted copy..."))->trigger();
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.ilm")))) << "No writes nothing";
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    ActionOf(window, QStringLiteral("Save &decrypted copy..."))->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(
        CMessageBox::History()[0].text.startsWith(QStringLiteral("The copy is not encrypted")));
    size_t i = 0;
    for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"}) {
        QFile file(PathOf(QString::fromLatin1(name)));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), original[i++])
            << name;
    }
}

TEST_F(MainWindowTest, NewEncryptedDiaryIsWrittenWithItsFirstEntryAndOpensWithItsPassword)
{
    const QString path = PathOf(QStringLiteral("holiday.dayloom"));
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing is written before the password";

    const auto writeEntry = [&](const QString& password, const QString& text) {
        OnPrompt([password](CSecurityDlg& prompt) { Type(prompt, password); });
        CModal::PushHandler([text](QDialog& dialog) {
            auto& editor = dynamic_cast<CNewEntryDlg&>(dialog);
            editor.findChild<CEntryRichEdit*>()->setPlainText(text);
            CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
            QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("save")),
                              Qt::LeftButton);
        });
        window.OnNewEntry();
    };
    // A password given with a discarded editor is replaced by the next one.
    OnPrompt([](CSecurityDlg& prompt) { Type(prompt, QStringLiteral("Dropped")); });
    CModal::PushHandler([](QDialog&) {});
    window.OnNewEntry();
    EXPECT_FALSE(QFileInfo::exists(path));
    writeEntry(QStringLiteral("Holiday1"), QStringLiteral("Swam in the sea."));
    ASSERT_EQ(RowCount(window), 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("sea"));
    EXPECT_EQ(QDir(PathOf(QString())).entryList(QDir::Files),
              (QStringList{QStringLiteral("holiday.dayloom"), QStringLiteral("holiday.lock")}));

    CMessageBox::ClearHistory();
    OpenThroughMenu(path, QStringLiteral("Dropped"));
    EXPECT_EQ(window.Session(), nullptr);
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith(QStringLiteral("The password")));
    OpenThroughMenu(path, QStringLiteral("Holiday1"));
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_EQ(window.EntryView()->toPlainText().trimmed(), QStringLiteral("Swam in the sea."));
}

TEST_F(MainWindowTest, NewEncryptedDiaryAsksItsPasswordBeforeAFirstReminder)
{
    CFileDialogs::PushDiary(PathOf(QStringLiteral("plans.dayloom")));
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    OnPrompt([](CSecurityDlg& prompt) { Type(prompt, QStringLiteral("Plans1")); });
    CModal::PushHandler([](QDialog& dialog) { dialog.reject(); }); // the Reminders window
    window.OnReminders();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(window.Session()->Password(), "Plans1");
}
