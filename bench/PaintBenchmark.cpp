// The cost of repainting the clock window: the whole face, and the part of it that one tick
// leaves to repaint. The face is painted into an image of the screen's size by the clock
// window's own painting code, on Qt's offscreen platform, so no display is needed.

#include "BenchPlatform.h"
#include "ClockWindow.h"
#include "DirtyRegionRecorder.h"
#include "Form1.h"
#include "QtBenchmarkMain.h"
#include "TikoraClock.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

constexpr int kStartTime = 10 * 3600 + 20 * 60 + 30;
// The hint fades over the first ticks; the measured ticks come after it is gone.
constexpr int kWarmUpTicks = 10;

int widthOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

int heightOf(const benchmark::State& state)
{
    return static_cast<int>(state.range(1));
}

void startClock(BenchPlatform& platform, TikoraClock& run)
{
    run.start();
    for (int i = 0; i < kWarmUpTicks; ++i) {
        platform.nextSecond();
        run.form1().Timer4_Timer();
    }
}

QImage screenImage(const benchmark::State& state)
{
    QImage image(widthOf(state), heightOf(state), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    return image;
}

std::int64_t areaOf(const QRegion& region)
{
    std::int64_t area = 0;
    for (const QRect& rect : region)
        area += static_cast<std::int64_t>(rect.width()) * rect.height();
    return area;
}

void BM_PaintFull(benchmark::State& state)
{
    BenchPlatform platform(widthOf(state), heightOf(state), kStartTime);
    TikoraClock run(platform);
    startClock(platform, run);
    ClockWindow& window = *platform.clockWindow();
    QImage image = screenImage(state);
    const QRect all = image.rect();
    for (auto _ : state) {
        QPainter painter(&image);
        window.paintFace(painter, all);
    }
}

// Each pass ticks the clock one second on, untimed, then times the repaint of what the tick
// dirtied, clipped to it as a paint event is.
void BM_PaintAfterTick(benchmark::State& state)
{
    BenchPlatform platform(widthOf(state), heightOf(state), kStartTime);
    TikoraClock run(platform);
    startClock(platform, run);
    Form1& form = run.form1();
    ClockWindow& window = *platform.clockWindow();
    DirtyRegionRecorder recorder(window, QRect(0, 0, widthOf(state), heightOf(state)));
    form.setObserver(&recorder);
    QImage image = screenImage(state);
    double dirtyPixels = 0;
    double boundingPixels = 0;
    for (auto _ : state) {
        recorder.clear();
        platform.nextSecond();
        form.Timer4_Timer();
        const QRegion& dirty = recorder.region();
        const QRect bounding = dirty.boundingRect();
        const auto started = std::chrono::steady_clock::now();
        {
            QPainter painter(&image);
            window.paintFace(painter, dirty);
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        state.SetIterationTime(elapsed.count());
        dirtyPixels += static_cast<double>(areaOf(dirty));
        boundingPixels += static_cast<double>(bounding.width()) * bounding.height();
    }
    state.counters["dirty_px"] =
        benchmark::Counter(dirtyPixels, benchmark::Counter::kAvgIterations);
    state.counters["bounding_px"] =
        benchmark::Counter(boundingPixels, benchmark::Counter::kAvgIterations);
    form.setObserver(&window);
}

} // namespace

BENCHMARK(BM_PaintFull)
    ->ArgNames({"width", "height"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintAfterTick)
    ->ArgNames({"width", "height"})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return bench::runQtBenchmarks(argc, argv);
}
