#pragma once

#include "SessionTest.h"
#include "XDriver.h"

// Each test gets an X display of its own, on Xvfb, where xdotool moves the one pointer and
// clicks, and a fresh copy of the program on it.
class XTest : public SessionTest {
public:
    // A point of the settings dialog, whose client area stands 50 twips from the screen's
    // corner, in twips of that area, as a screen pixel a little inside the widget that starts
    // there.
    static QPoint inDialog(QPointF at) { return pixel(50 + at.x() + 150, 50 + at.y() + 120); }
    // A GIF of one colour; Qt writes no GIF, so ImageMagick makes it.
    static QByteArray gif(const QColor& colour, QSize size = {49, 49})
    {
        QProcess convert;
        convert.start("convert", {"-size", QString("%1x%2").arg(size.width()).arg(size.height()),
                                  "xc:" + colour.name(), "GIF:-"});
        EXPECT_TRUE(convert.waitForFinished()) << "convert (ImageMagick) is needed";
        return convert.readAllStandardOutput();
    }

protected:
    // Places of the settings dialog's buttons in its client area, in twips: the frame's place
    // in the dialog plus the widget's place in the frame.
    static constexpr QPoint kEqualSize = QPoint{120, 1440} + QPoint{120, 510};
    static constexpr QPoint kSave{120, 5880};
    // The middle of the screen, where the centre picture stands.
    static constexpr QPoint kCentre{512, 384};
    // "Choose" in the dialog, then places of the chooser, which stands right of the dialog's 2655
    // twips: the first file, the middle of the preview (a box of 53 pixels) and the OK button.
    static inline const QPoint kChoose = inDialog({120 + 120, 2520 + 510});
    static inline const QPoint kFirstFile = inDialog({2655 + 2100, 120});
    static inline const QPoint kPreview = pixel(2705 + 4200, 50 + 120) + QPoint(26, 26);
    static inline const QPoint kChooserOk = inDialog({2655 + 3840, 2220});

    void SetUp() override { ASSERT_NO_FATAL_FAILURE(useScreens({"1024x768x24"})); }
    // A display of screens of the given sizes, for a fresh copy of the program; white roots show
    // what no window covers.
    void useScreens(const QStringList& screens, bool whiteRoots = false)
    {
        clock.reset();
        x = std::make_unique<XDriver>(screens, whiteRoots);
        ASSERT_FALSE(x->display().isEmpty()) << "Xvfb could not be started; is it installed?";
        clock = x->newRun();
    }
    const SessionDriver& session() const override { return *x; }

    // Runs "/c", by default at 10:20:30, and waits for the settings dialog.
    void startConfiguring(const QString& time = kFrozenTime)
    {
        ASSERT_TRUE(clock->start({"/c"}, time));
        ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    }
    bool waitForWindow(const QString& title) const
    {
        return waitFor([&] { return x->shownWindow(title).has_value(); });
    }
    // Moves the pointer `count` times over the clock, right of the dialog, or over another
    // screen, each time elsewhere.
    void moveOverClock(int count, int screen = 0)
    {
        for (int i = 0; i < count; ++i, ++m_moves) {
            x->run("xdotool", {"mousemove", "--screen", QString::number(screen),
                               QString::number(200 + 20 * m_moves), "500"});
            QThread::msleep(kMovePauseMs);
        }
    }
    // Whether the X server draws the pointer now, wherever it stands.
    bool pointerShown() const
    {
        const QByteArray answer = x->run(TIKORA_CURSOR_PROBE, {}).trimmed();
        EXPECT_TRUE(answer == "visible" || answer == "hidden") << "no XFixes";
        return answer == "visible";
    }
    // Holds an exclusive lock on `file` from another process for the rest of the test, or until
    // the next lock it holds.
    void holdLock(const QString& file)
    {
        QDir().mkpath(QFileInfo(file).path());
        m_lockHolder.kill();
        m_lockHolder.waitForFinished();
        m_lockHolder.start("flock", {"--nonblock", file, "sleep", "30"});
        ASSERT_TRUE(m_lockHolder.waitForStarted()) << "flock (util-linux) is needed";
        ASSERT_FALSE(m_lockHolder.waitForFinished(300)) << "the lock was not held";
    }

    std::unique_ptr<XDriver> x;

private:
    int m_moves = 0;
    QProcess m_lockHolder;
};
