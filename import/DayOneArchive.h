#pragma once
// The zip archive Day One exports: one or more journals (Journal.json) and
// their pictures under photos/. Only the journals are unpacked, each and all
// together at most kMaxImportFileBytes; the pictures are only listed. A
// member whose path leaves the archive, an encrypted member and a damaged
// archive are reported, never unpacked.

#include "import/ForeignEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <string>
#include <vector>

class CDayOneArchive
{
    Q_DECLARE_TR_FUNCTIONS(CDayOneArchive)

public:
    struct Journal
    {
        QString name; // the member's path in the archive
        QByteArray json;
    };

    // Reads the archive at `path` (in the file system's encoding), or held
    // in `bytes`. archiveName names it in problems. False when it is no
    // readable zip archive (reported).
    static bool ReadFile(const std::string& path, const QString& archiveName, ForeignBatch& batch,
                         std::vector<Journal>& journals, QHash<QString, QString>& photoFiles);
    static bool ReadBytes(const QByteArray& bytes, const QString& archiveName, ForeignBatch& batch,
                          std::vector<Journal>& journals, QHash<QString, QString>& photoFiles);

    // True when a member's path stays inside the archive: relative, without
    // ".." components or backslashes.
    static bool IsSafeMemberPath(const QString& path);
};
