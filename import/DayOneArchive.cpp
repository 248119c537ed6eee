#include "import/DayOneArchive.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>
#include <zip.h>

namespace {

QString ZipErrorText(zip_error_t* error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

enum class Unpacked
{
    Ok,
    Encrypted,
    TooLarge,
    Failed
};

// Unpacks one member into `bytes`, reading never more than `limit` bytes
// whatever its header claims; `why` receives the library's words when it
// fails.
Unpacked Unpack(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat, qint64 limit,
                QByteArray& bytes, QString& why)
{
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
        return Unpacked::Encrypted;
    }
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > static_cast<zip_uint64_t>(limit)) {
        return Unpacked::TooLarge;
    }
    zip_file_t* member = zip_fopen_index(archive, index, 0);
    if (member == nullptr) {
        why = QString::fromLocal8Bit(zip_strerror(archive));
        return Unpacked::Failed;
    }
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> owner(member, zip_fclose);
    bytes.clear();
    char chunk[1 << 16];
    for (;;) {
        const zip_int64_t got = zip_fread(member, chunk, sizeof chunk);
        if (got < 0) {
            why = QString::fromLocal8Bit(zip_file_strerror(member));
            return Unpacked::Failed;
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + got > limit) {
            bytes.clear();
            return Unpacked::TooLarge;
        }
        bytes.append(chunk, static_cast<qsizetype>(got));
    }
    return Unpacked::Ok;
}

// A journal member unpacked, or why not among the batch's problems.
std::optional<QByteArray> UnpackJournal(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat,
                                        qint64 limit, const QString& name, ForeignBatch& batch)
{
    QByteArray bytes;
    QString why;
    switch (Unpack(archive, index, stat, limit, bytes, why)) {
    case Unpacked::Ok:
        return bytes;
    case Unpacked::Encrypted:
        why = QCoreApplication::translate("CDayOneArchive", "it is encrypted");
        break;
    case Unpacked::TooLarge:
        why = QCoreApplication::translate("CDayOneArchive", "it unpacks to more than %1 MB")
                  .arg(kMaxImportFileBytes >> 20);
        break;
    case Unpacked::Failed:
        break;
    }
    batch.problems.push_back({name, QString(), why});
    return std::nullopt;
}

// A photo member made into a picture, or left out with why.
void UnpackPhoto(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat, qint64& unpacked,
                 const QString& name, CDayOnePhotos& photos)
{
    QByteArray bytes;
    QString why;
    const qint64 left = kMaxArchiveUnpackedBytes - unpacked;
    const qint64 limit = std::min(kMaxImportFileBytes, left);
    switch (Unpack(archive, index, stat, limit, bytes, why)) {
    case Unpacked::Ok:
        unpacked += bytes.size();
        photos.Add(name, bytes);
        return;
    case Unpacked::Encrypted:
        photos.AddUnread(name, CDayOnePhotos::EncryptedText(name));
        return;
    case Unpacked::TooLarge:
        photos.AddUnread(name, limit < kMaxImportFileBytes ? CDayOnePhotos::ArchiveFullText(name)
                                                           : CDayOnePhotos::TooLargeText(name));
        return;
    case Unpacked::Failed:
        photos.AddUnread(name, CDayOnePhotos::UnreadableText(name, why));
        return;
    }
}

bool ReadArchive(zip_source_t* source, const QString& archiveName, ForeignBatch& batch,
                 std::vector<CDayOneArchive::Journal>& journals, CDayOnePhotos& photos)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (archive == nullptr) {
        zip_source_free(source);
        batch.problems.push_back(
            {archiveName, QString(),
             QCoreApplication::translate("CDayOneArchive", "it is not a readable zip archive (%1)")
                 .arg(ZipErrorText(&error))});
        zip_error_fini(&error);
        return false;
    }
    const std::unique_ptr<zip_t, decltype(&zip_discard)> owner(archive, zip_discard);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0 || count > kMaxArchiveMembers) {
        batch.problems.push_back(
            {archiveName, QString(),
             QCoreApplication::translate("CDayOneArchive", "it lists more than %1 files")
                 .arg(kMaxArchiveMembers)});
        return false;
    }
    qint64 journalBytes = 0;
    qint64 unpacked = 0; // journals and photos
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, i, 0, &stat) != 0 || (stat.valid & ZIP_STAT_NAME) == 0) {
            batch.problems.push_back(
                {archiveName, QCoreApplication::translate("CDayOneArchive", "file %1").arg(i + 1),
                 QCoreApplication::translate("CDayOneArchive", "its name cannot be read")});
            continue;
        }
        const QString name = QString::fromUtf8(stat.name);
        const QString member = archiveName + QLatin1Char('/') + name;
        if (!CDayOneArchive::IsSafeMemberPath(name)) {
            batch.problems.push_back(
                {member, QString(),
                 QCoreApplication::translate("CDayOneArchive",
                                             "its path leaves the archive; not read")});
            continue;
        }
        const QString base = name.section(QLatin1Char('/'), -1);
        if (name.startsWith(QStringLiteral("photos/")) && !base.isEmpty()) {
            UnpackPhoto(archive, i, stat, unpacked, base, photos);
            continue;
        }
        if (!name.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ||
            base.startsWith(QLatin1Char('.')) || name.startsWith(QStringLiteral("__MACOSX/"))) {
            continue;
        }
        std::optional<QByteArray> json =
            UnpackJournal(archive, i, stat, kMaxImportFileBytes - journalBytes, member, batch);
        if (!json) {
            continue;
        }
        journalBytes += json->size();
        unpacked += json->size();
        journals.push_back({member, std::move(*json)});
    }
    return true;
}

} // namespace

bool CDayOneArchive::IsSafeMemberPath(const QString& path)
{
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.contains(QLatin1Char('\\')) ||
        path.contains(QChar(0)) || (path.size() >= 2 && path.at(1) == QLatin1Char(':'))) {
        return false;
    }
    const QStringList parts = path.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

bool CDayOneArchive::ReadFile(const std::string& path, const QString& archiveName,
                              ForeignBatch& batch, std::vector<Journal>& journals,
                              CDayOnePhotos& photos)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_file_create(path.c_str(), 0, -1, &error);
    if (source == nullptr) {
        batch.problems.push_back(
            {archiveName, QString(), tr("it cannot be read (%1)").arg(ZipErrorText(&error))});
        zip_error_fini(&error);
        return false;
    }
    return ReadArchive(source, archiveName, batch, journals, photos);
}

bool CDayOneArchive::ReadBytes(const QByteArray& bytes, const QString& archiveName,
                               ForeignBatch& batch, std::vector<Journal>& journals,
                               CDayOnePhotos& photos)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (source == nullptr) {
        batch.problems.push_back({archiveName, QString(), ZipErrorText(&error)});
        zip_error_fini(&error);
        return false;
    }
    return ReadArchive(source, archiveName, batch, journals, photos);
}
