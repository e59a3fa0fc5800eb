#include "XTest.h"

// The centre picture, the slide show and the picture chooser of the real program.

namespace {

// Writes a GIF cut short and a JPEG that Qt cannot decode in the run's folder, named `stem`
// with the kind. The guards on a file's kind, header and size are tested headless.
bool writeDamaged(const ClockProcess& run, const QString& stem)
{
    QByteArray half = XTest::gif(Qt::red);
    half.chop(half.size() / 2);
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF garbage", 18);
    return run.writeFile(stem + "-truncated.gif", half.endsWith(';') ? half.chopped(1) : half) &&
           run.writeFile(stem + "-broken.jpg", jpeg + QByteArray(200, '\x5A'));
}

// The chooser stands right of the dialog, whose client area is 2655 twips wide and stands 50
// twips from the screen's corner.
constexpr QRect kChooserArea{180, 3, 340, 176};
const QColor kEmblem{worked::kEmblemHub.red, worked::kEmblemHub.green, worked::kEmblemHub.blue};
// Two rounds of a show of six slides at one a second, and a little more.
constexpr int kShowCycleMs = 13000;

using PicturesX = XTest;

// A click on a file previews it, and Down the next one: a wide picture scaled down into the
// 53-pixel box from its top left corner. OK shows it at the centre, fitted into the 49-pixel
// box that stands at (488, 360), and Save stores it.
TEST_F(PicturesX, ChooseOpensTheChooserBesideTheDialogAndOkShowsThePictureFitted)
{
    ASSERT_TRUE(clock->writeFile("green.gif", gif(Qt::green)));
    ASSERT_TRUE(clock->writeFile("wide.gif", gif(Qt::blue, {200, 100})));
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    x->click(kChoose);
    ASSERT_TRUE(waitForWindow("File manager"));
    EXPECT_EQ(x->shownWindow("File manager"), kChooserArea);
    EXPECT_TRUE(x->shownWindow("Options"));
    EXPECT_FALSE(PixelProbe::near(x->screenshot(), kPreview, Qt::green, 0));
    x->click(kFirstFile);
    EXPECT_TRUE(waitForColour(kPreview, Qt::green));
    x->key("Down");
    // 200 x 100 fitted by the centre's rule, 49 x 24, in the middle of the preview's 53 pixels
    // and of the centre's 49: black above and below it.
    EXPECT_TRUE(waitForColour(kPreview, Qt::blue));
    for (const int y : {-21, 21})
        EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(kPreview + QPoint(0, y)), Qt::black));
    EXPECT_TRUE(PixelProbe::near(x->screenshot(), kCentre, kEmblem, 0));
    x->click(kChooserOk);
    EXPECT_TRUE(waitForColour({488 + 24, 360 + 24}, Qt::blue));
    for (const int y : {5, 44})
        EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(488 + 24, 360 + y), Qt::black));
    EXPECT_TRUE(waitFor([&] { return !x->shownWindow("File manager"); }));
    x->click(inDialog(kSave));
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName), settingsWith("PicCenter=" + clock->path("wide.gif")));
}

// A slide show goes round its GIFs in turn, past the damaged ones, which leave the previous
// picture. A background that is a pipe leaves the screen black, a font name that is no UTF-8
// reaches Qt as it stands, and the file stays.
TEST_F(PicturesX, SlidesAndPreviewsGoPastDamagedFilesAndLeaveThePreviousPicture)
{
    ASSERT_TRUE(clock->writeFile("slides/a-green.gif", gif(Qt::green, {29, 29})));
    ASSERT_TRUE(writeDamaged(*clock, "slides/b"));
    ASSERT_TRUE(clock->writeFile("slides/c-blue.gif", gif(Qt::blue)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(clock->path("Tikora_Clock_bg.jpg")).constData(), 0600), 0);
    const QString show = "PicCenter=" + clock->path("slides/") + "\nSlideShowTime=1\nBack=1";
    const QByteArray settings = settingsWith(show).replace("Tahoma", "Ta\xFF\xFE\xC3(");
    ASSERT_TRUE(clock->writeFile(kSettingsName, settings));
    ASSERT_NO_FATAL_FAILURE(startConfiguring());
    ASSERT_TRUE(waitForColour(kCentre, Qt::green)) << clock->output();
    // Smaller than the centre's 49-pixel box at (488, 360), the first slide stands unscaled in
    // its middle, with nothing of it one pixel beyond any edge.
    const QImage screen = x->screenshot();
    const QRect small(498, 370, 29, 29);
    EXPECT_EQ(PixelProbe::count(screen, small, Qt::green), 29 * 29);
    EXPECT_EQ(PixelProbe::count(screen, small.adjusted(-1, -1, 1, 1), Qt::green), 29 * 29);
    EXPECT_TRUE(PixelProbe::matches(screen.pixel(700, 100), Qt::black));
    // Green through the damaged files, blue, and green again: only these two ever show.
    QString shown = "g";
    QElapsedTimer time;
    for (time.start(); shown != "gbg" && time.elapsed() < kShowCycleMs;
         QThread::msleep(kPollPauseMs)) {
        const QImage screen = x->screenshot();
        const QString now = PixelProbe::near(screen, kCentre, Qt::green, 0)  ? "g"
                            : PixelProbe::near(screen, kCentre, Qt::blue, 0) ? "b"
                                                                             : "?";
        if (!shown.endsWith(now))
            shown += now;
    }
    EXPECT_EQ(shown, "gbg");
    EXPECT_TRUE(clock->runsAfter(0)) << clock->output();
    EXPECT_EQ(clock->readFile(kSettingsName), settings);
}

} // namespace
