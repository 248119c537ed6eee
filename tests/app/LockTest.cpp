// Locking the open diary (menu key, idle clock, screen lock) leaves no word
// of it in the window; its password brings back the entry and the editor.
#include "MainWindowFixture.h"
#include "app/DiaryLock.h"
#include "app/SearchMode.h"
#include "platform/DiaryReservation.h"
#include "platform/IdleWatch.h"
#include "platform/ScreenLockWatch.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTextEdit>

namespace {

// Every text the window and its models hold, the title first.
QStringList AllTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            texts << edit->text();
        } else if (const auto* text = qobject_cast<const QTextEdit*>(widget)) {
            texts << text->toPlainText();
            EXPECT_FALSE(text->document()->isUndoAvailable()) << "an undo could bring text back";
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        }
    }
    // Every role, a model's own (snippets, tips) included.
    for (const QAbstractItemModel* model : window.findChildren<QAbstractItemModel*>()) {
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int role = 0; role < Qt::UserRole + 8; ++role) {
                texts << model->index(row, 0).data(role).toString();
            }
        }
    }
    return texts;
}

QLineEdit* LockField(const QWidget& window)
{
    return window.findChild<QLineEdit*>("lockPassword");
}

// The lock comes once the commands it cancelled have returned.
bool WaitUntilLocked(const QWidget& window)
{
    return QTest::qWaitFor([&window] { return LockField(window)->isVisible(); }, 2000);
}

void UnlockWith(const QWidget& window, const QString& password)
{
    LockField(window)->selectAll();
    QTest::keyClicks(LockField(window), password);
    QTest::keyClick(LockField(window), Qt::Key_Return);
}

} // namespace

class LockTest : public MainWindowTest
{
protected:
    void ExpectLocked(const CDayloomDlg& window, const QString& name,
                      const QStringList& words) const
    {
        EXPECT_EQ(window.windowTitle(), CAppInfo::Title() + " - " + name + " (locked)");
        EXPECT_EQ(window.Session(), nullptr) << "the password and the key went with the session";
        EXPECT_EQ(window.findChild<CSearchMode*>()->RememberedTexts().Count(), 0);
        const QStringList texts = AllTexts(window);
        for (const QString& word : words) {
            EXPECT_FALSE(texts.join('\n').contains(word)) << word.toStdString();
        }
        EXPECT_TRUE(LockField(window)->isVisible());
        EXPECT_EQ(window.focusWidget(), LockField(window));
        EXPECT_FALSE(window.EntryList()->isVisible());
        EXPECT_FALSE(ActionOf(window, "&Edit entry...\tCtrl+E")->isEnabled());
        EXPECT_TRUE(ActionOf(window, "E&xit")->isEnabled());
    }
};

