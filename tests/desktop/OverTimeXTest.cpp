#include "DesktopTest.h"

#include <algorithm>

// What a user sees of the real program over time: a face that moves every second and leaves
// nothing behind, its figures, the hint, the hidden pointer, and the keys that end a run or not.

namespace {

// The clock starts at 10:20:30 and runs on.
const QString kRunningTime = "@2026-12-06 10:20:30";
constexpr QPoint kCentreRim{476, 384};
// The face, without the hint in the bottom right corner.
constexpr QRect kFaceArea{200, 100, 624, 568};
constexpr QRect kHintCorner{824, 728, 200, 40};
// Where the seconds, minutes and hours figures stand at 10:20:30 in "Different size".
constexpr QRect kFigures[] = {{500, 595, 25, 25}, {645, 452, 34, 34}, {403, 286, 46, 43}};
// Enough pixels of a group's colour for two bold digits, and none without them.
constexpr int kFigurePixels = 12;
// How much the seconds group may vary from one second to the next: its figure's digits and
// the antialiasing of its line change, its circle and line stay the same size.
constexpr double kSecondsPixelsSpread = 1.25;
constexpr int kSecondsWatched = 5;

// Places of the dialog's buttons in its client area.
constexpr QPoint kEqualSize = QPoint{120, 1440} + QPoint{120, 510};
constexpr QPoint kSave{120, 5880};
// A font name long enough that a save cut off half-way loses most of the file.
constexpr int kLongName = 4000;

class OverTimeX : public DesktopTest {
protected:
    void startClock(const QStringList& switches, const QString& time)
    {
        ASSERT_TRUE(clock->start(switches, time));
        ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
    }
    // The face once it has changed from `before`; a null image when it did not change.
    QImage nextFace(const QImage& before) const
    {
        const QImage face = waitForScreen([&](const QImage& image) {
                                return image.copy(kFaceArea) != before;
                            }).copy(kFaceArea);
        return face != before ? face : QImage();
    }
    // Whether the X server shows the pointer now.
    bool pointerShown() const
    {
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", x->display());
        probe.setProcessEnvironment(environment);
        probe.start(TIKORA_CURSOR_PROBE, {});
        EXPECT_TRUE(probe.waitForFinished() && probe.exitCode() == 0) << "no XFixes";
        return probe.readAllStandardOutput().trimmed() == "visible";
    }
    void writeSettings(const QByteArray& contents) const
    {
        QFile file(clock->path(kSettingsName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
};

TEST_F(OverTimeX, TheFaceMovesEverySecondAndLeavesNoTrail)
{
    ASSERT_NO_FATAL_FAILURE(startClock({"/s"}, kRunningTime));
    QImage face = x->screenshot().copy(kFaceArea);
    std::vector<int> secondsPixels;
    for (int second = 0; second < kSecondsWatched; ++second) {
        face = nextFace(face);
        ASSERT_FALSE(face.isNull()) << "the face stood still after " << second << " changes";
        secondsPixels.push_back(PixelProbe::count(face, face.rect(), kSeconds));
    }
    const auto [fewest, most] = std::minmax_element(secondsPixels.begin(), secondsPixels.end());
    EXPECT_LE(*most, *fewest * kSecondsPixelsSpread)
        << "the seconds group grows: " << ::testing::PrintToString(secondsPixels);
}

TEST_F(OverTimeX, TheFiguresShowTheTime)
{
    ASSERT_NO_FATAL_FAILURE(startClock({"/s"}, kFrozenTime));
    const QColor colours[] = {kSeconds, kMinutes, kHours};
    const auto shown = [&](const QImage& image) {
        for (int k = 0; k < 3; ++k) {
            if (PixelProbe::count(image, kFigures[k], colours[k]) < kFigurePixels)
                return false;
        }
        return true;
    };
    const QImage screen = waitForScreen(shown);
    for (int k = 0; k < 3; ++k)
        EXPECT_GE(PixelProbe::count(screen, kFigures[k], colours[k]), kFigurePixels) << k;
}

TEST_F(OverTimeX, TheHintShowsInTheCornerAtTheStart)
{
    ASSERT_TRUE(clock->start({"/s"}, kFrozenTime));
    const auto lit = [](const QImage& image) { return PixelProbe::litShare(image, kHintCorner); };
    EXPECT_GT(lit(waitForScreen([&](const QImage& image) { return lit(image) > 0; })), 0);
}

TEST_F(OverTimeX, ShiftAloneKeepsTheRunAndThePointerIsHidden)
{
    ASSERT_NO_FATAL_FAILURE(startClock({"/s"}, kFrozenTime));
    EXPECT_FALSE(pointerShown());
    x->key("Shift_L");
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs));
    x->key("a");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
}

TEST_F(OverTimeX, EscapeInTheDialogCancelsAndItsPointerShows)
{
    const QByteArray known = QByteArray(kDefaultSettings).replace("HSize=30", "HSize=24");
    ASSERT_NO_FATAL_FAILURE(writeSettings(known));
    ASSERT_TRUE(clock->start({"/c"}, kFrozenTime));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    EXPECT_TRUE(pointerShown());
    // A click in the dialog gives it the keyboard, as a user's would.
    x->click(inDialog(kEqualSize));
    x->key("Escape");
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName), known);
}

TEST_F(OverTimeX, ASaveThatCannotBeWrittenWholeLeavesTheOldFileWhole)
{
    // A long font name makes the new file as long as the old one, so that the limit cuts it
    // off half-way; the limit is far above what the program logs.
    const QByteArray known =
        QByteArray(kDefaultSettings).replace("Tahoma", QByteArray(kLongName, 'W'));
    ASSERT_NO_FATAL_FAILURE(writeSettings(known));
    clock->setLauncher({"prlimit", QString("--fsize=%1").arg(known.size() / 2), "--"});
    ASSERT_TRUE(clock->start({"/c"}, kFrozenTime));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    x->click(inDialog(kEqualSize));
    x->click(inDialog(kSave));
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs)) << "the dialog stays for another try";
    EXPECT_EQ(clock->readFile(kSettingsName), known);
    EXPECT_EQ(QDir(clock->path(".")).entryList({"Tikora_Clock.ini*"}).size(), 1)
        << "no piece of the new file is left beside it";
}

} // namespace
