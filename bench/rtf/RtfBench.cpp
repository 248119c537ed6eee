// Speed goals of the RTF codec: a search extracts the text of every entry of
// a diary (10,000 typical 1 KB entries within 100 ms), and showing an entry
// builds its document (20 KB within 5 ms).
#include "rtf/Rtf.h"

#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

// A rich-edit entry of about `bytes` bytes: header, font and colour tables,
// paragraphs with some formatting and 8-bit escapes.
std::string TypicalEntry(size_t bytes, int seed)
{
    std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 "
        "Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\*\\generator Msftedit 5.41.15.1507;}\\viewkind4\\uc1\\pard\\f0\\fs24 ";
    const char* words[] = {"today",  "we",    "walked", "to",      "the", "caf\\'e9", "and",
                           "talked", "about", "the",    "weather", "it",  "was",      "fine"};
    int n = seed;
    while (rtf.size() < bytes) {
        for (int i = 0; i < 12; ++i) {
            rtf += words[(n++ * 7) % 14];
            rtf += ' ';
        }
        switch (n % 5) {
        case 0:
            rtf += "{\\b bold words} ";
            break;
        case 1:
            rtf += "\\cf1 red\\cf0  ";
            break;
        case 2:
            rtf += "\\i italic\\i0  \\u8364? ";
            break;
        case 3:
            rtf += "\\par\r\n";
            break;
        default:
            rtf += "\\f1\\fs28 larger\\f0\\fs24  ";
            break;
        }
    }
    rtf += "\\par\r\n}\r\n";
    return rtf;
}

void BM_PlainTextOf10000Entries(benchmark::State& state)
{
    std::vector<std::string> entries;
    for (int i = 0; i < 10000; ++i) {
        entries.push_back(TypicalEntry(1024, i));
    }
    for (auto _ : state) {
        qsizetype total = 0;
        for (const std::string& entry : entries) {
            total += RtfToPlainText(entry).size();
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_PlainTextOf10000Entries)->Unit(benchmark::kMillisecond);

void BM_DocumentOf20KBEntry(benchmark::State& state)
{
    const std::string entry = TypicalEntry(20 * 1024, 1);
    QTextDocument document;
    for (auto _ : state) {
        RtfToDocument(entry, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_DocumentOf20KBEntry)->Unit(benchmark::kMillisecond);

void BM_WriteOf20KBEntry(benchmark::State& state)
{
    QTextDocument document;
    RtfToDocument(TypicalEntry(20 * 1024, 1), document);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DocumentToRtf(document));
    }
}
BENCHMARK(BM_WriteOf20KBEntry)->Unit(benchmark::kMillisecond);

} // namespace
