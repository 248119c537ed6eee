// Speed goals of the import from other programs: 10,000 entries of about
// 1 KB each, read from a jrnl or Day One export, converted to entries,
// checked against the open diary and shown in the preview, within 2 s each.
#include "import/ForeignExport.h"
#include "import/ImportPlan.h"
#include "import/ImportPreviewDlg.h"
#include "store/DiaryStore.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

// About 1 KB of prose, Markdown or plain, different for each seed.
QString Body(int seed, bool markdown)
{
    static const char* const kWords[] = {"today",   "we",  "walked", "to",    "the",
                                         "café",    "and", "talked", "about", "the",
                                         "weather", "it",  "was",    "fine"};
    QString body;
    int n = seed;
    while (body.size() < 1000) {
        for (int i = 0; i < 12; ++i) {
            body += QString::fromUtf8(kWords[(n++ * 7) % 14]) + QLatin1Char(' ');
        }
        const int extra = n % 4;
        if (extra == 0) {
            body += markdown ? QStringLiteral("**bold words** ") : QStringLiteral("plain words ");
        } else if (extra == 1) {
            body += QStringLiteral("\n\n");
        } else if (extra == 2) {
            body += markdown ? QStringLiteral("*italic* ") : QStringLiteral("more ");
        }
    }
    return body;
}

QByteArray JrnlExport(int count)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i) {
        const QDate day = QDate(1995, 1, 1).addDays(i);
        entries.append(QJsonObject{{"title", QStringLiteral("Day %1.").arg(i)},
                                   {"body", Body(i, false)},
                                   {"date", day.toString(Qt::ISODate)},
                                   {"time", "21:30"},
                                   {"tags", QJsonArray{"@home", "@work"}},
                                   {"starred", i % 10 == 0}});
    }
    return QJsonDocument(QJsonObject{{"tags", QJsonObject{}}, {"entries", entries}}).toJson();
}

QByteArray DayOneExport(int count)
{
    QJsonArray entries;
    for (int i = 0; i < count; ++i) {
        const QDateTime when(QDate(1995, 1, 1).addDays(i), QTime(20, 30), Qt::UTC);
        entries.append(QJsonObject{{"uuid", QString::number(i)},
                                   {"creationDate", when.toString(Qt::ISODate)},
                                   {"timeZone", "Europe/Berlin"},
                                   {"text", QStringLiteral("# Day %1\n\n").arg(i) + Body(i, true)},
                                   {"tags", QJsonArray{"travel"}},
                                   {"starred", i % 10 == 0}});
    }
    return QJsonDocument(
               QJsonObject{{"metadata", QJsonObject{{"version", "1.0"}}}, {"entries", entries}})
        .toJson();
}

// Reads the export, checks it against a diary of 1,000 entries on other
// days and builds the preview.
void RunImport(benchmark::State& state, const QByteArray& bytes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("export.json");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();

    const std::string diary = QFile::encodeName(folder.filePath("diary.ilm")).toStdString();
    {
        CDiaryStore store(0, CDiaryName(diary));
        for (int i = 0; i < 1000; ++i) {
            store.entry = DiaryEntry{};
            store.entry.time = 100000 + i * 3600;
            store.entry.text = "{\\rtf1 old}";
            std::strcpy(store.entry.password, "Secret1");
            store.AppendEntry();
        }
    }
    for (auto _ : state) {
        CImportPlan plan(CForeignExport::ReadFile(path));
        CDiaryStore store(0, CDiaryName(diary));
        plan.Check(&store);
        CImportPreviewDlg preview(nullptr, QStringLiteral("export.json"), plan);
        benchmark::DoNotOptimize(plan.NewCount());
        if (plan.NewCount() != state.range(0)) {
            state.SkipWithError("not every entry was read");
        }
    }
}

void BM_ImportJrnlJson(benchmark::State& state)
{
    RunImport(state, JrnlExport(static_cast<int>(state.range(0))));
}

void BM_ImportDayOneJson(benchmark::State& state)
{
    RunImport(state, DayOneExport(static_cast<int>(state.range(0))));
}

} // namespace

BENCHMARK(BM_ImportJrnlJson)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImportDayOneJson)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
