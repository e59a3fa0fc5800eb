#include "DesktopTest.h"
#include "TestPictures.h"

#include <QDir>

// The centre picture, the slide show and the picture chooser of the real program.

namespace {

const QPoint kCentre{512, 384};
// The chooser stands right of the dialog, whose client area is 2655 twips wide and stands 50
// twips from the screen's corner.
constexpr QRect kChooserArea{180, 3, 340, 176};
// The built-in emblem's colour at the middle of the screen.
const QColor kEmblem{200, 160, 60};
const QColor kRed{255, 0, 0};
const QColor kGreen{0, 200, 0};
const QColor kBlue{0, 0, 255};
// Five slides at one a second, and a little more.
constexpr int kShowCycleMs = 6000;

const QPoint kChoose = DesktopTest::inDialog(120 + 120, 2520 + 510);
const QPoint kSlideShow = DesktopTest::inDialog(120 + 120, 2520 + 800);
// A point of the dialog's "Font and colors" frame, far from the picture options.
const QPoint kAwayFromOptions = DesktopTest::inDialog(120 + 1500, 4200 + 1300);
// An option's indicator is mostly white or light grey.
constexpr double kLitIndicator = 0.5;
const QPoint kFirstFile = DesktopTest::inChooser(2100, 120);
const QPoint kPreview = DesktopTest::inChooser(4200, 120);
const QPoint kChooserOk = DesktopTest::inChooser(3840, 2220);
const QPoint kSave = DesktopTest::inDialog(120, 5880);

class PicturesX : public DesktopTest {
protected:
    QString settingsWith(const QString& lines) const
    {
        QString settings = QString::fromLatin1(kDefaultSettings);
        for (const QString& line : lines.split('\n')) {
            const QString key = line.left(line.indexOf('=') + 1);
            const qsizetype at = settings.indexOf("\n" + key) + 1;
            settings.replace(at, settings.indexOf('\r', at) - at, line);
        }
        return settings;
    }
    void writeSettings(ClockProcess& run, const QString& lines) const
    {
        QFile file(run.path(kSettingsName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsWith(lines).toUtf8());
    }
    QString folder(const QString& name) const
    {
        QDir().mkpath(clock->path(name));
        return clock->path(name);
    }
    void openChooser(QPoint option)
    {
        ASSERT_TRUE(clock->start({"/c"}, kFrozenTime)) << clock->output();
        ASSERT_TRUE(waitForWindow("Options")) << clock->output();
        x->click(option);
        ASSERT_TRUE(waitForWindow("File manager"));
    }
};

TEST_F(PicturesX, ASlideShowShowsTheGifsInTurnPastADamagedOne)
{
    const QString slides = folder("slides");
    ASSERT_TRUE(TestPictures::writeGif(slides + "/1-red.gif", kRed));
    ASSERT_TRUE(TestPictures::writeGif(slides + "/2-green.gif", kGreen));
    ASSERT_TRUE(TestPictures::writeGif(slides + "/4-blue.gif", kBlue));
    QFile damaged(slides + "/3-damaged.gif");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write("GIF89a\x31\x00", 8) == 8);
    damaged.close();
    writeSettings(*clock, "PicCenter=" + slides + "/\nSlideShowTime=1");
    ASSERT_TRUE(clock->start({"/s"}));
    for (const QColor& colour : {kRed, kGreen, kBlue, kRed, kGreen})
        EXPECT_TRUE(waitForColour(kCentre, colour)) << colour.name().toStdString();
    EXPECT_TRUE(clock->runsAfter(0));
    EXPECT_EQ(clock->readFile(kSettingsName),
              settingsWith("PicCenter=" + slides + "/\nSlideShowTime=1").toUtf8());
}

TEST_F(PicturesX, ChooseOpensTheChooserBesideTheDialogAndOkShowsThePicture)
{
    ASSERT_TRUE(TestPictures::writeGif(clock->path("green.gif"), kGreen));
    ASSERT_TRUE(TestPictures::writeGif(clock->path("wide.gif"), kBlue, 200, 100));
    ASSERT_NO_FATAL_FAILURE(openChooser(kChoose));
    EXPECT_EQ(x->shownWindow("File manager"), kChooserArea);
    EXPECT_TRUE(x->shownWindow("Options"));
    EXPECT_FALSE(PixelProbe::near(x->screenshot(), kPreview, kGreen, 0));
    x->click(kFirstFile);
    EXPECT_TRUE(waitForColour(kPreview, kGreen));
    EXPECT_TRUE(PixelProbe::near(x->screenshot(), kCentre, kEmblem, 0));
    x->click(kChooserOk);
    EXPECT_TRUE(waitForColour(kCentre, kGreen));
    EXPECT_TRUE(waitFor([&] { return !x->shownWindow("File manager"); }));
    x->click(kSave);
    ASSERT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName),
              settingsWith("PicCenter=" + clock->path("green.gif")).toUtf8());
}

