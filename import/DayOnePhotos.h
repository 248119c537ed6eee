#pragma once
// The photos of a Day One export, by the md5 that names each in its photos/
// folder: in the export's zip archive (given as they are unpacked) or in the
// photos/ folder beside an unpacked Journal.json (read when an entry asks).
// Each becomes a picture as one inserted in the editor does (at most 1600
// pixels on the longest side, JPEG kept as JPEG, nothing but the pixels);
// one that cannot keeps why.

#include "import/ForeignEntry.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>

class CDayOnePhotos
{
    Q_DECLARE_TR_FUNCTIONS(CDayOnePhotos)

public:
    struct Photo
    {
        QString name; // the file's name ("<md5>.jpeg")
        std::optional<RtfPicture> picture;
        QString why; // without a picture: "the photo NAME is no picture Dayloom can read"
    };

    CDayOnePhotos() = default;
    // The photos of the folder `folder` (its "photos" subfolder is looked in).
    explicit CDayOnePhotos(const QString& folder) : m_folder(folder) {}

    // The photo file `name` holding `bytes`.
    void Add(const QString& name, const QByteArray& bytes);
    // The photo file `name` that could not be unpacked, and why (one of the
    // texts below).
    void AddUnread(const QString& name, const QString& why);

    // The photo named by `md5`; null when the export does not hold it.
    const Photo* Find(const QString& md5);

    // Why a photo was left out, for the problems of its entry.
    static QString UnreadableText(const QString& name, const QString& why);
    static QString TooLargeText(const QString& name);
    static QString EncryptedText(const QString& name);
    static QString ArchiveFullText(const QString& name);
    static QString MissingText(const QString& name);
    static QString EntryFullText(const QString& name);

private:
    QHash<QString, Photo> m_photos;
    QString m_folder;
    qint64 m_folderBytes = 0; // read from the folder so far
};
