#pragma once
// The File menu's commands on the diary as a whole: "Open/Create Diary..."
// (and opening a diary another command chose: a restored backup, the
// encrypted diary just written), and closing it.

#include "app/DiaryOpener.h"
#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

class COpenDiary;
class QWidget;

class CDiaryFileCommands
{
    Q_DECLARE_TR_FUNCTIONS(CDiaryFileCommands)

public:
    CDiaryFileCommands(COpenDiary& diary, QWidget& window) : m_diary(diary), m_window(window) {}

    // The last diary, reopened at start-up when the settings ask for it and
    // name it with a usable extension position: its password is asked
    // before the main window is built, the prompt in the screen's middle.
    // Nothing when there is none or opening failed outright (said).
    struct Reopened
    {
        CDiaryOpener::Opened opened;
        QString title;
    };
    static std::optional<Reopened> ReopenLast();

    // "Open/Create Diary...": the file dialog, then OpenChosen.
    void OpenOrCreate();
    // The name checks, the settings, then Open; nothing for nullopt.
    void OpenChosen(const std::optional<DiaryChoice>& choice);
    // Opens the diary in place of the open one; false when nothing was opened.
    bool Open(const CDiaryName& name, const QString& title);
    void Close();

private:
    COpenDiary& m_diary;
    QWidget& m_window;
};
