#pragma once
// The main window's side of "Import from another program...": the diary
// the import writes to, a new encrypted diary when none is open, and the
// reload afterwards. The version-1 import's host does what both share.

#include "app/ImportHost.h"
#include "import/ForeignImporter.h"

class CDayloomDlg;

class CForeignImportHost : public CForeignImporter::Host
{
public:
    explicit CForeignImportHost(CDayloomDlg& window) : m_window(window), m_shared(window) {}

    // The menu command.
    static void Import(CDayloomDlg& window);

    QWidget* Window() override;
    const CDiarySession* Session() const override;
    bool MayChange() override;
    bool CreateEncryptedDiary() override;
    std::optional<std::string> AskNewPassword() override;
    void ReloadDiary(bool hasEntries) override;

private:
    CDayloomDlg& m_window;
    CImportHost m_shared;
};
