#pragma once
// The main window's side of the version-1 import: what the importer may ask
// of the window and do to it.

#include "import/Version1Importer.h"

class CDayloomDlg;

class CImportHost : public CVersion1Importer::Host
{
public:
    explicit CImportHost(CDayloomDlg& window) : m_window(window) {}

    QWidget* Window() override;
    void CloseAndOpenOrCreateDiary() override;
    const CDiarySession* Session() const override;
    std::optional<std::string> AskNewPassword() override;
    void ReloadDiary(bool hasEntries) override;

private:
    CDayloomDlg& m_window;
};
