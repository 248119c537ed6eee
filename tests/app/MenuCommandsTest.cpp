// The main window's thinner commands, each driven through its menu item,
// button or key.
#include "MainWindowFixture.h"
#include "app/DayloomApp.h"
#include "dialogs/SplashDlg.h"
#include "dialogs/TipDlg.h"
#include "import/ImportPreviewDlg.h"
#include "planning/PlannerDlg.h"
#include "planning/RemindersDlg.h"
#include "platform/PrintDialog.h"
#include "platform/RecentDiaries.h"
#include "platform/Shell.h"

using widgettest::ClickRow;
using widgettest::Lines;

namespace {

void AddReminder(const QString& path, int64_t time, const char* description)
{
    CDiaryStore store(0, NameOf(path));
    store.reminder = ReminderRecord{};
    store.reminder.time = time;
    std::strncpy(store.reminder.description, description, sizeof store.reminder.description - 1);
    store.AppendReminder();
}

void AddTask(const QString& path, int64_t planned, const char* description, bool done)
{
    CDiaryStore store(0, NameOf(path));
    store.task = PlannerRecord{};
    store.task.plannedTime = store.task.doneTime = planned;
    store.task.status = done ? 1 : 0;
    std::strncpy(store.task.description, description, sizeof store.task.description - 1);
    store.AppendPlannerTask();
}

// Queues the user of the Reminders or Planner window: its first `count`
// lines deleted, then the window closed with Esc or its OK.
template <typename D>
void DeleteFirstThenClose(QListWidget* (D::*list)() const, int count, bool escape)
{
    CModal::PushHandler([list, count, escape](QDialog& dialog) {
        auto& shown = dynamic_cast<D&>(dialog);
        for (int i = 0; i < count; ++i) {
            ClickRow((shown.*list)(), 0);
            QTest::mouseClick(shown.DeleteButton(), Qt::LeftButton);
        }
        escape ? QTest::keyClick(&shown, Qt::Key_Escape)
               : QTest::mouseClick(shown.OkButton(), Qt::LeftButton);
    });
}

// The menu's items as it shows them when opened: "text|tip".
QStringList Items(QMenu& menu)
{
    emit menu.aboutToShow();
    QStringList items;
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            items << action->text() + QLatin1Char('|') + action->toolTip() +
                         (action->isEnabled() ? "" : "|off");
        }
    }
    return items;
}

} // namespace

// The commands that write the diary's entries elsewhere.
TEST_F(MainWindowTest, PrintExportBackUpAndRestore)
{
    CDayloomDlg& window = Window();
    window.OnPrintCurrentEntry();
    window.OnPrintAllEntries();
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(CPrintDialog::Shown(), 0);

    OpenSample();
    window.EntryList()->clearSelection();
    Click("Print current entry");
    EXPECT_EQ(CMessageBox::History().back().text,
              "You must have an entry selected in order to print it!");
    // A PDF file holds the entry in plain text: the diary's password first,
    // and without it nothing is written.
    window.OnFirst();
    CPrintDialog::PushAnswer(PathOf("entry.pdf"));
    OnPrompt([](CSecurityDlg& prompt) { prompt.reject(); });
    Click("Print current entry");
    EXPECT_FALSE(QFileInfo::exists(PathOf("entry.pdf")));
    CPrintDialog::PushAnswer(PathOf("entry.pdf"));
    AnswerPrompt("Secret1");
    Click("Print current entry");
    EXPECT_GT(QFileInfo(PathOf("entry.pdf")).size(), 0);
    EXPECT_EQ(SelectedRow(window), 0);

    // The export's password first: cancelled, nothing is asked or written.
    CMessageBox::ClearHistory();
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
}

