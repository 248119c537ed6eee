// The File menu's moves between the two kinds of diary: a four-file diary
// encrypted under a new password, a decrypted copy under its own password;
// and a new encrypted diary.
#include "MainWindowFixture.h"
#include "app/CurrentPassword.h"
#include "planning/RemindersDlg.h"
#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedSession.h"
#include "widgets/ScrambledDiaryBar.h"

#include <QToolButton>

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

    // An unsaved draft of the four-file diary goes along, sealed anew.
    EntryDraft draft;
    draft.rtf = "{\\rtf1 unsaved}";
    ASSERT_TRUE(CDraftFile(NameOf(PathOf("travel.ilm")))
                    .Write(draft, *CDraftSealer::ForSession(*window.Session()))
                    .ok());
    AnswerNewPassword("a walk by the river");          // the encrypted diary's password
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes); // remove the old files
    AnswerPrompt("a walk by the river");               // the encrypted diary opens
    ActionOf(window, "E&ncrypt diary...")->trigger();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session(), nullptr);
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              (QStringList{"travel.dayloom", "travel.dayloom.draft"}));
    EXPECT_TRUE(CMessageBox::History().back().text.endsWith(
        "Copies of them elsewhere (backups, synced copies) are not removed."));
    EntryDraft moved;
    EXPECT_EQ(CDraftFile(NameOf(PathOf("travel.dayloom")))
                  .Read(moved, *CDraftSealer::ForSession(*window.Session())),
              CDraftFile::ReadResult::Ok);
    EXPECT_EQ(moved, draft);
    const QByteArray encrypted = Bytes(PathOf("travel.dayloom"));
    EXPECT_FALSE(encrypted.isEmpty());
    EXPECT_FALSE(encrypted.contains("Sunny"));
    EXPECT_EQ(CSettings::GetProfileString("DiaryFile"), PathOf("travel.dayloom"));

    // The diary's password first: a wrong one is said and may be tried
    // again; Cancel asks and writes nothing more.
    CMessageBox::ClearHistory();
    OnPrompt([](CSecurityDlg& prompt) {
        EXPECT_EQ(prompt.windowTitle(), "Security - Dayloom v2.21");
        Type(prompt, "a walk by the sea");
        EXPECT_TRUE(prompt.isVisible());
        EXPECT_EQ(widgettest::LastMessage(), CCurrentPassword::WrongPasswordMessage());
        QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton);
    });
    ActionOf(window, "Save &decrypted copy...")->trigger();
    EXPECT_EQ(CMessageBox::History().size(), 1u);
    CMessageBox::ClearHistory();
    AnswerPrompt("a walk by the river");
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, "Save &decrypted copy...")->trigger();
    EXPECT_FALSE(QFileInfo::exists(PathOf("travel.ilm"))) << "No writes nothing";
    AnswerPrompt("a walk by the river");
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    AnswerNewPassword("Secret1"); // the copy's password: the old one
    ActionOf(window, "Save &decrypted copy...")->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(CMessageBox::History()[0].text.startsWith("The copy is not encrypted"));
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(Bytes(PathOf(names[i])), original[i]) << names[i].toStdString();
    }
}

TEST_F(MainWindowTest, NewEncryptedDiaryTakesItsPasswordAtAFirstEntryOrReminderAndItsCopyWarns)
{
    const QString path = PathOf("holiday.dayloom");
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_TRUE(window.Session()->IsNew());
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing is written before the password";

    // A password given with a discarded editor is replaced by the next one.
    AnswerPrompt("Dropped in the sea");
    CModal::PushHandler([](QDialog&) {});
    window.OnNewEntry();
    EXPECT_FALSE(QFileInfo::exists(path));
    AnswerPrompt("Holiday in Crete, 2026");
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Swam in the sea."); });
    window.OnNewEntry();
    ASSERT_EQ(RowCount(window), 1);
    EXPECT_FALSE(Bytes(path).isEmpty());
    EXPECT_FALSE(Bytes(path).contains("sea"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"holiday.dayloom"});

    CMessageBox::ClearHistory();
    OpenThroughMenu(path, "Dropped in the sea");
    EXPECT_EQ(window.Session(), nullptr);
    ASSERT_EQ(Shown().size(), 1);
    EXPECT_TRUE(Shown()[0].startsWith(ByTitle("The password")));
    OpenThroughMenu(path, "Holiday in Crete, 2026");
    EXPECT_EQ(State(window), "1 @0: Swam in the sea.");

    // Another asks its password before a first reminder.
    CFileDialogs::PushDiary(PathOf("plans.dayloom"));
    window.OnOpenCreateDiary();
    AnswerPrompt("Plans for the garden");
    CModal::PushHandler([](QDialog& dialog) {
        auto& reminders = dynamic_cast<CRemindersDlg&>(dialog);
        widgettest::TypeText(reminders.DescriptionEdit(), QString::fromUtf8("Да"));
        QTest::mouseClick(reminders.AddButton(), Qt::LeftButton);
        QTest::mouseClick(reminders.OkButton(), Qt::LeftButton);
    });
    window.OnReminders();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(window.Session()->Password(), "") << "the key alone protects it";

    // A plain copy warns of the texts the four files cannot hold.
    CMessageBox::ClearHistory();
    AnswerPrompt("Plans for the garden"); // the diary's password first
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, "Save &decrypted copy...")->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              "The four files cannot hold every character of these reminders and tasks; each "
              "one they lack becomes \"?\": Да. Write the copy all the same?");
    EXPECT_FALSE(QFileInfo::exists(PathOf("plans.ilm")));
}

TEST_F(MainWindowTest, ScrambledDiaryBarOffersEncryptionAndStaysClosedForThatDiary)
{
    CDayloomDlg& window = OpenSample();
    auto* bar = window.findChild<CScrambledDiaryBar*>("scrambledBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_NE(bar->findChild<QLabel*>(), nullptr);
    EXPECT_EQ(bar->findChild<QLabel*>()->text(),
              "This diary is only scrambled: anyone with its files can read it.");

    // Its button encrypts the diary; the old files are kept (No).
    AnswerNewPassword("a walk by the river");
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    AnswerPrompt("a walk by the river");
    QTest::mouseClick(bar->EncryptButton(), Qt::LeftButton);
    ASSERT_NE(window.Session(), nullptr);
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_FALSE(bar->isVisible()) << "an encrypted diary is not only scrambled";

    // Closed for the four-file diary, it stays closed for that diary.
    OpenThroughMenu(PathOf("travel.ilm"));
    EXPECT_TRUE(bar->isVisible());
    QTest::mouseClick(bar->CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(bar->isVisible());
    OpenThroughMenu(PathOf("travel.dayloom"), "a walk by the river");
    OpenThroughMenu(PathOf("travel.ilm"));
    EXPECT_FALSE(bar->isVisible());
}
