#pragma once
// Reads a Markdown or plain text file: one entry, or one entry under each
// heading that is a date ("# 2023-11-14", "## Tuesday, 14 November 2023
// 20:00"), chosen by what the file holds. Text above the first dated
// heading goes with the first entry; a file without a dated heading is dated
// by its name ("2023-11-14*.md") or else by its modification time. A dated
// heading with nothing under it gives no entry.

#include "import/ForeignEntry.h"

#include <QByteArray>
#include <QCoreApplication>

class CTextFileReader
{
    Q_DECLARE_TR_FUNCTIONS(CTextFileReader)

public:
    // bytes: the file's content (UTF-8); fileName: its name without the
    // folder; modified: its modification time. Markdown files keep their
    // formatting, text files their lines.
    static void Read(const QByteArray& bytes, const QString& fileName, bool markdown,
                     int64_t modified, ForeignBatch& batch);
    // True for the names of Markdown files (.md, .markdown).
    static bool IsMarkdownName(const QString& fileName);
    // True for the names this reader reads in a folder: Markdown and .txt.
    static bool IsTextName(const QString& fileName);
};