TEST_F(MainWindowTest, ImportsFromAnotherProgramOrVersion1FillANewDiary)
{
    CDayloomDlg& window = Window();
    // The Tools menu ends with the three imports.
    QAction* import = ActionOf(window, "&Import from another program...");
    ASSERT_NE(import, nullptr);
    auto* tools = qobject_cast<QMenu*>(import->parent());
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->title(), "&Tools");
    const QList<QAction*> actions = tools->actions();
    ASSERT_GE(actions.size(), 3);
    EXPECT_EQ(actions.at(actions.size() - 3), import);
    EXPECT_EQ(actions.at(actions.size() - 2)->text(), "&Merge another diary...");
    EXPECT_EQ(actions.back()->text(), "Import from Dayloom v1.00");

    const QString sample = DAYLOOM_SOURCE_DIR "/tests/data/import/jrnl.json";
    CFileDialogs::PushFile(sample);
    CModal::PushHandler([](QDialog& dialog) {
        ASSERT_NE(dynamic_cast<CImportPreviewDlg*>(&dialog), nullptr);
        QTest::mouseClick(dialog.findChild<QPushButton*>("import"), Qt::LeftButton);
    });
    CFileDialogs::PushFile(PathOf("imported.dayloom"));
    AnswerPrompt("Open, sesame 42");
    import->trigger();

    ASSERT_NE(window.Session(), nullptr);
    EXPECT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_FALSE(window.Session()->IsNew());
    EXPECT_EQ(CMessageBox::History().back().text, "3 entries added.");
    EXPECT_EQ(RowCount(window), 3);
    EXPECT_EQ(SelectedRow(window), 2);
    EXPECT_EQ(ViewText(window), "A day without a time\nТолько дата.");
    EXPECT_TRUE(QFileInfo::exists(PathOf("imported.dayloom")));

    // Again: everything is there already.
    CFileDialogs::PushFile(sample);
    import->trigger();
    EXPECT_EQ(CMessageBox::History().back().text,
              "Nothing to import: the diary already holds all 3 entries of jrnl.json.");
    EXPECT_EQ(RowCount(window), 3);

    // Version 1 entry files go into a new diary in date order.
    const QString folder = PathOf("old/DATA");
    QDir().mkpath(folder);
    for (const auto& [name, mood, text] : {std::tuple{"EL051430.22D", 2, "Later day"},
                                           std::tuple{"EL030800.00D", -1, "Earlier day"}}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Version1File(0, mood, text)));
    }
    CFileDialogs::PushFolder(folder);
    CFileDialogs::PushDiary(PathOf("imported.ilm"));
    AnswerPrompt("OldPass");
    actions.back()->trigger();

    EXPECT_EQ(CMessageBox::History().back().text, "Successfully converted 2 entries!");
    EXPECT_FALSE(window.Session()->IsNew());
    ASSERT_EQ(RowCount(window), 2);
    EXPECT_EQ(RowLine(window, 0), "03 - Dec\t - 2002, Tue,\t at 08:00:00");
    EXPECT_EQ(SelectedRow(window), 1);
    EXPECT_EQ(ViewText(window), "Later day");
    EXPECT_TRUE(Panel(window).startsWith("Very Good|"));
}

TEST_F(MainWindowTest, SummariesAreRebuiltAfterTheRemindersAndPlannerWindowsAndEmptied)
{
    // The Soon window is read once, when the window starts.
    CSettings::WriteProfileInt("StartAlarmBefore", 3);
    const QString path = MakeSampleDiary();
    // Now is Thursday 10 December 2026, 12:00.
    AddReminder(path, LocalTime(2026, 12, 10, 8), "Dentist");
    AddReminder(path, LocalTime(2026, 12, 12, 9), "Party");
    AddReminder(path, LocalTime(2026, 12, 20, 9), "Wedding");
    AddTask(path, LocalTime(2026, 12, 12, 10), "Buy paint", true);
    AddTask(path, LocalTime(2026, 12, 14, 10), "Sand floor", false);
    CDayloomDlg& window = OpenThroughMenu(path);
    auto* reminders = Part<QListWidget>(window, "Reminders");
    auto* planner = Part<QListWidget>(window, "Planner");
    EXPECT_EQ(Lines(reminders),
              (QStringList{"Today [10 Dec, Thu]: Dentist", "Soon [in 2 days] [12 Dec, Sat]: Party",
                           "in 10 days [20 Dec, Sun]: Wedding"}));
    // The planner in the main window's wording, not the Planner window's.
    EXPECT_EQ(Lines(planner),
              (QStringList{"12 Dec [ Buy paint ] DONE ON TIME", "14 Dec [ Sand floor ] NOT DONE"}));
    CSettings::WriteProfileInt("StartAlarmBefore", 30);

    // Esc or OK ends the window; the summary follows what it deleted.
    DeleteFirstThenClose(&CRemindersDlg::ReminderList, 1, true);
    QTest::keyClick(&ActiveWindow(), Qt::Key_F3);
    EXPECT_EQ(Lines(reminders), (QStringList{"Soon [in 2 days] [12 Dec, Sat]: Party",
                                             "in 10 days [20 Dec, Sun]: Wedding"}));

    DeleteFirstThenClose(&CRemindersDlg::ReminderList, 2, false);
    window.OnReminders();
    DeleteFirstThenClose(&CPlannerDlg::TaskList, 2, true);
    Click("Planner");
    EXPECT_EQ(reminders->count(), 0);
    EXPECT_EQ(planner->count(), 0);
    EXPECT_EQ(QFileInfo(PathOf("travel.rlm")).size(), 0);
    EXPECT_TRUE(Shown().isEmpty());
}

