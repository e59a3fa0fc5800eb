#include "DesktopTest.h"

namespace {

// Places of widgets in the settings dialog's client area, in twips: the frame's place in the
// dialog plus the widget's place in the frame.
constexpr QPoint kEqualSize = QPoint{120, 1440} + QPoint{120, 510};
constexpr QPoint kBackBox = QPoint{120, 2520} + QPoint{1470, 280};
constexpr QPoint kClock2Box = QPoint{120, 2520} + QPoint{1470, 540};
constexpr QPoint kRussian{1150, 120};
constexpr QPoint kSave{120, 5880};
constexpr QPoint kCancel{1560, 5880};

constexpr QRect kDialogArea{3, 3, 177, 458};
// The dialog is light; its captions are the few dark pixels on it.
constexpr double kLitDialog = 0.8;
constexpr double kAllLit = 0.997;
const QColor kBackground{0, 192, 0};
// The dial's inner and middle bands, 110 and 180 pixels up right from the screen's centre,
// half-way between its marks at 1 and 2 o'clock, where no circle stands at 10:20:30.
const std::pair<QPoint, QColor> kInnerBand{{590, 306}, {90, 74, 62}};
const std::pair<QPoint, QColor> kMiddleBand{{639, 257}, {105, 82, 71}};

// At 10:20:30 in "Equal size" the seconds circle is 1080 twips wide at (7140, 9000).
const QPoint kEqualSecondsLeft = DesktopTest::pixel(7140 + 15, 9000 + 540);
const QPoint kEqualSecondsRight = DesktopTest::pixel(7140 + 1080 - 15, 9000 + 540);

class SettingsDialogX : public DesktopTest {
protected:
    // Runs "/c" at 10:20:30 and waits for the dialog.
    void startConfiguring()
    {
        ASSERT_TRUE(clock->start({"/c"}, kFrozenTime));
        ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    }
};

TEST_F(SettingsDialogX, OptionsStandsAtTheTopLeftWithItsCaptionsAndThePointer)
{
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    EXPECT_EQ(x->shownWindow("Options"), kDialogArea);
    const auto lit = [](const QImage& image) { return PixelProbe::litShare(image, kDialogArea); };
    const double share =
        lit(waitForScreen([&](const QImage& image) { return lit(image) > kLitDialog; }));
    EXPECT_GT(share, kLitDialog);
    EXPECT_LT(share, kAllLit) << "no dark captions";
    EXPECT_EQ(x->pointer(), QPoint(143, 53));
}

TEST_F(SettingsDialogX, EqualSizeRedrawsTheCirclesAndSaveWritesIt)
{
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    EXPECT_FALSE(PixelProbe::near(x->screenshot(), kEqualSecondsLeft, kSeconds));
    x->click(inDialog(kEqualSize));
    EXPECT_TRUE(waitForColour(kEqualSecondsLeft, kSeconds));
    EXPECT_TRUE(waitForColour(kEqualSecondsRight, kSeconds));
    x->click(inDialog(kSave));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName),
              QByteArray(kDefaultSettings).replace("ShapeWidth=0", "ShapeWidth=1"));
}

TEST_F(SettingsDialogX, CancelEndsWithTheFileUnchanged)
{
    const QByteArray known =
        QByteArray(kDefaultSettings).replace("\r\n", "\n").replace("HSize=30", "HSize=24");
    QFile file(clock->path(kSettingsName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(known) == known.size());
    file.close();
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    x->click(inDialog(kEqualSize));
    EXPECT_TRUE(waitForColour(kEqualSecondsLeft, kSeconds));
    EXPECT_TRUE(waitForColour(kEqualSecondsRight, kSeconds));
    x->click(inDialog(kCancel));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName), known);
}

TEST_F(SettingsDialogX, RussianTurnsTheCaptionsRussian)
{
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    x->click(inDialog(kRussian));
    EXPECT_TRUE(waitForWindow("Установки"));
    EXPECT_FALSE(x->shownWindow("Options"));
}

TEST_F(SettingsDialogX, BackShowsThePictureAtTheTopLeftCorner)
{
    // Wider than the dialog, so that part of it shows right of the dialog.
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(kBackground);
    ASSERT_TRUE(picture.save(clock->path("Tikora_Clock_bg.jpg"), "JPG"));
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    EXPECT_FALSE(PixelProbe::near(x->screenshot(), {300, 50}, kBackground));
    x->click(inDialog(kBackBox));
    EXPECT_TRUE(waitForColour({300, 50}, kBackground));
    EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(300, 150), Qt::black));
}

TEST_F(SettingsDialogX, Clock2ShowsTheDialAndNoLines)
{
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    x->click(inDialog(kClock2Box));
    EXPECT_TRUE(waitForColour(kInnerBand.first, kInnerBand.second));
    EXPECT_TRUE(waitForColour(kMiddleBand.first, kMiddleBand.second));
    // Half-way along where the seconds and minutes lines of "Equal size" would run.
    const QImage screen = x->screenshot();
    EXPECT_FALSE(PixelProbe::near(screen, pixel(7680, (5760 + 9000) / 2), kSeconds, 1));
    EXPECT_FALSE(
        PixelProbe::near(screen, pixel((7680 + 9550.6) / 2, (5760 + 6840) / 2), kMinutes, 1));
}

} // namespace
