#pragma once
// The per-user settings: one INI file per program name under the user's
// config folder (XDG_CONFIG_HOME honoured), organisation "Orrinfield", every
// key in the section "Settings". Reads take a default for an absent key;
// writes go to disk at once.

#include <QString>

class CSettings
{
public:
    static int GetProfileInt(const QString& key, int defaultValue);
    static QString GetProfileString(const QString& key, const QString& defaultValue = QString());
    static void WriteProfileInt(const QString& key, int value);
    static void WriteProfileString(const QString& key, const QString& value);
    // The INI file's path (for tests and the README).
    static QString FileName();
};
