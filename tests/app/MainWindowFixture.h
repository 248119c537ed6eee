#pragma once
// Shared set-up of the main window tests: a pinned zone and clock, fresh
// settings, a temporary folder (also the working folder, where rewrites put
// their temporary file), a sample diary, and helpers that answer the
// password prompt as a user would.

#include "app/DayloomDlg.h"
#include "app/EntryPanel.h"
#include "dialogs/NewEntryDlg.h"
#include "dialogs/SecurityDlg.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/FileFaults.h"
#include "tests/support/TestDiary.h"
#include "widgets/EntryRichEdit.h"
#include "widgets/GraphChoiceBox.h"
#include "widgets/GraphCtrl.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Failures print texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline int EntryCountOnDisk(const QString& path)
{
    return static_cast<int>(QFileInfo(path).size() / kEntryRecordSize);
}

// The main window's parts, found as a user (or a screen reader) finds them.
template <typename T = QWidget> T* Part(const QWidget& window, const QString& name)
{
    T* part = window.findChild<T*>(name);
    EXPECT_NE(part, nullptr) << name.toStdString();
    return part;
}
inline QLineEdit* Field(const QWidget& window, const char* name)
{
    return Part<QLineEdit>(window, QString::fromLatin1(name));
}
inline QAbstractButton* ButtonOf(const QWidget& window, const QString& name)
{
    return Part<QAbstractButton>(window, name);
}
inline QAction* ActionOf(const QWidget& window, const QString& text)
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
inline QAbstractItemModel* Entries(const CDayloomDlg& window)
{
    return window.EntryList()->model();
}
inline int RowCount(const CDayloomDlg& window)
{
    return Entries(window)->rowCount();
}
inline QString RowLine(const CDayloomDlg& window, int row)
{
    return Entries(window)->data(Entries(window)->index(row, 0)).toString();
}
// The selected line of the entry list, -1 for none.
inline int SelectedRow(const CDayloomDlg& window)
{
    const QModelIndexList rows = window.EntryList()->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setenv("TZ", "Europe/Berlin", 1);
        tzset();
        ASSERT_TRUE(m_dir.isValid());
        m_oldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        QSettings(CSettings::FileName(), QSettings::IniFormat).clear();
        CClock::SetFixed(LocalTime(2026, 12, 10, 12));
        CMessageBox::ClearHistory();
        CModal::Reset();
        CFileDialogs::Reset();
        CShell::Reset();
        CHelp::Reset();
    }

    void TearDown() override
    {
        m_window.reset();
        EXPECT_EQ(CModal::Pending(), 0) << "a queued dialog handler was never used";
        CModal::Reset();
        CFileDialogs::Reset();
        CClock::Reset();
        QDir::setCurrent(m_oldDir);
    }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // Four entries of December 2026 under the password "Secret1".
    QString MakeSampleDiary(const QString& name = QStringLiteral("travel.ilm"))
    {
        const QString path = PathOf(name);
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
        auto* confirm = prompt.findChild<QLineEdit*>(QStringLiteral("confirmEdit"));
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

    static void CancelPrompt()
    {
        OnPrompt(
            [](CSecurityDlg& prompt) { QTest::mouseClick(prompt.CancelButton(), Qt::LeftButton); });
    }

    CDayloomDlg& Window()
    {
        if (!m_window) {
            m_window = std::make_unique<CDayloomDlg>();
            m_window->show();
        }
        return *m_window;
    }

    // Opens `path` through the File menu and answers the prompt.
    void OpenThroughMenu(const QString& path, const QString& password)
    {
        CFileDialogs::PushDiary(path);
        AnswerPrompt(password);
        Window().OnOpenCreateDiary();
    }

    // The sample diary opened through the menu, its messages cleared.
    CDayloomDlg& OpenSample()
    {
        OpenThroughMenu(MakeSampleDiary(), QStringLiteral("Secret1"));
        CMessageBox::ClearHistory();
        return Window();
    }

    void Click(const QString& button)
    {
        QTest::mouseClick(ButtonOf(Window(), button), Qt::LeftButton);
    }

    std::vector<QString> MessageTexts() const
    {
        std::vector<QString> texts;
        for (const CMessageBox::Shown& shown : CMessageBox::History()) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    QTemporaryDir m_dir;
    QString m_oldDir;
    std::unique_ptr<CDayloomDlg> m_window;
};
