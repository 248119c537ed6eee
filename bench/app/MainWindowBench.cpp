// Opening and searching big diaries in the main window. Goals: start-up
// (an accepted password -> the main window built, painted, the last entry
// on view) within 30 ms with 10,000 entries and 60 ms with 100,000; opening
// 10,000 entries (correct password -> list filled, graph set, last entry
// shown) within 150 ms and 100,000 within 1.5 s; a search walking 10,000
// entries without a match within 250 ms; at most 100 MB peak memory after
// opening 10,000 entries (the "maxrss_MB" counter). Opening reads headers
// only, so a diary whose entries hold pictures opens as fast as one without
// (BM_OpenPictureDiary against BM_OpenDiary).
#include "app/DayloomDlg.h"
#include "dialogs/SecurityDlg.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Settings.h"
#include "store/DiaryStore.h"
#include "widgets/EntryRichEdit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <utility>

namespace {
// About one kilobyte of RTF, as a typical entry.
std::string EntryText(int n)
{
    std::string text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 Entry " +
                       std::to_string(n) + ". ";
    while (text.size() < 1000) {
        text += "The morning was grey and the walk to work took longer than usual. ";
    }
    return text + "\\par\n}";
}

// A picture of about 30 KB as the entry stores it: hex in a \pict group.
std::string PictureGroup()
{
    static const std::string group = [] {
        QImage image(400, 300, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, qRgb((x * y) & 0xFF, (x * 3 + y) & 0xFF, (x ^ y) & 0xFF));
            }
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "jpeg", 85);
        return "{\\pict\\jpegblip\\picw400\\pich300\\picwgoal6000\\pichgoal4500\n" +
               jpeg.toHex().toStdString() + "}";
    }();
    return group;
}

struct Environment
{
    QTemporaryDir dir;
    Environment()
    {
        setenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit().constData(),
               1);
        setenv("TZ", "Europe/Berlin", 1);
        QDir::setCurrent(dir.path());
        CMessageBox::SetScripted(true);
        CModal::SetScripted(true);
        CFileDialogs::SetScripted(true);
    }
};

Environment& Env()
{
    static Environment environment;
    return environment;
}

// A diary of `count` entries a day apart, written once per size. The entries
// are appended in time order, so no sort is needed. With pictures every
// tenth entry and the last hold one.
QString Diary(int count, bool pictures = false)
{
    static std::map<std::pair<int, bool>, QString> made;
    auto found = made.find({count, pictures});
    if (found != made.end()) {
        return found->second;
    }
    const QString path =
        Env().dir.filePath(QStringLiteral("diary%1%2.ilm").arg(count).arg(pictures ? "p" : ""));
    CDiaryStore store(0, CFileDialogs::ChoiceFromPath(path).name);
    for (int i = 0; i < count; ++i) {
        store.entry = DiaryEntry{};
        store.entry.time = 946'684'800 + int64_t{i} * 86'400;
        store.entry.mood = i % 7 - 3;
        store.entry.temperature = 36.5f;
        store.entry.text = EntryText(i);
        if (pictures && (i % 10 == 0 || i == count - 1)) {
            store.entry.text.insert(store.entry.text.size() - 6, PictureGroup());
        }
        std::strcpy(store.entry.password, "Secret1");
        store.AppendEntry();
    }
    made.emplace(std::make_pair(count, pictures), path);
    return path;
}

void AnswerPrompt()
{
    CModal::PushHandler([](QDialog& dialog) {
        auto& prompt = dynamic_cast<CSecurityDlg&>(dialog);
        prompt.PasswordField()->setText(QStringLiteral("Secret1"));
        prompt.accept();
    });
}

int RowCount(const CDayloomDlg& window)
{
    return window.EntryList()->model()->rowCount();
}

int SelectedRow(const CDayloomDlg& window)
{
    const QModelIndexList rows = window.EntryList()->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

double MaxRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void OpenDiary(benchmark::State& state, bool pictures)
{
    const QString path = Diary(static_cast<int>(state.range(0)), pictures);
    CDayloomDlg window;
    for (auto _ : state) {
        CFileDialogs::PushDiary(path);
        AnswerPrompt();
        window.OnOpenCreateDiary();
        if (RowCount(window) != state.range(0) || SelectedRow(window) != state.range(0) - 1) {
            state.SkipWithError("the diary did not open");
            break;
        }
    }
    state.counters["maxrss_MB"] = MaxRssMegabytes();
}

void BM_OpenDiary(benchmark::State& state)
{
    OpenDiary(state, false);
}
BENCHMARK(BM_OpenDiary)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_OpenPictureDiary(benchmark::State& state)
{
    OpenDiary(state, true);
}
BENCHMARK(BM_OpenPictureDiary)->Arg(10'000)->Unit(benchmark::kMillisecond);
// Start-up as the program does it: the last diary reopened, its password
// asked before the main window is built. Timed from the prompt's OK to the
// window shown and painted with the last entry on view.
void BM_StartupToWindow(benchmark::State& state)
{
    const QString path = Diary(static_cast<int>(state.range(0)));
    CSettings::WriteProfileInt(QStringLiteral("OpenLastDiary"), 1);
    CSettings::WriteProfileString(QStringLiteral("DiaryFile"), path);
    CSettings::WriteProfileInt(QStringLiteral("ExtLoc"),
                               CFileDialogs::ChoiceFromPath(path).name.ExtLoc());
    CSettings::WriteProfileString(QStringLiteral("shortFile"), QStringLiteral("diary"));
    for (auto _ : state) {
        state.PauseTiming();
        CModal::PushHandler([&state](QDialog& dialog) {
            auto& prompt = dynamic_cast<CSecurityDlg&>(dialog);
            prompt.PasswordField()->setText(QStringLiteral("Secret1"));
            prompt.accept();
            state.ResumeTiming();
        });
        auto window = std::make_unique<CDayloomDlg>();
        window->show();
        window->grab(); // every part painted once
        state.PauseTiming();
        const QString last = QStringLiteral("Entry %1.").arg(state.range(0) - 1);
        const bool shown = window->EntryView()->toPlainText().startsWith(last);
        // What follows the first paint (the list, the graph) is done by now.
        QApplication::processEvents();
        if (!shown || RowCount(*window) != state.range(0) ||
            SelectedRow(*window) != state.range(0) - 1) {
            state.SkipWithError("the last entry was not shown");
            break;
        }
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    CSettings::WriteProfileInt(QStringLiteral("OpenLastDiary"), 0);
}
BENCHMARK(BM_StartupToWindow)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_SearchWithoutMatch(benchmark::State& state)
{
    const QString path = Diary(static_cast<int>(state.range(0)));
    CDayloomDlg window;
    CFileDialogs::PushDiary(path);
    AnswerPrompt();
    window.OnOpenCreateDiary();
    window.findChild<QPushButton*>(QStringLiteral("Search"))->click();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("searchText"));
    bool longer = false;
    for (auto _ : state) {
        // A changed text, then Next: the search runs over the remembered
        // texts at once, lists nothing and says there are no more.
        longer = !longer;
        field->setText(longer ? QStringLiteral("no such words") : QStringLiteral("no such word"));
        window.OnNext();
    }
    if (static_cast<benchmark::IterationCount>(CMessageBox::History().size()) !=
        state.iterations()) {
        state.SkipWithError("the search did not walk to the end");
    }
    CMessageBox::ClearHistory();
}
BENCHMARK(BM_SearchWithoutMatch)->Arg(10'000)->Unit(benchmark::kMillisecond);
} // namespace
