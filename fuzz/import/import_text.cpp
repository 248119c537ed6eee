// Feeds arbitrary bytes to the Markdown and text file reader, as Markdown
// when the first byte is even and as plain text otherwise.
#include "FuzzImport.h"
#include "import/TextFileReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzimport::Start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bool markdown = size > 0 && data[0] % 2 == 0;
    ForeignBatch batch;
    CTextFileReader::Read(bytes, QStringLiteral("2023-11-14.md"), markdown, 0, batch);
    fuzzimport::CheckPlan(std::move(batch));
    return 0;
}
