#pragma once
// Shared set-up of the main window tests: a pinned zone and clock, fresh
// settings, a temporary folder (also the working folder, where rewrites put
// their temporary file), diaries written through the store, and helpers that
// answer the password prompt as a user would.

#include "app/DayloomDlg.h"
#include "app/SecurityDlg.h"
#include "entry/GraphCtrl.h"
#include "entry/NewEntryDlg.h"
#include "planning/PlanningClock.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/FileDialogs.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "platform/Shell.h"
#include "store/DiaryStore.h"
#include "store/FileFaults.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

inline int64_t LocalTime(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    std::tm broken{};
    broken.tm_year = year - 1900;
    broken.tm_mon = month - 1;
    broken.tm_mday = day;
    broken.tm_hour = hour;
    broken.tm_min = minute;
    broken.tm_sec = second;
    broken.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&broken));
}

// An entry text as the editor would store it, with `words` as its only text.
inline std::string Rtf(const std::string& words)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 " + words + "\\par\n}";
}

struct EntryValues
{
    int64_t time = 0;
    std::string text;
    int mood = 0;
    int fatigue = 0;
    int shape = 0;
    int dream = 0;
    int copulation = 0;
    int menstruus = 0;
    float temperature = 0.0f;
    int weight = 0;
};

inline std::string Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline uint16_t ExtLocOf(const QString& path)
{
    return CFileDialogs::ChoiceFromPath(path).extLoc;
}

// Writes the entries through the store, as the editor does, under `password`.
inline void WriteDiary(const QString& path, const std::vector<EntryValues>& entries,
                       const std::string& password)
{
    CDiaryStore store(0, Encoded(path), ExtLocOf(path));
    for (const EntryValues& values : entries) {
        store.entry = DiaryEntry{};
        store.entry.time = values.time;
        store.entry.text = values.text;
        store.entry.mood = values.mood;
        store.entry.fatigue = values.fatigue;
        store.entry.shape = values.shape;
        store.entry.dream = values.dream;
        store.entry.copulation = values.copulation;
        store.entry.menstruus = values.menstruus;
        store.entry.temperature = values.temperature;
        store.entry.weight = values.weight;
        std::strncpy(store.entry.password, password.c_str(), sizeof(store.entry.password) - 1);
        store.AppendEntry();
    }
    store.SortEntries();
}

inline int EntryCountOnDisk(const QString& path)
{
    return static_cast<int>(QFileInfo(path).size() / kEntryRecordSize);
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
        CPlanningClock::SetFixed(LocalTime(2026, 12, 10, 12));
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
        CPlanningClock::Reset();
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

    static void AnswerPrompt(const QString& password)
    {
        CModal::PushHandler([password](QDialog& dialog) {
            auto& prompt = dynamic_cast<CSecurityDlg&>(dialog);
            QTest::keyClicks(prompt.PasswordField(), password);
            QTest::mouseClick(prompt.OkButton(), Qt::LeftButton);
        });
    }

    static void CancelPrompt()
    {
        CModal::PushHandler([](QDialog& dialog) {
            QTest::mouseClick(dynamic_cast<CSecurityDlg&>(dialog).CancelButton(), Qt::LeftButton);
        });
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

    void Click(const QString& button)
    {
        QTest::mouseClick(Window().Button(button), Qt::LeftButton);
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
