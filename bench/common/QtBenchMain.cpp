// main() for benchmarks that need a QApplication (fonts, text layout,
// painting); runs on the offscreen platform unless told otherwise.
#include "platform/AppInfo.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The face pictures and tips, as the program finds them beside itself.
    CAppInfo::SetFallbackDataDir(QStringLiteral(DAYLOOM_SOURCE_DATA_DIR));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
