// Checking the spelling of a whole 20 KB entry, as when an entry is opened in
// the editor: every word is looked up once (nothing cached yet), against the
// installed American English dictionary. Words are drawn at random from that
// dictionary, so almost none repeats (a real entry repeats many and costs
// less), and one in twenty has two letters swapped.
#include "widgets/SpellChecker.h"
#include "widgets/SpellHighlighter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <benchmark/benchmark.h>
#include <random>

namespace {

QString SampleEntry(int bytes)
{
    QFile dic(QStringLiteral("/usr/share/hunspell/en_US.dic"));
    if (!dic.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList words;
    dic.readLine(); // the word count
    while (!dic.atEnd()) {
        const QString line = QString::fromUtf8(dic.readLine()).trimmed();
        const QString word = line.section(QLatin1Char('/'), 0, 0);
        if (word.size() > 1) {
            words << word;
        }
    }
    std::mt19937 random(7);
    QString text;
    int inParagraph = 0;
    while (text.size() < bytes) {
        QString word = words.at(std::uniform_int_distribution<int>(0, words.size() - 1)(random));
        if (random() % 20 == 0 && word.size() > 3) {
            std::swap(word[1], word[2]);
        }
        text += word;
        text += ++inParagraph % 120 == 0 ? QStringLiteral(".\n") : QStringLiteral(" ");
    }
    return text;
}

void BM_SpellCheckEntry(benchmark::State& state)
{
    const QString text = SampleEntry(20 * 1024);
    QTemporaryDir dir;
    if (text.isEmpty() || !CSpellChecker("en_US", dir.path() + "/words.txt").IsReady()) {
        state.SkipWithError("the en_US hunspell dictionary is not installed");
        return;
    }
    int64_t marked = 0;
    std::unique_ptr<QTextDocument> document;
    std::unique_ptr<CSpellHighlighter> highlighter;
    for (auto _ : state) {
        // Loading the dictionary (once per editor) and freeing it are not timed.
        state.PauseTiming();
        highlighter.reset();
        document = std::make_unique<QTextDocument>();
        document->setPlainText(text);
        // A fresh checker: nothing is known yet.
        highlighter = std::make_unique<CSpellHighlighter>(
            document.get(), std::make_unique<CSpellChecker>("en_US", dir.path() + "/words.txt"));
        state.ResumeTiming();
        highlighter->rehighlight(); // checks every paragraph
    }
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        marked += block.layout()->formats().size();
    }
    state.counters["bytes"] = static_cast<double>(text.toUtf8().size());
    state.counters["marked"] = static_cast<double>(marked);
}
BENCHMARK(BM_SpellCheckEntry)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// Opening the editor again: the dictionary is loaded already (the first
// opening reads it, about 60 ms for en_US), the personal list is read.
void BM_SpellCheckerReopen(benchmark::State& state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        CSpellChecker checker("en_US", dir.path() + "/words.txt");
        if (!checker.IsReady()) {
            state.SkipWithError("the en_US hunspell dictionary is not installed");
            return;
        }
    }
}
BENCHMARK(BM_SpellCheckerReopen)->Unit(benchmark::kMicrosecond);

} // namespace