TEST_F(MainWindowTest, RecentDiariesReopenForgetTheMissingAndClear)
{
    CDayloomDlg& window = Window();
    auto* menu = window.findChild<QMenu*>("recentDiaries");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Items(*menu), QStringList{"&Clear list|Clear list|off"});

    const QString sample = MakeSampleDiary();
    OpenThroughMenu(sample);
    CFileDialogs::PushDiary(PathOf("fresh.ilm"));
    window.OnOpenCreateDiary(); // a new diary: no prompt
    EXPECT_EQ(Items(*menu), (QStringList{"&1 fresh.ilm|" + PathOf("fresh.ilm"),
                                         "&2 travel.ilm|" + sample, "&Clear list|Clear list"}));

    // Chosen from the list, the sample opens again (after its password).
    AnswerPrompt("Secret1");
    menu->actions()[1]->trigger();
    ASSERT_NE(window.Session(), nullptr);
    EXPECT_EQ(QString::fromStdString(window.Session()->Path()), sample);
    EXPECT_EQ(CRecentDiaries::Load().front(), sample);

    // A diary moved away since: chosen, it goes with a message.
    ASSERT_TRUE(QFile::remove(PathOf("fresh.ilm")));
    CMessageBox::ClearHistory();
    Items(*menu);
    menu->actions()[1]->trigger();
    EXPECT_EQ(Shown(),
              QStringList{CAppInfo::Caption("Recent Diaries") + " | " + PathOf("fresh.ilm") +
                          " is no longer there; it was taken off the list of recent "
                          "diaries."});
    EXPECT_EQ(CRecentDiaries::Load(), QStringList{sample});
    EXPECT_EQ(QString::fromStdString(window.Session()->Path()), sample) << "still open";

    Items(*menu);
    menu->actions().back()->trigger();
    EXPECT_TRUE(CRecentDiaries::Load().isEmpty());
}

TEST_F(MainWindowTest, SplashComesFirstThenTheTipThenTheMainWindow)
{
    // The user's answers to the start-up windows, and which came when.
    QStringList order;
    const auto answerStartUp = [&order](int windows) {
        order.clear();
        for (int i = 0; i < windows; ++i) {
            CModal::PushHandler([&order](QDialog& dialog) {
                order << dialog.metaObject()->className();
                if (auto* splash = dynamic_cast<CSplashDlg*>(&dialog)) {
                    splash->OnTimer();
                    QTest::mouseClick(splash->m_btnContinue, Qt::LeftButton);
                } else if (dynamic_cast<CTipDlg*>(&dialog) != nullptr) {
                    dialog.reject();
                } else {
                    dialog.accept();
                }
            });
        }
    };
    CDayloomApp app;
    answerStartUp(3);
    EXPECT_FALSE(app.InitInstance({"dayloom"}));
    EXPECT_EQ(order, (QStringList{"CSplashDlg", "CTipDlg", "CDayloomDlg"}));
    // The switches that mean "started by another program" leave out the tip.
    answerStartUp(2);
    EXPECT_FALSE(app.InitInstance({"dayloom", "-Automation"}));
    EXPECT_EQ(order, (QStringList{"CSplashDlg", "CDayloomDlg"}));
}

TEST_F(MainWindowTest, WebAndMailButtonsReachTheShellAndReturnToTheList)
{
    OpenSample();
    CDayloomDlg& window = ActiveWindow();
    Click("Web site");
    EXPECT_TRUE(window.EntryList()->hasFocus());
    Click("Mail");
    EXPECT_TRUE(window.EntryList()->hasFocus());
    EXPECT_EQ(CShell::Opened(),
              (std::vector<QString>{CAppInfo::WebSite(), "mailto:" + CAppInfo::MailAddress() +
                                                             "?subject=Dayloom v2.21"}));
}
