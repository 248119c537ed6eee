#pragma once
// The commands on entries: "New entry...", "Edit entry...", deleting the
// entry on view, printing, and the statistics window (whose chosen day the
// main window shows). Each changes the diary through the open diary, which
// tells the windows; none refreshes a window itself.

#include <QCoreApplication>
#include <cstdint>
#include <optional>

class CDiaryFileCommands;
class CEntryBrowser;
class COpenDiary;
class QWidget;

class CEntryCommands
{
    Q_DECLARE_TR_FUNCTIONS(CEntryCommands)

public:
    CEntryCommands(COpenDiary& diary, CEntryBrowser& browser, CDiaryFileCommands& files,
                   QWidget& window)
        : m_diary(diary), m_browser(browser), m_files(files), m_window(window)
    {
    }

    // The editor on a new entry (opening or creating a diary first when
    // none is open); the saved entry is then shown and selected.
    void NewEntry();
    // The editor on the entry on view; the saved entry is then shown and
    // selected wherever its date put it.
    void EditEntry();
    // The selected entry, after a question that names it.
    void DeleteEntry();
    void Statistics();
    void PrintCurrentEntry();
    void PrintAllEntries();
    // After unlocking: the editor the lock closed, with its draft.
    void ReopenLockedEditor();

private:
    // The editor on `editIndex` (none: a new entry), then the change told.
    void RunEditor(std::optional<uint32_t> editIndex, bool reopening = false);

    COpenDiary& m_diary;
    CEntryBrowser& m_browser;
    CDiaryFileCommands& m_files;
    QWidget& m_window;
    // The entry (none: a new one) of an editor the lock closed.
    std::optional<std::optional<uint32_t>> m_lockedEditor;
};
