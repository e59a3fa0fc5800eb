#include "XTest.h"

// The settings dialog of the real program: what its options show at once, and how a run with
// it ends, saved or not.

namespace {

// Places of widgets in the settings dialog's client area, in twips.
constexpr QPoint kBackBox = QPoint{120, 2520} + QPoint{1470, 280};
constexpr QPoint kClock2Box = QPoint{120, 2520} + QPoint{1470, 540};

const QColor kBackground{0, 192, 0};
// At 10:20:30 in "Equal size" the seconds circle is 1080 twips wide at (7140, 9000).
const QPoint kEqualSecondsLeft = XTest::pixel(7140 + 15, 9000 + 540);
const QPoint kEqualSecondsRight = XTest::pixel(7140 + 1080 - 15, 9000 + 540);
// A font name long enough that a save cut off half-way loses most of the file.
constexpr int kLongName = 4000;

using SettingsDialogX = XTest;

// Each option shows at once: "Equal size" the circles redrawn, "Back" the picture at the top
// left corner, "Clock2" the dial, and with it no picture, for the two exclude each other. Save
// writes the change; Escape, the Cancel button, ends the run and leaves the file as it was, line
// ends and all. The dialog shows the pointer.
TEST_F(SettingsDialogX, OptionsShowAtOnceAndOnlySaveWritesThem)
{
    const QByteArray known = settingsWith("HSize=24").replace("\r\n", "\n");
    // Wider than the dialog, so that part of it shows right of the dialog.
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(kBackground);
    ASSERT_TRUE(picture.save(clock->path("Tikora_Clock_bg.jpg"), "JPG"));
    for (const QString end : {"Escape", "Save"}) {
        SCOPED_TRACE(end.toStdString());
        ASSERT_TRUE(clock->writeFile(kSettingsName, known));
        ASSERT_NO_FATAL_FAILURE(startConfiguring());
        EXPECT_TRUE(pointerShown());
        EXPECT_FALSE(PixelProbe::near(x->screenshot(), kEqualSecondsLeft, kSeconds));
        // A click in the dialog gives it the keyboard, as a user's would.
        x->click(inDialog(kEqualSize));
        EXPECT_TRUE(waitForColour(kEqualSecondsLeft, kSeconds));
        EXPECT_TRUE(waitForColour(kEqualSecondsRight, kSeconds));
        if (end == "Save") {
            x->click(inDialog(kSave));
        } else {
            EXPECT_FALSE(PixelProbe::near(x->screenshot(), {300, 50}, kBackground));
            x->click(inDialog(kBackBox));
            EXPECT_TRUE(waitForColour({300, 50}, kBackground));
            EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(300, 150), Qt::black));
            x->click(inDialog(kClock2Box));
            for (const worked::Mark& band : worked::kDialBands) {
                EXPECT_TRUE(waitForColour({band.x, band.y}, {band.red, band.green, band.blue}));
            }
            EXPECT_TRUE(waitForColour({300, 50}, Qt::black));
            x->key("Escape");
        }
        ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
        EXPECT_EQ(clock->readFile(kSettingsName),
                  end == "Save" ? settingsWith("ShapeWidth=1\nHSize=24") : known);
    }
}

// Without a pointer: Tab reaches the language labels and the colours' labels, each showing
// its focus, and Space acts on them as a click does; Enter still saves.
TEST_F(SettingsDialogX, LanguageAndColoursAreReachedWithKeys)
{
    // The label "Russian", and how many Tabs lead from it to "Minutes color": the other
    // language, the six options, the two boxes, and the hours' size and label and the minutes'
    // size before it.
    const QRect russian(80, 11, 41, 13);
    constexpr int kTabsToMinutes = 14;
    ASSERT_TRUE(clock->writeFile(kSettingsName, kDefaultSettings));
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    // A click on no widget gives the dialog the keyboard, as a window manager would.
    x->click({90, 425});
    const QImage unfocused = x->screenshot().copy(russian);
    x->key("Tab");
    EXPECT_TRUE(waitFor([&] { return x->screenshot().copy(russian) != unfocused; }))
        << "the label shows no focus";
    x->key("space");
    EXPECT_TRUE(waitForWindow("Установки")) << "Space did not switch the language";
    for (int i = 0; i < kTabsToMinutes; ++i)
        x->key("Tab");
    x->key("space");
    ASSERT_TRUE(waitForWindow("Select Color")) << "Space did not open the colour picker";
    x->key("Escape");
    EXPECT_TRUE(waitFor([&] { return !x->shownWindow("Select Color"); }));
    x->key("Return");
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs)) << "Enter did not save";
    EXPECT_EQ(clock->readFile(kSettingsName), settingsWith("PicCenter=Встроенная\nLocalisation=0"));
}

// The clock window keeps no copy of its pixels that the X server could show again: what a window
// over it uncovers is painted anew. The dialog, moved over the centre and back, leaves the face
// as it was.
TEST_F(SettingsDialogX, FaceThatTheDialogUncoversIsPaintedAgain)
{
    ASSERT_TRUE(clock->writeFile(kSettingsName, kDefaultSettings));
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    const std::optional<QRect> dialog = x->shownWindow("Options");
    ASSERT_TRUE(dialog);
    // The time of day stands still, so the face stays as it is once the first tick has turned
    // the groups away from 3 o'clock.
    const worked::Face& later = worked::kDifferentLater;
    const worked::Group& seconds = later.groups[0];
    ASSERT_TRUE(waitForColour(
        pixel(seconds.circleLeft + 15, seconds.circleTop + later.circleWidths[0] / 2), kSeconds));
    const QRect face(kCentre - QPoint(150, 150), QSize(300, 300));
    const QImage before = x->screenshot().copy(face);
    const auto moveDialog = [&](QPoint to) {
        x->run("xdotool", {"search", "--name", "^Options$", "windowmove", QString::number(to.x()),
                           QString::number(to.y())});
    };
    moveDialog(face.topLeft());
    ASSERT_TRUE(waitFor([&] { return x->screenshot().copy(face) != before; }))
        << "the dialog did not move over the face";
    moveDialog(dialog->topLeft());
    EXPECT_TRUE(waitFor([&] { return x->screenshot().copy(face) == before; }));
}

TEST_F(SettingsDialogX, ASaveThatCannotBeWrittenWholeLeavesTheOldFileWhole)
{
    // A long font name makes the new file as long as the old one, so that the limit cuts it
    // off half-way; the limit is far above what the program logs.
    const QByteArray known = settingsWith("FName=" + QString(kLongName, 'W'));
    ASSERT_TRUE(clock->writeFile(kSettingsName, known));
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, clock->path("tikora-clock")));
    clock->setProgram("prlimit");
    ASSERT_TRUE(clock->start(
        {QString("--fsize=%1").arg(known.size() / 2), "--", clock->path("tikora-clock"), "/c"}));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    x->click(inDialog(kEqualSize));
    x->click(inDialog(kSave));
    EXPECT_TRUE(clock->runsAfter(kStillRunningMs)) << "the dialog stays for another try";
    EXPECT_EQ(clock->readFile(kSettingsName), known);
    EXPECT_EQ(QDir(clock->path("")).entryList({"Tikora_Clock.ini*"}).size(), 1)
        << "no piece of the new file is left beside it";
}

} // namespace