TEST_F(LockTest, CtrlLOrTheScreenLockLocksAFourFileDiaryAndItsPasswordReturnsToTheEntry)
{
    CDayloomDlg& window = OpenSample();
    // The second entry on view, then a search on screen (its texts remembered).
    ClickLine(window, 1);
    window.OnFind();
    QTest::keyClicks(window.findChild<QLineEdit*>("searchText"), "Rain");
    window.findChild<CSearchMode*>()->Flush();
    ASSERT_GT(window.findChild<CSearchMode*>()->RememberedTexts().Count(), 0);
    ASSERT_EQ(ViewText(window), "Rain all day, Rain.");

    QTest::keyClick(&ActiveWindow(), Qt::Key_L, Qt::ControlModifier);
    ExpectLocked(window, "travel", {"Sunny", "Rain", "quiet day", "evening"});
    EXPECT_TRUE(CModal::Unanswered().empty());
    CDiaryReservation::Outcome reserved = CDiaryReservation::Outcome::Reserved;
    EXPECT_EQ(CDiaryReservation::Reserve(PathOf("travel.ilm"), reserved), nullptr);
    EXPECT_EQ(reserved, CDiaryReservation::Outcome::HeldElsewhere) << "still this window's";

    // A wrong password is said, and kept for correcting.
    UnlockWith(window, "Secret2");
    EXPECT_EQ(window.Session(), nullptr);
    EXPECT_EQ(LockField(window)->text(), "Secret2");
    EXPECT_TRUE(window.findChild<QLabel*>("lockMessage")->text().startsWith("That is not"));
    UnlockWith(window, "Secret1");
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(window.windowTitle(), CAppInfo::Title() + " - travel");
    EXPECT_EQ(State(window), "4 @1: Rain all day, Rain.");
    EXPECT_TRUE(ActionOf(window, "&Edit entry...\tCtrl+E")->isEnabled());
    EXPECT_TRUE(LockField(window)->text().isEmpty());
    EXPECT_TRUE(CModal::Unanswered().empty()) << "the Return that unlocked opened nothing";

    ClickLine(window, 2);
    CScreenLockWatch* screen = window.findChild<CDiaryLock*>()->ScreenWatch();
    screen->OnScreenSaverActiveChanged(false); // the screen saver ending locks nothing
    EXPECT_NE(window.Session(), nullptr);

    // The options were being changed when the screen locked: none is saved.
    CModal::PushHandler([screen](QDialog& dialog) {
        dialog.findChild<QSpinBox*>("LockAfterMinutes")->setValue(3);
        screen->OnScreenSaverActiveChanged(true);
        EXPECT_FALSE(dialog.isVisible());
    });
    window.OnOptions();
    ASSERT_TRUE(WaitUntilLocked(window));
    EXPECT_EQ(CSettings::Get(CSettings::kLockAfterMinutes), 10);
    ExpectLocked(window, "travel", {"Sunny", "Rain", "quiet day", "evening"});

    // Sleep with the diary already locked (no bus here: no delay held).
    screen->OnPrepareForSleep(true);
    EXPECT_FALSE(screen->HoldsSleepDelay());
    UnlockWith(window, "Secret1");
    EXPECT_EQ(State(window), "4 @2: A quiet day at home.");
    screen->OnPrepareForSleep(true);
    EXPECT_EQ(window.Session(), nullptr);
}

TEST_F(LockTest, IdleClockLocksAnEncryptedDiaryWhoseEditorReopensWithItsDraft)
{
    // A new encrypted diary with one entry.
    const QString path = PathOf("holiday.dayloom");
    CFileDialogs::PushDiary(path);
    CDayloomDlg& window = Window();
    window.OnOpenCreateDiary();
    AnswerPrompt("Holiday in Crete, 2026");
    CModal::PushHandler([](QDialog& dialog) { SaveEditorWith(dialog, "Swam in the sea."); });
    window.OnNewEntry();
    ASSERT_EQ(State(window), "1 @0: Swam in the sea.");
    CIdleWatch* idle = window.findChild<CDiaryLock*>()->IdleWatch();
    ASSERT_TRUE(idle->IsWatching()) << "ten minutes by default";

    // Nine quiet minutes are not enough; the tenth locks, half-way through an edit.
    const int64_t start = CClock::Now();
    CModal::PushHandler([&](QDialog& dialog) {
        dialog.findChild<CEntryRichEdit*>()->setPlainText("Swam in the sea, then a storm.");
        CClock::SetFixed(start + 9 * 60);
        idle->Check();
        EXPECT_TRUE(dialog.isVisible());
        CClock::SetFixed(start + 10 * 60);
        idle->Check();
        EXPECT_FALSE(dialog.isVisible()) << "the lock closes the editor";
    });
    window.OnEditEntry();
    ASSERT_TRUE(WaitUntilLocked(window));
    ExpectLocked(window, "holiday", {"Swam", "storm"});
    EXPECT_TRUE(QFileInfo::exists(path + ".draft"));
    EXPECT_FALSE(idle->IsWatching()) << "nothing runs while locked";

    // The editor comes back with the draft, unasked, and saves it.
    CModal::PushHandler([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<CEntryRichEdit*>()->toPlainText().trimmed(),
                  "Swam in the sea, then a storm.");
        EXPECT_EQ(dialog.windowTitle(), CAppInfo::Caption("Edit Entry"));
        SaveEditorWith(dialog, "Swam in the sea, then a storm.");
    });
    UnlockWith(window, "Holiday in Crete, 2026");
    QCoreApplication::sendPostedEvents();
    QTest::qWait(10);
    EXPECT_EQ(CModal::Pending(), 0);
    EXPECT_EQ(State(window), "1 @0: Swam in the sea, then a storm.");
    EXPECT_FALSE(QFileInfo::exists(path + ".draft"));
    EXPECT_TRUE(idle->IsWatching());
}
