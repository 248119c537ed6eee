#pragma once
// The zip archive Day One exports: one or more journals (Journal.json) and
// their pictures under photos/. The journals are unpacked, each and all
// together at most kMaxImportFileBytes, and the photos made into pictures,
// each at most kMaxImportFileBytes and everything unpacked together at most
// kMaxArchiveUnpackedBytes; other members are left packed. A member whose
// path leaves the archive, an encrypted member and a damaged archive are
// reported, never unpacked.

#include "import/DayOnePhotos.h"
#include "import/ForeignEntry.h"

#include <QByteArray>
#include <QCoreApplication>
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
                         std::vector<Journal>& journals, CDayOnePhotos& photos);
    static bool ReadBytes(const QByteArray& bytes, const QString& archiveName, ForeignBatch& batch,
                          std::vector<Journal>& journals, CDayOnePhotos& photos);

    // True when a member's path stays inside the archive: relative, without
    // ".." components or backslashes.
    static bool IsSafeMemberPath(const QString& path);
};
