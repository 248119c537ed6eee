#include "platform/FileErrorMessage.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "platform/PathText.h"
#include "platform/StoreMessageText.h"
#include "store/FileError.h"

#include <QDir>
#include <QFile>

QString CFileErrorMessage::Text(const std::string& storeText)
{
    // The store names files with '/'; the user reads the system's separators,
    // in the interface's language.
    return CStoreMessageText::Translated(CPathText::Shown(storeText));
}

void CFileErrorMessage::Show(QWidget* parent, const std::string& storeText)
{
    CMessageBox::Show(parent, Text(storeText), CAppInfo::Title());
}

void CFileErrorMessage::Show(QWidget* parent, const CFileError& error)
{
    Show(parent, std::string(error.what()));
}
