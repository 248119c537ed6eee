#pragma once
// The File menu's commands between the two kinds of diary: "Encrypt
// diary..." turns the open four-file diary into NAME.dayloom beside it
// (written, read back and checked, then the four old files removed if the
// user agrees, and the encrypted diary opened), and "Save decrypted copy..."
// writes the open encrypted diary out as the four files NAME.ilm, .dlm,
// .rlm and .plm beside it, after a warning. "Change password..." gives
// the whole diary a new password.

#include <QCoreApplication>

class CDiaryFileCommands;
class COpenDiary;
class QWidget;

class CEncryptionCommands
{
    Q_DECLARE_TR_FUNCTIONS(CEncryptionCommands)

public:
    CEncryptionCommands(COpenDiary& diary, CDiaryFileCommands& files, QWidget& window)
        : m_diary(diary), m_files(files), m_window(window)
    {
    }

    void EncryptDiary();
    void SaveDecryptedCopy();
    void ChangePassword();

private:
    COpenDiary& m_diary;
    CDiaryFileCommands& m_files;
    QWidget& m_window;
};
