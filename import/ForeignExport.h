#pragma once
// Reads an export of another diary program, recognised by what it holds
// rather than by its name: a zip archive is Day One's, a JSON document is
// jrnl's or Day One's by the fields of its entries, anything else is a
// Markdown (.md, .markdown) or plain text file.

#include "import/ForeignEntry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

class CForeignExport
{
    Q_DECLARE_TR_FUNCTIONS(CForeignExport)

public:
    enum class Kind
    {
        Archive,
        Json,
        Text
    };

    // What a file's first bytes say it is.
    static Kind KindOf(const QByteArray& head);

    // Reads one export file. Problems (unreadable, too large, not an
    // export) go into the batch with the file's name.
    static ForeignBatch ReadFile(const QString& path);
    // Reads Markdown and text files, one or many entries each.
    static ForeignBatch ReadTextFiles(const QStringList& paths);
    // What ReadFile does with a file's content, for content already in
    // memory (modified: the file's modification time; folder: where a Day
    // One journal's photos/ folder may be, none when empty).
    static void ReadBytes(const QByteArray& bytes, const QString& fileName, int64_t modified,
                          ForeignBatch& batch, const QString& folder = QString());

    // The Markdown and text files of the folder holding `path`, sorted by
    // name (at most kMaxFolderFiles).
    static QStringList TextFilesBeside(const QString& path);
};