TEST_F(PicturesX, AWidePictureIsScaledDownIntoThePreview)
{
    ASSERT_TRUE(TestPictures::writeGif(clock->path("wide.gif"), kBlue, 200, 100));
    ASSERT_NO_FATAL_FAILURE(openChooser(kChoose));
    x->click(kFirstFile);
    // 200 x 100 fitted into the 53-pixel box: 53 x 26 (or 27) from its top left corner.
    const QPoint corner = DesktopTest::pixel(2705 + 4200, 50 + 120);
    EXPECT_TRUE(waitForColour(corner + QPoint(50, 20), kBlue));
    EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(corner + QPoint(50, 32)), Qt::black));
    // At the centre it is fitted into the 49-pixel box that stands at (488, 360).
    x->click(kChooserOk);
    EXPECT_TRUE(waitForColour({488 + 46, 360 + 20}, kBlue));
    EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(488 + 46, 360 + 30), Qt::black));
}

TEST_F(PicturesX, EscapeClosesTheChooserAndLeavesNoPictureOptionSelected)
{
    const QString slides = folder("slides");
    ASSERT_TRUE(TestPictures::writeGif(slides + "/1-red.gif", kRed));
    ASSERT_TRUE(TestPictures::writeGif(slides + "/2-blue.gif", kBlue));
    writeSettings(*clock, "PicCenter=" + slides + "/\nSlideShowTime=1");
    ASSERT_TRUE(clock->start({"/c"}, kFrozenTime)) << clock->output();
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    // The indicator as the dialog first paints it, light; before that the clock shows there.
    const QRect indicator(kSlideShow.x() - 12, kSlideShow.y() - 9, 14, 16);
    const QImage unselected = waitForScreen([&](const QImage& screen) {
                                  return PixelProbe::litShare(screen, indicator) > kLitIndicator;
                              }).copy(indicator);
    x->click(kSlideShow);
    ASSERT_TRUE(waitForWindow("File manager"));
    EXPECT_NE(x->screenshot().copy(indicator), unselected) << "selected while the chooser is open";
    // The clock's timers go on behind the modal chooser.
    EXPECT_TRUE(waitForColour(kCentre, kRed));
    EXPECT_TRUE(waitForColour(kCentre, kBlue));
    // Away from the options, so that none is drawn as hovered.
    x->moveTo(kAwayFromOptions);
    x->key("Escape");
    EXPECT_TRUE(waitFor([&] { return !x->shownWindow("File manager"); }));
    EXPECT_TRUE(waitFor([&] { return x->screenshot().copy(indicator) == unselected; }));
    EXPECT_TRUE(clock->runsAfter(0));
}

TEST_F(PicturesX, HostileFilesAsCentreAndBackgroundLeaveThePreviousPictures)
{
    const QStringList hostile = TestPictures::writeHostile(folder("hostile"), "centre");
    ASSERT_EQ(hostile.size(), 7);
    for (const QString& path : hostile) {
        SCOPED_TRACE(path.toStdString());
        ClockProcess run(x->display());
        writeSettings(run, "PicCenter=" + path + "\nBack=1");
        QFile::remove(run.path("Tikora_Clock_bg.jpg"));
        const QString background = run.path("Tikora_Clock_bg.jpg");
        if (path.endsWith("pipe.gif"))
            ::mkfifo(QFile::encodeName(background).constData(), 0600);
        else if (path.endsWith("zero.gif"))
            QFile::link("/dev/zero", background);
        else
            QFile::copy(path, background);
        ASSERT_TRUE(run.start({"/s"}));
        EXPECT_TRUE(waitForColour(kCentre, kEmblem)) << run.output();
        EXPECT_TRUE(PixelProbe::matches(x->screenshot().pixel(100, 100), Qt::black));
        EXPECT_TRUE(run.runsAfter(0)) << run.output();
        run.kill();
    }
}

TEST_F(PicturesX, HostileSlidesAndPreviewsLeaveThePreviousPicture)
{
    const QString slides = folder("slides");
    ASSERT_TRUE(TestPictures::writeGif(slides + "/a-good.gif", kGreen));
    ASSERT_EQ(TestPictures::writeHostile(slides, "b").size(), 7);
    writeSettings(*clock, "PicCenter=" + slides + "/\nSlideShowTime=1");
    ASSERT_TRUE(clock->start({"/c"}, kFrozenTime));
    ASSERT_TRUE(waitForColour(kCentre, kGreen)) << clock->output();
    // The show passes each of its five GIF files (the good one and four damaged) at least once.
    QElapsedTimer shown;
    for (shown.start(); shown.elapsed() < kShowCycleMs; QThread::msleep(kPollPauseMs * 4))
        ASSERT_TRUE(PixelProbe::near(x->screenshot(), kCentre, kGreen, 0)) << shown.elapsed();
    // The chooser opens in the stored slide folder; its preview tries each file in turn.
    x->click(kSlideShow);
    ASSERT_TRUE(waitForWindow("File manager"));
    x->click(kFirstFile);
    ASSERT_TRUE(waitForColour(kPreview, kGreen));
    for (int i = 0; i < 6; ++i) {
        x->key("Down");
        QThread::msleep(kMovePauseMs);
        EXPECT_TRUE(PixelProbe::near(x->screenshot(), kPreview, kGreen, 0)) << i;
    }
    EXPECT_TRUE(PixelProbe::near(x->screenshot(), kCentre, kGreen, 0));
    EXPECT_TRUE(clock->runsAfter(0)) << clock->output();
}

} // namespace
