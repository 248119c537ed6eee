#pragma once
// The main window's side of the version-1 import: what the importer may ask
// of the open diary and the window.

#include "import/Version1Importer.h"

class CDiaryFileCommands;
class COpenDiary;

class CImportHost : public CVersion1Importer::Host
{
public:
    CImportHost(COpenDiary& diary, CDiaryFileCommands& files, QWidget& window)
        : m_diary(diary), m_files(files), m_window(window)
    {
    }

    // "Import from Dayloom v1.00": the whole import, its file errors shown.
    void Run();

    QWidget* Window() override;
    void CloseAndOpenOrCreateDiary() override;
    const CDiarySession* Session() const override;
    std::optional<std::string> AskNewPassword() override;
    void ReloadDiary(bool hasEntries) override;

private:
    COpenDiary& m_diary;
    CDiaryFileCommands& m_files;
    QWidget& m_window;
};
