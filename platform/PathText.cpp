#include "platform/PathText.h"

#include <QDir>
#include <QFile>

QString CPathText::Decoded(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string CPathText::Encoded(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString CPathText::Shown(const std::string& path)
{
    return QDir::toNativeSeparators(Decoded(path));
}
