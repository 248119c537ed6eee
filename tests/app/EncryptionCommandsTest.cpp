// The File menu's moves between the two kinds of diary, driven through the
// menu: a four-file diary encrypted under a new password (read back, old
// files removed on Yes, the encrypted diary opened with the new password),
// and a decrypted copy under the copy's own password, byte for byte the old
// files when that is their password, after a warning when texts in any script
// would keep only their Windows-1252 form; the diary's password asked before a
// plain copy and before its change.
#include "MainWindowFixture.h"
#include "app/CurrentPassword.h"
#include "store/DraftFile.h"
#include "store/DraftSealer.h"
#include "store/EncryptedSession.h"
#include "store/ScriptTexts.h"
#include "widgets/ScrambledDiaryBar.h"

#include <QToolButton>
#include <cstring>

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

TEST_F(MainWindowTest, PasswordChangeAsksTheCurrentPasswordFirstInTabOrder)
{
    CDayloomDlg& window = OpenSample();
    CModal::PushHandler([](QDialog& dialog) {
        auto& ask = dynamic_cast<CChangePasswordDlg&>(dialog);
        QLineEdit* current = ask.Fields()->CurrentField();
        ASSERT_NE(current, nullptr);
        EXPECT_EQ(ask.focusWidget(), current);
        // Field to field with Tab, as a user types.
        const auto type = [&ask](const QString& text, Qt::Key then) {
            QTest::keyClicks(ask.focusWidget(), text);
            QTest::keyClick(ask.focusWidget(), then);
        };
        type("Secret2", Qt::Key_Tab);
        EXPECT_EQ(ask.focusWidget(), ask.Fields()->NewField());
        type("Better1", Qt::Key_Tab);
        EXPECT_EQ(ask.focusWidget(), ask.Fields()->ConfirmField());
        type("Better1", Qt::Key_Return);
        // A wrong current password is said; it is selected for another try.
        EXPECT_TRUE(ask.isVisible());
        EXPECT_EQ(widgettest::LastMessage(), CCurrentPassword::WrongPasswordMessage());
        EXPECT_EQ(ask.focusWidget(), current);
        EXPECT_EQ(current->selectedText(), "Secret2");
        type("Secret1", Qt::Key_Return);
    });
    ActionOf(window, "&Change password...")->trigger();
    EXPECT_EQ(window.Session()->Password(), "Better1");
    EXPECT_EQ(widgettest::LastMessage(), "Password successfully changed!");
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
}

TEST_F(MainWindowTest, NewEncryptedDiaryAsksItsPasswordBeforeAFirstReminder)
{
    CFileDialogs::PushDiary(PathOf("plans.dayloom"));
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    AnswerPrompt("Plans for the garden");
    CModal::PushHandler([](QDialog& dialog) { dialog.reject(); }); // the Reminders window
    window.OnReminders();
    EXPECT_TRUE(CModal::Unanswered().empty());
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(window.Session()->Password(), "") << "the key alone protects it";
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

TEST_F(MainWindowTest, DecryptedCopyWarnsOfTextsTheFourFilesCannotHold)
{
    CDayloomDlg& window = OpenSample();
    AnswerNewPassword("a walk by the river");
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    AnswerPrompt("a walk by the river");
    ActionOf(window, "E&ncrypt diary...")->trigger();
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    {
        auto store = window.Session()->MakeStore();
        store->reminder = ReminderRecord{};
        store->reminder.time = 3600;
        std::strcpy(store->reminder.description, "??");
        store->AppendReminder();
    }
    ASSERT_TRUE(window.Session()->Encrypted()->SetScriptText(
        {CScriptTexts::Kind::Reminder, 3600, "??", "Да"}));
    ASSERT_TRUE(window.Session()->Encrypted()->CommitReported());

    CMessageBox::ClearHistory();
    AnswerPrompt("a walk by the river"); // the diary's password first
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, "Save &decrypted copy...")->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 1u);
    EXPECT_EQ(CMessageBox::History()[0].text,
              "The four files cannot hold every character of these reminders and tasks; each "
              "one they lack becomes \"?\": Да. Write the copy all the same?");
    EXPECT_FALSE(QFileInfo::exists(PathOf("travel.ilm")));
}
