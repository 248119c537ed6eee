#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& DataDirOverride()
{
    static QString dir;
    return dir;
}

QString& FallbackDataDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString CAppInfo::Title()
{
    return QStringLiteral("Dayloom v" DAYLOOM_VERSION);
}

QString CAppInfo::Caption(const QString& name)
{
    return name + QStringLiteral(" - ") + Title();
}

QString CAppInfo::AppName()
{
    // The same program under another file name keeps settings of its own.
    if (QCoreApplication::instance() != nullptr) {
        const QString path = QCoreApplication::applicationFilePath();
        if (!path.isEmpty()) {
            return QFileInfo(path).completeBaseName();
        }
    }
    return QStringLiteral("dayloom");
}

QString CAppInfo::WebSite()
{
    return QStringLiteral(DAYLOOM_WEB_SITE);
}

QString CAppInfo::MailAddress()
{
    return QStringLiteral(DAYLOOM_MAIL_ADDRESS);
}

void CAppInfo::SetDataDir(const QString& dir)
{
    DataDirOverride() = dir;
}

void CAppInfo::SetFallbackDataDir(const QString& dir)
{
    FallbackDataDir() = dir;
}

QString CAppInfo::FindDataFile(const QString& fileName)
{
    QStringList dirs;
    if (!DataDirOverride().isEmpty()) {
        dirs << DataDirOverride();
    } else {
        if (QCoreApplication::instance() != nullptr) {
            const QString exeDir = QCoreApplication::applicationDirPath();
            dirs << exeDir << exeDir + QStringLiteral("/../share/dayloom");
        }
        if (!FallbackDataDir().isEmpty()) {
            dirs << FallbackDataDir();
        }
    }
    for (const QString& dir : dirs) {
        const QString candidate = QDir(dir).filePath(fileName);
        if (QFileInfo::exists(candidate)) {
            return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
        }
    }
    return QString();
}
