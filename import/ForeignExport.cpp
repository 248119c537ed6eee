#include "import/ForeignExport.h"

#include "import/DayOneArchive.h"
#include "import/DayOneReader.h"
#include "import/JrnlReader.h"
#include "import/JsonFields.h"
#include "import/TextFileReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kJrnl = QCoreApplication::translate("CForeignExport", "jrnl JSON");
const QString kDayOne = QCoreApplication::translate("CForeignExport", "Day One JSON");
const QString kText = QCoreApplication::translate("CForeignExport", "Markdown and text files");

void ReadJson(const QByteArray& bytes, const QString& fileName, CDayOnePhotos& photos,
              ForeignBatch& batch)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        batch.problems.push_back(
            {fileName,
             QCoreApplication::translate("CForeignExport", "line %1")
                 .arg(JsonFields::LineAt(bytes, error.offset)),
             QCoreApplication::translate("CForeignExport", "it is not JSON (%1)")
                 .arg(error.errorString())});
        return;
    }
    const QJsonObject root = document.object();
    if (CDayOneReader::Recognises(root)) {
        batch.kind = kDayOne;
        CDayOneReader::Read(root, fileName, photos, batch);
    } else if (CJrnlReader::Recognises(root)) {
        batch.kind = kJrnl;
        CJrnlReader::Read(root, fileName, batch);
    } else {
        batch.problems.push_back(
            {fileName, QString(),
             QCoreApplication::translate("CForeignExport",
                                         "it is JSON, but neither a jrnl nor a Day One export")});
    }
}

// The file's bytes, nullopt (after recording why) when it cannot be read
// or is too large.
std::optional<QByteArray> ReadWhole(const QString& path, ForeignBatch& batch)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        batch.problems.push_back(
            {name, QString(),
             QCoreApplication::translate("CForeignExport", "it cannot be read (%1)")
                 .arg(file.errorString())});
        return std::nullopt;
    }
    if (file.size() > kMaxImportFileBytes) {
        batch.problems.push_back(
            {name, QString(),
             QCoreApplication::translate("CForeignExport", "it is larger than %1 MB")
                 .arg(kMaxImportFileBytes >> 20)});
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxImportFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        batch.problems.push_back(
            {name, QString(),
             QCoreApplication::translate("CForeignExport", "it cannot be read (%1)")
                 .arg(file.errorString())});
        return std::nullopt;
    }
    if (bytes.size() > kMaxImportFileBytes) {
        batch.problems.push_back(
            {name, QString(),
             QCoreApplication::translate("CForeignExport", "it is larger than %1 MB")
                 .arg(kMaxImportFileBytes >> 20)});
        return std::nullopt;
    }
    return bytes;
}

int64_t ModifiedSeconds(const QString& path)
{
    return QFileInfo(path).lastModified().toSecsSinceEpoch();
}

void ReadJournals(const std::vector<CDayOneArchive::Journal>& journals, CDayOnePhotos& photos,
                  const QString& archiveName, ForeignBatch& batch)
{
    if (journals.empty()) {
        batch.problems.push_back(
            {archiveName, QString(),
             QCoreApplication::translate("CForeignExport", "it holds no Day One journal (.json)")});
    }
    for (const CDayOneArchive::Journal& journal : journals) {
        ReadJson(journal.json, journal.name, photos, batch);
    }
}

} // namespace

CForeignExport::Kind CForeignExport::KindOf(const QByteArray& head)
{
    if (head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06")) {
        return Kind::Archive;
    }
    QByteArrayView rest(head);
    if (rest.startsWith("\xEF\xBB\xBF")) {
        rest = rest.sliced(3);
    }
    rest = rest.trimmed();
    if (rest.startsWith('{') || rest.startsWith('[')) {
        return Kind::Json;
    }
    return Kind::Text;
}

void CForeignExport::ReadBytes(const QByteArray& bytes, const QString& fileName, int64_t modified,
                               ForeignBatch& batch, const QString& folder)
{
    switch (KindOf(bytes.left(4096))) {
    case Kind::Archive: {
        std::vector<CDayOneArchive::Journal> journals;
        CDayOnePhotos photos;
        if (CDayOneArchive::ReadBytes(bytes, fileName, batch, journals, photos)) {
            ReadJournals(journals, photos, fileName, batch);
        }
        if (batch.kind.isEmpty()) {
            batch.kind = kDayOne;
        }
        break;
    }
    case Kind::Json: {
        CDayOnePhotos photos(folder);
        ReadJson(bytes, fileName, photos, batch);
        break;
    }
    case Kind::Text:
        batch.kind = kText;
        CTextFileReader::Read(bytes, fileName, CTextFileReader::IsMarkdownName(fileName), modified,
                              batch);
        break;
    }
}

ForeignBatch CForeignExport::ReadFile(const QString& path)
{
    ForeignBatch batch;
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        batch.problems.push_back(
            {name, QString(), tr("it cannot be read (%1)").arg(file.errorString())});
        return batch;
    }
    const QByteArray head = file.read(4096);
    file.close();
    if (KindOf(head) == Kind::Archive) {
        // The pictures of an archive may be large: it is read from the disk,
        // and only its journals are unpacked.
        batch.kind = kDayOne;
        std::vector<CDayOneArchive::Journal> journals;
        CDayOnePhotos photos;
        if (CDayOneArchive::ReadFile(QFile::encodeName(path).toStdString(), name, batch, journals,
                                     photos)) {
            ReadJournals(journals, photos, name, batch);
        }
        return batch;
    }
    if (const std::optional<QByteArray> bytes = ReadWhole(path, batch)) {
        ReadBytes(*bytes, name, ModifiedSeconds(path), batch, QFileInfo(path).absolutePath());
    }
    return batch;
}

ForeignBatch CForeignExport::ReadTextFiles(const QStringList& paths)
{
    ForeignBatch batch;
    batch.kind = kText;
    for (const QString& path : paths) {
        if (const std::optional<QByteArray> bytes = ReadWhole(path, batch)) {
            const QString name = QFileInfo(path).fileName();
            CTextFileReader::Read(*bytes, name, CTextFileReader::IsMarkdownName(name),
                                  ModifiedSeconds(path), batch);
        }
    }
    return batch;
}

QStringList CForeignExport::TextFilesBeside(const QString& path)
{
    const QDir folder = QFileInfo(path).absoluteDir();
    QStringList files;
    for (const QFileInfo& info : folder.entryInfoList(
             {QStringLiteral("*.md"), QStringLiteral("*.markdown"), QStringLiteral("*.txt")},
             QDir::Files, QDir::Name)) {
        if (files.size() == kMaxFolderFiles) {
            break;
        }
        files.append(info.absoluteFilePath());
    }
    return files;
}
