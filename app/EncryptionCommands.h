#pragma once
// The File menu's commands between the two kinds of diary: "Encrypt
// diary..." turns the open four-file diary into NAME.dayloom beside it
// (written, read back and checked, then the four old files removed if the
// user agrees, and the encrypted diary opened), and "Save decrypted copy..."
// writes the open encrypted diary out as the four files NAME.ilm, .dlm,
// .rlm and .plm beside it, after a warning.

class CDayloomDlg;

class CEncryptionCommands
{
public:
    static void EncryptDiary(CDayloomDlg& window);
    static void SaveDecryptedCopy(CDayloomDlg& window);
};
