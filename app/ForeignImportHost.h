#pragma once
// The main window's side of "Import from another program...": the diary
// the import writes to, a new encrypted diary when none is open, and the
// reload afterwards. The version-1 import's host does what both share.

#include "app/ImportHost.h"
#include "import/ForeignImporter.h"

#include <QCoreApplication>

class CDiaryFileCommands;
class COpenDiary;
class QWidget;

class CForeignImportHost : public CForeignImporter::Host
{
    Q_DECLARE_TR_FUNCTIONS(CForeignImportHost)

public:
    CForeignImportHost(COpenDiary& diary, CDiaryFileCommands& files, QWidget& window)
        : m_diary(diary), m_files(files), m_window(window), m_shared(diary, files, window)
    {
    }

    // The menu command, its file errors shown.
    void Run();

    QWidget* Window() override;
    const CDiarySession* Session() const override;
    bool MayChange() override;
    bool CreateEncryptedDiary() override;
    std::optional<std::string> AskNewPassword() override;
    void ReloadDiary(bool hasEntries) override;

private:
    COpenDiary& m_diary;
    CDiaryFileCommands& m_files;
    QWidget& m_window;
    CImportHost m_shared;
};
