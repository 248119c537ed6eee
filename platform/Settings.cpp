#include "platform/Settings.h"

#include "platform/AppInfo.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
// One INI file per program name, organisation "Orrinfield"; every key sits
// in the group "Settings".
QString Key(const QString& key)
{
    return QStringLiteral("Settings/") + key;
}

QSettings Store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Orrinfield"),
                     CAppInfo::AppName());
}
} // namespace

int CSettings::GetProfileInt(const QString& key, int defaultValue)
{
    const QVariant value = Store().value(Key(key));
    if (!value.isValid()) {
        return defaultValue;
    }
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok) {
        return defaultValue;
    }
    // Stored as a 32-bit number: keep the low 32 bits as the registry would.
    return static_cast<int>(static_cast<quint32>(static_cast<quint64>(number)));
}

QString CSettings::GetProfileString(const QString& key, const QString& defaultValue)
{
    const QVariant value = Store().value(Key(key));
    if (!value.isValid()) {
        return defaultValue;
    }
    return value.toString();
}

void CSettings::WriteProfileInt(const QString& key, int value)
{
    QSettings settings = Store();
    settings.setValue(Key(key), value);
    settings.sync();
}

void CSettings::WriteProfileString(const QString& key, const QString& value)
{
    QSettings settings = Store();
    settings.setValue(Key(key), value);
    settings.sync();
}

QString CSettings::FileName()
{
    return Store().fileName();
}

int CSettings::Get(const IntSetting& setting)
{
    return GetProfileInt(QString::fromLatin1(setting.key), setting.defaultValue);
}

QString CSettings::Get(const TextSetting& setting)
{
    // A text the user has not set yet reads in the interface's language (the
    // rating labels); the rest have no translation and stay as they are.
    return GetProfileString(QString::fromLatin1(setting.key),
                            QCoreApplication::translate("CSettings", setting.defaultValue));
}

void CSettings::Set(const IntSetting& setting, int value)
{
    WriteProfileInt(QString::fromLatin1(setting.key), value);
}

void CSettings::Set(const TextSetting& setting, const QString& value)
{
    WriteProfileString(QString::fromLatin1(setting.key), value);
}
