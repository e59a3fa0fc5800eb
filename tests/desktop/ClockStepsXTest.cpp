#include "XTest.h"

#include <cmath>

#include <unistd.h>

// Steps of the time of day while the clock runs, made with libfaketime: "Time from start" keeps
// counting the time the clock has run, and "Current time" follows the time of day at once, and
// the system's time zone when it is set anew.

namespace {

// The time of day at the start, and the time after it: the time of day is set to it once the face
// stands, or, for a step that is not made, the clock runs on to it. Then where the hours circle
// stands: the hour, and the minutes figure of the current time, which gives the hour's fraction
// ("Time from start" shows 0 minutes).
// clang-format off
struct ClockStep { const char* name; const char* zone; const char* start; const char* after; bool stepped;
    int hour; int minutesFigure; };
const ClockStep kSteps[] = {
    {"BackAnHour", "UTC", "@2026-12-06 10:20:30", "@2026-12-06 09:20:30", true, 9, 20},
    {"ADayOn", "UTC", "@2026-12-06 10:20:30", "@2026-12-07 10:20:30", true, 10, 20},
    {"SpringForward", "Europe/Berlin", "@2026-03-29 01:59:58", "@2026-03-29 03:00:00", false, 3, 0},
};
// clang-format on

// The hours circle of "Different size": 4.4 units of 380 twips from the centre.
QRect hoursCircle(int hour, int minutesFigure)
{
    constexpr double kDistance = 4.4 * 380;
    constexpr double kHalf = 540;
    const double angle = ((hour - 3) * 5 + minutesFigure / 12.0) * 0.10472;
    const QPoint corner = XTest::pixel(7680 + kDistance * std::cos(angle) - kHalf,
                                       5760 + kDistance * std::sin(angle) - kHalf);
    return {corner, QSize(72, 72)};
}

class ClockStepsX : public XTest,
                    public ::testing::WithParamInterface<std::tuple<ClockStep, bool>> {
protected:
    // Starts the clock at the time the file names, with the time of day read from the file
    // at every look, and waits for its first tick, which writes the figures: the hint in the
    // corner fades at each.
    void startAt(const char* time)
    {
        ASSERT_TRUE(clock->writeFile("faketime", time));
        clock->kill();
        ASSERT_NO_FATAL_FAILURE(startClock());
        const QRect hint(824, 728, 200, 40);
        const QImage first = x->screenshot().copy(hint);
        ASSERT_TRUE(waitFor([&] { return x->screenshot().copy(hint) != first; }));
    }
    int hoursPixels(const QRect& circle) const
    {
        return PixelProbe::count(x->screenshot(), circle, kHours);
    }
};

// The hours circle, with its rim and its figure, is what a run without the step shows at the
// same time of day after the same time: "0" hours from the start, or the hour of the day.
TEST_P(ClockStepsX, FaceIsThatOfARunWithoutTheStep)
{
    const auto& [step, fromStart] = GetParam();
    clock->setEnvironment("TZ", step.zone);
    clock->setEnvironment("LD_PRELOAD", "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1");
    clock->setEnvironment("FAKETIME_TIMESTAMP_FILE", clock->path("faketime"));
    clock->setEnvironment("FAKETIME_NO_CACHE", "1");
    clock->setEnvironment("FAKETIME_DONT_FAKE_MONOTONIC", "1");
    ASSERT_TRUE(
        clock->writeFile(kSettingsName, settingsWith(fromStart ? "ViewTime=1" : "ViewTime=0")));
    const QRect circle = hoursCircle(step.hour, fromStart ? 0 : step.minutesFigure);
    ASSERT_NO_FATAL_FAILURE(startAt(step.after));
    const int expected = hoursPixels(circle);
    ASSERT_GT(expected, 0) << "the hours circle is not where it was looked for";

    ASSERT_NO_FATAL_FAILURE(startAt(step.start));
    if (step.stepped) {
        ASSERT_TRUE(clock->writeFile("faketime", step.after));
    }
    constexpr int kTolerance = 20;
    int shown = 0;
    EXPECT_TRUE(waitFor([&] {
        return std::abs((shown = hoursPixels(circle)) - expected) <= kTolerance;
    })) << shown
        << " pixels of the hours colour, where a run without the step shows " << expected;
}

INSTANTIATE_TEST_SUITE_P(Steps, ClockStepsX,
                         ::testing::Combine(::testing::ValuesIn(kSteps), ::testing::Bool()),
                         [](const auto& info) {
                             return (std::get<1>(info.param) ? "FromStart" : "CurrentTime") +
                                    std::string(std::get<0>(info.param).name);
                         });

using ZoneChangeX = XTest;

// The system's time zone, set anew while the clock runs as /etc/localtime is replaced, moves the
// hours circle to the new zone's hour: from 10:20 in UTC to 7:20 three hours west. The zone file
// is a file of the run's that stands at /etc/localtime in a mount namespace of the clock's own.
TEST_F(ZoneChangeX, CurrentTimeFollowsANewSystemZone)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a mount namespace of the test's own needs root";
    const QString program = clock->path("tikora-clock");
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, program));
    const QString zone = clock->path("localtime");
    // glibc reads the zone again when its file's modification time differs, to the second; each
    // zone is stamped with a time of its own, whenever it is written.
    const auto setZone = [&](const QString& name, int year) {
        QFile file(zone);
        QFile source("/usr/share/zoneinfo/" + name);
        return source.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly) &&
               file.write(source.readAll()) > 0 && file.flush() &&
               file.setFileTime(QDateTime(QDate(year, 1, 1), QTime(0, 0)),
                                QFileDevice::FileModificationTime);
    };
    ASSERT_TRUE(setZone("Etc/UTC", 2020));
    clock->setProgram("unshare");
    clock->setEnvironment("TZ", std::nullopt);
    const QString mountZone = R"(mount --bind "$0" /etc/localtime && exec "$1" /s)";
    ASSERT_TRUE(
        clock->start({"--mount", "sh", "-c", mountZone, zone, program}, "@2026-12-06 10:20:30"));
    ASSERT_TRUE(waitFor([&] {
        return PixelProbe::count(x->screenshot(), hoursCircle(10, 20), kHours) > 0;
    })) << clock->output();
    // Etc/GMT+3 is three hours west of Greenwich, as POSIX writes the sign.
    ASSERT_TRUE(setZone("Etc/GMT+3", 2021));
    EXPECT_TRUE(waitFor([&] {
        return PixelProbe::count(x->screenshot(), hoursCircle(7, 20), kHours) > 0;
    })) << clock->output();
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

} // namespace
