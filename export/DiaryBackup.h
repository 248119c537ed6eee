#pragma once
// One zip archive holding a diary's files as they stand (the index, data,
// reminder and planner files, or the single file of an encrypted diary),
// and the way back: an archive is checked completely (every file read and
// its checksum compared) before a single byte is written, and then its
// files are put in a folder: all written beside their places first, then
// renamed into them with the index last; a failure at any step puts the old
// diary's files back, so the folder holds the old diary or the new one.

#include "store/DiaryName.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class CDiarySession;

struct BackupOutcome
{
    bool ok = false;
    QString message; // for the user when not ok
};

struct RestoreOutcome
{
    enum class Status
    {
        Restored,
        Exists, // a diary of that name is in the folder; nothing was written
        Damaged,
        Failed
    };
    Status status = Status::Failed;
    QString message;  // for the user when not Restored
    CDiaryName diary; // the restored (or existing) diary
};

class CDiaryBackup
{
    Q_DECLARE_TR_FUNCTIONS(CDiaryBackup)

public:
    // The diary's files that exist, the index file (or the encrypted file)
    // first. The open-diary lock and temporary files are never among them.
    static std::vector<std::string> DiaryFiles(const CDiaryName& diary);

    // "NAME-YYYY-MM-DD.zip".
    static QString DefaultArchiveName(const CDiaryName& diary, const QDate& today);

    static BackupOutcome Backup(const CDiarySession& session, const std::string& archivePath);

    // Extracts into folder; an existing diary of the same name is replaced
    // only when overwrite is set.
    static RestoreOutcome Restore(const std::string& archivePath, const std::string& folder,
                                  bool overwrite);
};
