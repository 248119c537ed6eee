#include "import/DayOnePhotos.h"

#include "rtf/PictureImport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString Md5Of(const QString& name)
{
    return name.section(QLatin1Char('.'), 0, 0);
}

} // namespace

void CDayOnePhotos::Add(const QString& name, const QByteArray& bytes)
{
    Photo photo;
    photo.name = name;
    PictureImport imported = PictureImport::FromFile(bytes);
    switch (imported.status) {
    case PictureImport::Ok:
        photo.picture = std::move(imported.picture);
        break;
    case PictureImport::Unreadable:
        photo.why = tr("the photo %1 is no picture Dayloom can read").arg(name);
        break;
    case PictureImport::TooLarge:
        photo.why = tr("the photo %1 is larger than 2 MB even when made no larger than 1600 pixels")
                        .arg(name);
        break;
    }
    m_photos.insert(Md5Of(name), std::move(photo));
}

void CDayOnePhotos::AddUnread(const QString& name, const QString& why)
{
    m_photos.insert(Md5Of(name), Photo{name, std::nullopt, why});
}

const CDayOnePhotos::Photo* CDayOnePhotos::Find(const QString& md5)
{
    if (const auto found = m_photos.constFind(md5); found != m_photos.cend()) {
        return &*found;
    }
    // Only a plain name is looked for in the folder: nothing outside it.
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_-]{1,128}$"));
    if (m_folder.isEmpty() || !plain.match(md5).hasMatch()) {
        return nullptr;
    }
    const QDir photos(QDir(m_folder).filePath(QStringLiteral("photos")));
    const QStringList names = photos.entryList({md5 + QStringLiteral(".*")}, QDir::Files);
    if (names.isEmpty()) {
        return nullptr;
    }
    const QString name = names.first();
    QFile file(photos.filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        AddUnread(name, UnreadableText(name, file.errorString()));
    } else if (file.size() > kMaxImportFileBytes) {
        AddUnread(name, TooLargeText(name));
    } else if (m_folderBytes + file.size() > kMaxArchiveUnpackedBytes) {
        AddUnread(name, ArchiveFullText(name));
    } else {
        m_folderBytes += file.size();
        Add(name, file.read(kMaxImportFileBytes));
    }
    return &*m_photos.constFind(md5);
}

QString CDayOnePhotos::UnreadableText(const QString& name, const QString& why)
{
    return tr("the photo %1 cannot be read (%2)").arg(name, why);
}

QString CDayOnePhotos::TooLargeText(const QString& name)
{
    return tr("the photo %1 is larger than %2 MB").arg(name).arg(kMaxImportFileBytes >> 20);
}

QString CDayOnePhotos::EncryptedText(const QString& name)
{
    return tr("the photo %1 is encrypted").arg(name);
}

QString CDayOnePhotos::ArchiveFullText(const QString& name)
{
    return tr("the photo %1 was left out: the export's photos pass %2 MB")
        .arg(name)
        .arg(kMaxArchiveUnpackedBytes >> 20);
}

QString CDayOnePhotos::MissingText(const QString& name)
{
    return tr("the photo %1 is not in the export").arg(name);
}

QString CDayOnePhotos::EntryFullText(const QString& name)
{
    return tr("the photo %1 was left out: the entry's pictures pass %2 MB")
        .arg(name)
        .arg(kMaxEntryPictureBytes >> 20);
}
