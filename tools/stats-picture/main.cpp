// dayloom-stats-picture: docs/statistics.png, the Statistics window over a
// demo diary of two years with moods that follow the seasons.
//
//   dayloom-stats-picture OUTPUT.png [NOW [CHART.png]]
//
// NOW (seconds since 1970) is "today"; the default is a fixed evening, so
// two runs give the same picture. Runs on the offscreen platform.
#include "platform/Clock.h"
#include "stats/StatisticsDlg.h"
#include "stats/WordCounter.h"
#include "store/DiarySession.h"
#include "tools/demo-diary/DemoDiary.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

// Friday, 17 May 2024, 20:30 in London.
constexpr int64_t kDefaultNow = 1715974200;

const char* const kTexts[] = {
    "Long walk by the canal, then soup with Mira.",
    "Rain all day. Finished the chapter on weaving patterns at last.",
    "Work ran late; too tired to cook.",
    "Market in the morning, the first strawberries.",
    "Slept badly. A grey, slow day.",
    "Cycled to the lake and swam. Cold but glorious.",
};

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("TZ", "Europe/London", 0);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dayloom-stats-picture OUTPUT.png [NOW]\n");
        return 2;
    }
    const int64_t now = argc > 2 ? std::strtoll(argv[2], nullptr, 10) : kDefaultNow;

    QTemporaryDir folder;
    const std::string path = QFile::encodeName(folder.filePath("Journal.ilm")).toStdString();
    const CDiaryName name(path);
    std::vector<DemoDay> days;
    std::mt19937 random(11);
    for (int ago = 730; ago >= 0; --ago) {
        if (random() % 7 == 0 && ago > 6) {
            continue; // a day without writing now and then
        }
        const double season = std::sin((ago + 40) * 2 * 3.14159265 / 365);
        const int mood = std::clamp(int(std::lround(season * 2 + int(random() % 3) - 1)), -3, 3);
        days.push_back({ago, mood, -int(random() % 3), -int(random() % 2), int(random() % 5) - 2,
                        false, false, 0.0f, 0, kTexts[random() % 6]});
    }
    CDemoDiary(name, now).WriteEntries(
        "weave", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 ", days);

    CDiarySession session(name);
    CStatisticsDlg dialog(session, now);
    dialog.SetYear(dialog.Year() - 1); // a whole year of colours
    dialog.show();
    auto* counter = dialog.findChild<CWordCounter*>();
    if (counter != nullptr && !counter->IsDone()) {
        QEventLoop loop;
        QObject::connect(counter, &CWordCounter::Finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QCoreApplication::processEvents();
    if (!dialog.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc > 3) { // the chart page as well, for a look by eye
        dialog.Pages()->setCurrentIndex(1);
        QCoreApplication::processEvents();
        dialog.grab().save(QString::fromLocal8Bit(argv[3]), "PNG");
    }
    return 0;
}
