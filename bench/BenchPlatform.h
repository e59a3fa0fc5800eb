#pragma once

#include "FullScreenPresentation.h"
#include "QtPlatform.h"
#include "ScreenUnits.h"

#include <QDir>
#include <QTemporaryDir>

#include <string>

// The Qt platform of a real run with the outside world pinned down: a screen of a chosen size
// whatever the display is, a settable time of day, a fresh program folder for the settings
// file, no command line, and no other copy of the clock to find.
struct BenchPresentation {
    ScreenUnits units;
    FullScreenPresentation presentation{RunPolicies::of(RunWay::FullScreen)};
};

class BenchPlatform : private BenchPresentation, public QtPlatform {
public:
    BenchPlatform(int widthPixels, int heightPixels, int time)
        : QtPlatform({}, BenchPresentation::units, presentation)
        , m_screen(BenchPresentation::units.toTwips(QSize(widthPixels, heightPixels)))
        , m_time(time)
    {
    }

    void nextSecond() { m_time = (m_time + 1) % kSecondsPerDay; }

    bool anotherInstanceRunning() override { return false; }
    tk::RunRequest commandLine() override { return {}; }
    std::string programFolder() override
    {
        return QDir::toNativeSeparators(m_folder.path()).toStdString();
    }
    std::string settingsFolder() override { return programFolder(); }
    int timeOfDay() override { return m_time; }
    std::int64_t steadySeconds() override { return m_time; }
    tk::ScreenSize screenSize() override { return m_screen; }

private:
    static constexpr int kSecondsPerDay = 24 * 60 * 60;

    QTemporaryDir m_folder;
    tk::ScreenSize m_screen;
    int m_time;
};
