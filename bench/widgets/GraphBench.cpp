// Painting the graph panel for a long history: every paint after a scroll
// renders the visible window again, so its cost must not depend on the
// number of entries or on where in the history the panel is scrolled to.
#include "widgets/GraphCtrl.h"

#include <QApplication>
#include <QEventLoop>
#include <QImage>
#include <QStyle>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>

namespace {

void FillHistory(CGraphCtrl& graph, int count)
{
    std::mt19937 random(42);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    graph.SetGraphData(count);
    for (int k = 0; k < count; ++k) {
        EntryHeader header;
        header.mood = pick(-3, 3);
        header.fatigue = pick(-1, 1);
        header.shape = pick(-2, 1);
        header.dream = pick(-2, 2);
        header.temperature = 35.5f + static_cast<float>(pick(0, 30)) / 10;
        header.weight = pick(50, 110);
        header.menstruus = pick(0, 5) == 0 ? 1 : 0;
        header.copulation = pick(0, 3) == 0 ? 1 : 0;
        graph.SetEntry(k, header);
    }
}

// Args: entry count, scroll position in percent of the history, panel width.
void BM_GraphPaintAfterScroll(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const int width = static_cast<int>(state.range(2));
    CGraphCtrl graph;
    graph.resize(width, 200 + graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    FillHistory(graph, count);
    QImage target(graph.size(), QImage::Format_RGB32);
    graph.render(&target);

    const int64_t last = int64_t{count + 4} * graph.m_nStepX - graph.ClientWidth();
    const int start = static_cast<int>(-75 + (last + 75) * state.range(1) / 100);
    int step = 0;
    for (auto _ : state) {
        // Alternate between two neighbouring positions, as a dragged thumb
        // does, so that every paint needs a new window of the picture.
        graph.OnHScroll(CGraphCtrl::ScrollRequest::ThumbTrack, start - 4 * (step++ & 1));
        graph.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["picture_bytes"] = static_cast<double>(graph.m_bmpGraph.sizeInBytes());
}
BENCHMARK(BM_GraphPaintAfterScroll)
    ->ArgNames({"entries", "at%", "width"})
    ->Args({100000, 0, 600})
    ->Args({100000, 50, 600})
    ->Args({100000, 100, 600})
    ->Args({1000, 100, 600})
    ->Args({100000, 0, 1200})
    ->Args({100000, 100, 1200})
    ->Unit(benchmark::kMillisecond);

// A paint after a change of the data or of the switches: the picture is
// marked dirty and rendered again.
void BM_GraphPaintDirty(benchmark::State& state)
{
    CGraphCtrl graph;
    graph.resize(600, 200 + graph.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    FillHistory(graph, static_cast<int>(state.range(0)));
    graph.SetCurrentEntry(static_cast<int>(state.range(0)) - 1);
    QImage target(graph.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        graph.Invalidate();
        graph.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_GraphPaintDirty)->Arg(100000)->Unit(benchmark::kMillisecond);

// Filling the arrays of a long history, as a reload of the entry list does.
void BM_GraphSetGraphData(benchmark::State& state)
{
    std::vector<EntryHeader> headers(static_cast<size_t>(state.range(0)));
    for (size_t k = 0; k < headers.size(); ++k) {
        headers[k].mood = static_cast<int32_t>(k % 7) - 3;
    }
    CGraphCtrl graph;
    for (auto _ : state) {
        graph.SetGraphData(headers);
        benchmark::DoNotOptimize(graph.m_pMood.data());
    }
}
BENCHMARK(BM_GraphSetGraphData)->Arg(100000)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void RunEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The panel shown with a diary open and left alone: the process's CPU time
// over one idle second of the real event loop. Anything above a few
// milliseconds means something keeps repainting.
void BM_GraphCpuAtRest(benchmark::State& state)
{
    QWidget window;
    window.resize(640, 260);
    auto* graph = new CGraphCtrl(&window);
    graph->setGeometry(10, 10, 620, 240);
    FillHistory(*graph, static_cast<int>(state.range(0)));
    graph->SetCurrentEntry(static_cast<int>(state.range(0)) - 1);
    window.show();
    RunEventLoop(300); // shown, painted and settled
    double cpu = 0;
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        RunEventLoop(1000);
        cpu = ProcessCpuSeconds() - before;
    }
    state.counters["cpu_ms_per_idle_s"] = cpu * 1000;
}
BENCHMARK(BM_GraphCpuAtRest)
    ->ArgName("entries")
    ->Arg(40)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace
