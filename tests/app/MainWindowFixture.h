#pragma once
// Shared set-up of the main window tests: a pinned zone and clock, a
// temporary folder (also the working folder, where rewrites put their
// temporary file), a sample diary, and helpers that act as a user would.
// The per-test listener resets the settings, the seams and the messages.

#include "app/DayloomDlg.h"
#include "app/EntryPanel.h"
#include "dialogs/ChangePasswordDlg.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/SecurityDlg.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/Settings.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileFaults.h"
#include "tests/support/TestDiary.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/GraphCtrl.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

using widgettest::Shown;

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        widgettest::PinTimeZone("Europe/Berlin");
        ASSERT_TRUE(m_dir.isValid());
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        CClock::SetFixed(LocalTime(2026, 12, 10, 12));
    }

    void TearDown() override
    {
        m_window.reset();
        EXPECT_EQ(CModal::Pending(), 0) << "a queued dialog handler was never used";
        QDir::setCurrent(m_oldDir);
    }

public:
    // Messages as Shown() lists them, captioned with the program's title.
    static QString ByTitle(const QString& text) { return CAppInfo::Title() + " | " + text; }

    // The main window's parts, found as a user (or a screen reader) finds them.
    template <typename T = QWidget> static T* Part(const QWidget& window, const QString& name)
    {
        T* part = window.findChild<T*>(name);
        EXPECT_NE(part, nullptr) << name.toStdString();
        return part;
    }
    static QString FieldText(const QWidget& window, const char* name)
    {
        return Part<QLineEdit>(window, QString::fromLatin1(name))->text();
    }
    // The fields under the entry, then its two marks ("C", "M" when checked).
    static QString Panel(const QWidget& window)
    {
        QStringList parts;
        for (const char* name : {"moodField", "fatigueField", "shapeField", "dreamField",
                                 "weightField", "temperatureField"}) {
            parts << FieldText(window, name);
        }
        parts << (Part<QCheckBox>(window, "Copulation")->isChecked() ? "C" : "-")
              << (Part<QCheckBox>(window, "Menstruus")->isChecked() ? "M" : "-");
        return parts.join(QLatin1Char('|'));
    }
    static QAction* ActionOf(const QWidget& window, const QString& text)
    {
        for (QMenu* menu : window.findChildren<QMenu*>()) {
            for (QAction* action : menu->actions()) {
                if (action->text() == text) {
                    return action;
                }
            }
        }
        return nullptr;
    }
    static QAbstractItemModel* Entries(const CDayloomDlg& w) { return w.EntryList()->model(); }
    static int RowCount(const CDayloomDlg& window) { return Entries(window)->rowCount(); }
    static QString RowLine(const CDayloomDlg& window, int row)
    {
        return Entries(window)->data(Entries(window)->index(row, 0)).toString();
    }
    // The selected line of the entry list, -1 for none.
    static int SelectedRow(const CDayloomDlg& window)
    {
        const QModelIndexList rows = window.EntryList()->selectionModel()->selectedIndexes();
        return rows.isEmpty() ? -1 : rows.constFirst().row();
    }
    static QString ViewText(const CDayloomDlg& w) { return w.EntryView()->toPlainText().trimmed(); }
    // The list's length, its selected line and the text on view: "4 @3: text".
    static QString State(const CDayloomDlg& window)
    {
        return QStringLiteral("%1 @%2: %3")
            .arg(RowCount(window))
            .arg(SelectedRow(window))
            .arg(ViewText(window));
    }
    // The highlighted match on view and where it starts: "Rain@14".
    static QString Mark(const CDayloomDlg& window)
    {
        const QTextCursor cursor = window.EntryView()->textCursor();
        return cursor.selectedText() + QLatin1Char('@') + QString::number(cursor.selectionStart());
    }
    // No diary open: the program's title, the welcome text, an empty list.
    static void ExpectNoDiary(const CDayloomDlg& window)
    {
        EXPECT_EQ(window.windowTitle(), CAppInfo::Title());
        EXPECT_EQ(window.Session(), nullptr);
        EXPECT_EQ(State(window), "0 @-1: " + CEntryPanel::WelcomeText());
        EXPECT_FALSE(window.EntryList()->isEnabled());
    }
    // The settings naming the last diary: "path|extension position|title".
    static QString Remembered()
    {
        return CSettings::GetProfileString("DiaryFile") + QLatin1Char('|') +
               QString::number(CSettings::GetProfileInt("ExtLoc", 0)) + QLatin1Char('|') +
               CSettings::GetProfileString("shortFile");
    }
    static int EntryCountOnDisk(const QString& path)
    {
        return static_cast<int>(QFileInfo(path).size() / kEntryRecordSize);
    }
    static void ClickLine(CDayloomDlg& window, int row)
    {
        QListView* list = window.EntryList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    // Answers the entry editor: its text replaced by `text`, saved.
    static void SaveEditorWith(QDialog& dialog, const QString& text)
    {
        auto& editor = dynamic_cast<CNewEntryDlg&>(dialog);
        editor.findChild<CEntryRichEdit*>()->setPlainText(text);
        CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
        QTest::mouseClick(editor.findChild<QPushButton*>("save"), Qt::LeftButton);
    }

protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // Four entries of December 2026 under the password "Secret1".
    QString MakeSampleDiary()
    {
        const QString path = PathOf("travel.ilm");
        WriteDiary(
            path,
            {{LocalTime(2026, 12, 5, 9, 5, 7), Rtf("Sunny and dry."), -3, -2, -3, -2, 1, 0, 37.0f,
              0},
             {LocalTime(2026, 12, 6, 10), Rtf("Rain all day, Rain."), 1, 0, 0, 1, 0, 1, 36.6f, 72},
             {LocalTime(2026, 12, 7, 11, 30), Rtf("A quiet day at home."), 2, -1, -1, 0},
             {LocalTime(2026, 12, 8, 12), Rtf("More rain in the evening."), 3, 0, 0, 2, 0, 0, 0.0f,
              0}},
            "Secret1");
        return path;
    }

    // Queues `user` to drive the next password prompt.
    static void OnPrompt(std::function<void(CSecurityDlg&)> user)
    {
        CModal::PushHandler([user = std::move(user)](QDialog& dialog) {
            user(dynamic_cast<CSecurityDlg&>(dialog));
        });
    }
    // Types the password, and again into the confirmation of a new diary's.
    static void Type(CSecurityDlg& prompt, const QString& password,
                     const std::optional<QString>& confirmation = std::nullopt)
    {
        prompt.PasswordField()->setFocus();
        QTest::keyClicks(prompt.PasswordField(), password);
        auto* confirm = prompt.findChild<QLineEdit*>("confirmEdit");
        if (confirm->isVisible()) {
            QTest::keyClick(prompt.PasswordField(), Qt::Key_Tab);
            EXPECT_EQ(prompt.focusWidget(), confirm) << "the confirmation comes next in Tab order";
            QTest::keyClicks(confirm, confirmation.value_or(password));
        }
        QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
    }
    static void AnswerPrompt(const QString& password)
    {
        OnPrompt([password](CSecurityDlg& prompt) { Type(prompt, password); });
    }
    // Types a new password twice into the password dialog and saves it.
    static void AnswerNewPassword(const QString& password)
    {
        CModal::PushHandler([password](QDialog& dialog) {
            auto& ask = dynamic_cast<CChangePasswordDlg&>(dialog);
            QTest::keyClicks(ask.Fields()->NewField(), password);
            QTest::keyClicks(ask.Fields()->ConfirmField(), password);
            widgettest::Click(ask, "save");
        });
    }

    CDayloomDlg& Window()
    {
        if (!m_window) {
            m_window = std::make_unique<CDayloomDlg>();
            m_window->show();
            // What grows with the diary is read once the window is painted.
            m_window->grab();
            QCoreApplication::sendPostedEvents(m_window.get(), QEvent::MetaCall);
        }
        return *m_window;
    }
    CDayloomDlg& ActiveWindow()
    {
        Window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }
    // Opens `path` through the File menu and answers the prompt.
    CDayloomDlg& OpenThroughMenu(const QString& path, const QString& password = "Secret1")
    {
        CFileDialogs::PushDiary(path);
        AnswerPrompt(password);
        Window().OnOpenCreateDiary();
        return Window();
    }
    // A diary of `entries` (the sample's without) opened, its messages cleared.
    CDayloomDlg& OpenDiary(const QString& name, const std::vector<EntryValues>& entries)
    {
        WriteDiary(PathOf(name), entries, "Secret1");
        OpenThroughMenu(PathOf(name));
        CMessageBox::ClearHistory();
        return Window();
    }
    CDayloomDlg& OpenSample()
    {
        OpenThroughMenu(MakeSampleDiary());
        CMessageBox::ClearHistory();
        return Window();
    }
    void Click(const QString& button)
    {
        QTest::mouseClick(Part<QAbstractButton>(Window(), button), Qt::LeftButton);
    }

    QTemporaryDir m_dir;
    QString m_oldDir;
    std::unique_ptr<CDayloomDlg> m_window;
};
