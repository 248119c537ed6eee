// Feeds arbitrary bytes to the Day One reader: as a zip archive when they
// start like one, else as its Journal.json.
#include "FuzzImport.h"
#include "import/DayOneArchive.h"
#include "import/DayOneReader.h"

#include <QJsonDocument>
#include <QJsonObject>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzimport::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ForeignBatch batch;
    if (bytes.startsWith("PK")) {
        std::vector<CDayOneArchive::Journal> journals;
        CDayOnePhotos photos;
        CDayOneArchive::ReadBytes(bytes, QStringLiteral("fuzz.zip"), batch, journals, photos);
        for (const CDayOneArchive::Journal& journal : journals) {
            fuzzimport::Check(CDayOneArchive::IsSafeMemberPath(journal.name.mid(9)),
                              "a member outside the archive was read");
            CDayOneReader::Read(QJsonDocument::fromJson(journal.json).object(), journal.name,
                                photos, batch);
        }
    } else {
        CDayOnePhotos none;
        CDayOneReader::Read(QJsonDocument::fromJson(bytes).object(), QStringLiteral("fuzz.json"),
                            none, batch);
    }
    fuzzimport::CheckPlan(std::move(batch));
    return 0;
}
