#pragma once
// What the readers of other diary programs' exports hand on: each entry as
// its program wrote it (not yet Dayloom's RTF), and each file or record that
// could not be read, with where it is and why.

#include "rtf/RtfPicture.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// A photo of an entry: its picture, ready to store, or only its name when
// it could not be carried over (the entry then shows "[photo: NAME]").
struct ForeignPhoto
{
    QString name;
    std::optional<RtfPicture> picture;
    bool shown = false; // the body shows it; else it follows the body
};

// Where a Markdown body shows photo N of its entry: ![photo](dayloom-photo:N).
inline const QString kPhotoScheme = QStringLiteral("dayloom-photo:");

struct ForeignEntry
{
    int64_t time = 0; // seconds since 1970 (UTC)
    QString title;    // becomes a bold first line
    QString body;
    bool markdown = false; // body is Markdown (else plain text, kept line by line)
    QStringList tags;      // as the program wrote them ("@work", "#home", "long walk")
    bool starred = false;
    // The photos of the entry. Those the body does not show follow it, each
    // in a paragraph of its own.
    std::vector<ForeignPhoto> photos;
    QString where; // "Journal.json, entry 12", for the preview
};

struct ImportProblem
{
    QString file;  // the file's name (or an archive member's path)
    QString place; // "line 3", "entry 12" or empty for the whole file
    QString why;

    // "Journal.json, entry 12: it has no date".
    QString Text() const
    {
        return (place.isEmpty() ? file : file + QStringLiteral(", ") + place) +
               QStringLiteral(": ") + why;
    }
};

// One import's reading: the kind of export, its entries and its problems.
struct ForeignBatch
{
    QString kind; // "jrnl JSON", "Day One JSON", "Markdown and text files"
    std::vector<ForeignEntry> entries;
    std::vector<ImportProblem> problems;
};

// Limits against damaged or hostile exports: a file (or an archive member)
// read whole, the text of one entry, the pictures of one entry, everything
// unpacked from one archive, and the names an archive may list.
constexpr qint64 kMaxImportFileBytes = 64LL << 20;
constexpr qsizetype kMaxEntryCharacters = 1 << 20;
constexpr qint64 kMaxEntryPictureBytes = 16LL << 20;
constexpr qint64 kMaxArchiveUnpackedBytes = 1LL << 30;
constexpr qint64 kMaxArchiveMembers = 100000;
constexpr int kMaxFolderFiles = 20000;
