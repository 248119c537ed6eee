#pragma once
// Paths between the store's form (bytes in the file system's encoding, as
// CDiaryName holds them) and the windows' (QString): the one place the
// program converts them.

#include <QString>
#include <string>

class CPathText
{
public:
    // The path as Qt file calls and the settings take it.
    static QString Decoded(const std::string& path);
    // The path as the store takes it.
    static std::string Encoded(const QString& path);
    // The path (or a text naming paths) as the user reads it: decoded, with
    // the system's separators.
    static QString Shown(const std::string& path);
};
