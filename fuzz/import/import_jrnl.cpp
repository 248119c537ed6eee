// Feeds arbitrary bytes to the jrnl reader as a JSON export.
#include "FuzzImport.h"
#include "import/JrnlReader.h"

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
    CJrnlReader::Read(QJsonDocument::fromJson(bytes).object(), QStringLiteral("fuzz.json"), batch);
    fuzzimport::CheckPlan(std::move(batch));
    return 0;
}
