// Speed goals of export and backup on a diary of 10,000 entries of about
// 1 KB of formatted text each: Markdown and HTML within 3 s, CSV within
// 300 ms, a backup archive within 1 s.
#include "export/DiaryBackup.h"
#include "export/DiaryExporter.h"
#include "store/DiarySession.h"
#include "store/DiaryStore.h"
#include "store/Messages.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>
#include <string>

namespace {

// A rich-edit entry of about `bytes` bytes with some formatting.
std::string TypicalEntry(size_t bytes, int seed)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\r\n"
                      "{\\colortbl ;\\red255\\green0\\blue0;}\\viewkind4\\uc1\\pard\\f0\\fs24 ";
    const char* words[] = {"today",  "we",    "walked", "to",      "the", "caf\\'e9", "and",
                           "talked", "about", "the",    "weather", "it",  "was",      "fine"};
    int n = seed;
    while (rtf.size() < bytes) {
        for (int i = 0; i < 12; ++i) {
            rtf += words[(n++ * 7) % 14];
            rtf += ' ';
        }
        const char* extras[] = {"{\\b bold words} ", "\\cf1 red\\cf0  ", "\\i italic\\i0  ",
                                "\\par\r\n", "{\\fs28 larger} "};
        rtf += extras[n % 5];
    }
    return rtf + "\\par\r\n}\r\n";
}

struct BenchDiary
{
    QTemporaryDir folder;
    std::unique_ptr<CDiarySession> session;
    RatingLabels labels;
};

// 10,000 entries a day apart, written once for every benchmark.
BenchDiary& Diary()
{
    static BenchDiary diary = [] {
        SetStoreMessageHandler([](const std::string&) {});
        BenchDiary made;
        const std::string path = made.folder.filePath("bench.ilm").toStdString();
        made.session = std::make_unique<CDiarySession>(CDiaryName(path));
        const std::unique_ptr<CDiaryStore> store = made.session->MakeStore();
        store->OpenEntryFiles();
        for (int i = 0; i < 10000; ++i) {
            store->entry = DiaryEntry{};
            store->entry.time = 1000000000 + int64_t(i) * 86400;
            store->entry.text = TypicalEntry(1024, i);
            store->entry.mood = i % 7 - 3;
            store->entry.temperature = 36.5f;
            store->entry.weight = 70;
            std::strcpy(store->entry.password, "benchmark");
            store->AppendEntry();
        }
        store->CloseEntryFiles();
        made.labels = LoadRatingLabels();
        return made;
    }();
    return diary;
}

void Export(benchmark::State& state, const char* name, ExportFormat format)
{
    BenchDiary& diary = Diary();
    const QString path = diary.folder.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const ExportOutcome outcome =
            CDiaryExporter::Export(*diary.session, diary.labels, path, format);
        if (outcome.entries != state.range(0)) {
            state.SkipWithError("the export did not hold every entry");
        }
    }
}

void BM_ExportMarkdown(benchmark::State& state)
{
    Export(state, "bench.md", ExportFormat::Markdown);
}
BENCHMARK(BM_ExportMarkdown)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ExportHtml(benchmark::State& state)
{
    Export(state, "bench.html", ExportFormat::Html);
}
BENCHMARK(BM_ExportHtml)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ExportCsv(benchmark::State& state)
{
    Export(state, "bench.csv", ExportFormat::Csv);
}
BENCHMARK(BM_ExportCsv)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_Backup(benchmark::State& state)
{
    BenchDiary& diary = Diary();
    const std::string archive = diary.folder.filePath("bench.zip").toStdString();
    for (auto _ : state) {
        if (!CDiaryBackup::Backup(*diary.session, archive).ok) {
            state.SkipWithError("the backup failed");
        }
    }
}
BENCHMARK(BM_Backup)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
