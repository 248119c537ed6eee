#include "platform/FileErrorMessage.h"

#include "platform/AppInfo.h"
#include "platform/MessageBox.h"
#include "store/FileError.h"

#include <QFile>

QString CFileErrorMessage::Text(const std::string& storeText)
{
    return QFile::decodeName(QByteArray::fromStdString(storeText));
}

void CFileErrorMessage::Show(QWidget* parent, const std::string& storeText)
{
    CMessageBox::Show(parent, Text(storeText), CAppInfo::AppName());
}

void CFileErrorMessage::Show(QWidget* parent, const CFileError& error)
{
    Show(parent, std::string(error.what()));
}
