// The cost of one tick of the clock, measured on the scripted platform so that only the
// system's own work is timed: no painting, no Qt.

#include "ClockRun.h"
#include "Form1.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kStartTime = 10 * 3600 + 20 * 60 + 30;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
// The hint fades over the first ticks; the measured ticks come after it is gone.
constexpr int kWarmUpTicks = 10;
constexpr int kSecondsPerTurn = 60;
constexpr double kSixDegrees = 0.10472;

void nextSecond(fake::FakePlatform& platform)
{
    platform.time = (platform.time + 1) % kSecondsPerDay;
}

// Starts a clock in the circle style `shapeWidth` (0: "Different size", 1: "Equal size").
bool startClock(fake::ClockRun& run, benchmark::State& state)
{
    const auto shapeWidth = std::to_string(state.range(0));
    run.platform.putFile("Tikora_Clock.ini", "ViewTime=0\r\nShapeWidth=" + shapeWidth + "\r\n");
    run.platform.setScreenPixels(kScreenWidth, kScreenHeight);
    run.platform.time = kStartTime;
    if (!run.start()) {
        state.SkipWithError("the clock ended during start-up");
        return false;
    }
    for (int i = 0; i < kWarmUpTicks; ++i) {
        nextSecond(run.platform);
        run.clock().Timer4_Timer();
    }
    return true;
}

void BM_Tick(benchmark::State& state)
{
    fake::ClockRun run;
    if (!startClock(run, state))
        return;
    Form1& clock = run.clock();
    for (auto _ : state) {
        nextSecond(run.platform);
        clock.Timer4_Timer();
    }
}

// The second hand's angle walks round the face, so every pass really moves a circle.
void BM_DoLines(benchmark::State& state)
{
    fake::ClockRun run;
    if (!startClock(run, state))
        return;
    Form1& clock = run.clock();
    std::array<float, kSecondsPerTurn> angles{};
    for (int s = 0; s < kSecondsPerTurn; ++s)
        angles[s] = static_cast<float>((s - 15) * kSixDegrees);
    int second = 0;
    for (auto _ : state) {
        clock.Angles[0] = angles[second];
        second = (second + 1) % kSecondsPerTurn;
        clock.Do_Lines();
    }
}

} // namespace

BENCHMARK(BM_Tick)->ArgName("ShapeWidth")->Arg(0)->Arg(1);
BENCHMARK(BM_DoLines)->ArgName("ShapeWidth")->Arg(0)->Arg(1);

BENCHMARK_MAIN();
