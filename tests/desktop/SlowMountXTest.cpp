#include "XTest.h"

#include <csignal>
#include <unistd.h>

// Pictures and slides on a mount whose server answers late or never, as sshfs does when its
// network is slow or gone: whoever has asked it waits, and can no longer be killed, until the
// answer comes. The program runs in a mount namespace of its own where such a mount stands in
// its folder, made by tikora_slow_mount: a path with a part named "slow…" is answered late, one
// with a part named "never…" never.

namespace {

// How late the mount answers each question about a "slow…" path.
constexpr int kDelayMs = 1000 * TIKORA_SLOWDOWN;
// Late answers before a picture there has been read: one for each "slow…" name on its path,
// its opening and its reading, and one to spare.
constexpr int kLateAnswersToRead = 8;
// How soon a window goes once its run has been ended.
constexpr int kWindowGoneMs = 1000 * TIKORA_SLOWDOWN;
// How soon the program answers the user, within one tick of the clock.
constexpr int kAnswerMs = 1500 * TIKORA_SLOWDOWN;
// Whatever the mount cannot show makes tikora_slow_mount end with this status.
constexpr int kNoMount = 77;

// The face where neither the settings dialog nor the chooser stands over it.
constexpr QRect kFaceArea{190, 190, 834, 578};
// The Cancel button of the settings dialog, in twips of its client area.
constexpr QPoint kCancel{1560, 5880};
// The chooser's Cancel button.
const QPoint kChooserCancel = XTest::inDialog({2655 + 4200, 1785});
constexpr QPoint kMessageOkFromCorner{45, 25};

// Each run gets the folder "files" of its own, shown at "nas" beside the program.
class SlowMountX : public XTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(XTest::SetUp());
        if (::geteuid() != 0 || !QFile::exists("/dev/fuse"))
            GTEST_SKIP() << "a FUSE mount in a namespace of the test's own needs root";
        ASSERT_TRUE(QDir().mkpath(clock->path("files")) && QDir().mkpath(mount()));
        if (QProcess::execute(TIKORA_SLOW_MOUNT,
                              {"0", clock->path("files"), mount(), "/bin/true"}) == kNoMount)
            GTEST_SKIP() << "no FUSE mount can be made here";
    }
    void TearDown() override
    {
        releaseMount();
        XTest::TearDown();
    }

    QString mount() const { return clock->path("nas"); }
    // Writes a file that the mount shows at `name`.
    bool share(const QString& name, const QByteArray& bytes) const
    {
        return clock->writeFile("files/" + name, bytes);
    }
    // Starts the program under the mount, answering "slow…" paths after `delayMs`, with the
    // time running on from 10:20:30.
    bool startMounted(const QString& mode, int delayMs = kDelayMs)
    {
        const QString program = clock->path("tikora-clock");
        if (!QDir().mkpath(clock->path("files")) || !QDir().mkpath(mount()) ||
            !(QFile::exists(program) || QFile::copy(TIKORA_CLOCK_PROGRAM, program)))
            return false;
        clock->setProgram(TIKORA_SLOW_MOUNT);
        QStringList command = {QString::number(delayMs), clock->path("files")};
        command << mount() << program << mode;
        const bool started = clock->start(command, "@" + kFrozenTime);
        m_pid = clock->processId();
        return started;
    }
    // Ends the mount's server, which lets a run that waits on it end; it ends by itself once
    // the run has.
    void releaseMount() const
    {
        if (m_pid == 0)
            return;
        for (const QString& process : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
            QFile stat("/proc/" + process + "/stat");
            const QByteArray fields = stat.open(QIODevice::ReadOnly) ? stat.readAll() : "";
            // "pid (name) state ppid ...", where the name may hold anything.
            const QByteArray afterName = fields.mid(fields.lastIndexOf(')') + 2);
            const bool child = afterName.split(' ').value(1).toLongLong() == m_pid;
            const QString program = QFileInfo("/proc/" + process + "/exe").symLinkTarget();
            if (child && program == QFileInfo(TIKORA_SLOW_MOUNT).canonicalFilePath())
                ::kill(process.toInt(), SIGKILL);
        }
    }

    // Whether the face beside the dialogs moves on within `timeoutMs`: the program's thread
    // answers.
    bool faceTurnsWithin(int timeoutMs) const
    {
        const QImage before = x->screenshot().copy(kFaceArea);
        return waitFor([&] { return x->screenshot().copy(kFaceArea) != before; }, timeoutMs);
    }
    // Once told to end, the run's windows go within a second, its process ends, and a new run
    // finds the single-instance lock free and shows its face.
    void expectEndsWholly()
    {
        const QStringList windows = {"search", "--pid", QString::number(m_pid)};
        EXPECT_TRUE(
            waitFor([&] { return x->run("xdotool", windows).trimmed().isEmpty(); }, kWindowGoneMs))
            << "a window of the run stays";
        EXPECT_TRUE(clock->endsWithin(kPromptEndMs)) << "the process stays";
        ClockProcess next(x->display());
        ASSERT_TRUE(next.start({"/s"}, {}, clock->path("tmp")));
        EXPECT_TRUE(next.runsAfter(kStillRunningMs)) << "the lock is still held";
        EXPECT_TRUE(waitForColour(kCentreRim, kSeconds)) << next.output();
        // Only now, for a run that waits on it would end with it.
        releaseMount();
    }

private:
    qint64 m_pid = 0;
};

// The end is a key's name, or "moves", "TERM", "Cancel" or "Save"; the show the folder of a stored
// slide show, of pictures that never answer or one that never answers itself, or none for a
// stored centre picture.
// clang-format off
struct Ending { const char* name; const char* mode; const char* end; const char* show; };
const Ending kEndings[] = {
    {"a key", "/s", "a", nullptr},
    {"ten pointer moves", "/s", "moves", nullptr},
    {"SIGTERM to a window of its own", "--window", "TERM", nullptr},
    {"SIGTERM to the root window", "--root", "TERM", nullptr},
    {"Cancel", "/c", "Cancel", nullptr},
    {"Escape", "/c", "Escape", nullptr},
    {"Save", "/c", "Save", nullptr},
    {"a key to a slide show", "/s", "a", "slides/"},
    {"Save with a show folder that never answers", "/c", "Save", "never/"},
};
// clang-format on

// A stored centre picture, or a show of slides, that never answers leaves the face to show and
// turn, every way of ending the run ends it wholly, and the stored path stays as it stands: Save
// says that it is not found.
TEST_F(SlowMountX, EveryEndEndsARunWhosePicturesNeverAnswer)
{
    for (const auto& [name, mode, end, show] : kEndings) {
        SCOPED_TRACE(name);
        nextRun();
        ASSERT_TRUE(share("never/centre.gif", gif(Qt::red)));
        ASSERT_TRUE(share("slides/never1.gif", gif(Qt::green)));
        ASSERT_TRUE(share("slides/never2.gif", gif(Qt::blue)));
        const QString stored = show ? "PicCenter=" + mount() + "/" + show + "\nSlideShowTime=1"
                                    : "PicCenter=" + mount() + "/never/centre.gif";
        const QByteArray settings = settingsWith(stored);
        ASSERT_TRUE(clock->writeFile(kSettingsName, settings));
        ASSERT_TRUE(startMounted(mode));
        const bool own = QString(mode) == "--window";
        ASSERT_TRUE(!own || waitForWindow("tikora-clock")) << clock->output();
        const QRect area =
            own ? x->shownWindow("tikora-clock").value_or(QRect()) : QRect(0, 0, 1024, 768);
        ASSERT_TRUE(waitFor([&] { return faceIn(x->screenshot(), area, 1); })) << clock->output();
        for (int second = 0; show && second < 3; ++second)
            EXPECT_TRUE(faceTurnsWithin(kAnswerMs)) << "the face stood still";
        if (QString(end) == "moves")
            moveOverClock(10);
        else if (QString(end) == "TERM")
            clock->terminate();
        else if (QString(end) == "Cancel")
            x->click(inDialog(kCancel));
        else if (QString(end) != "Save")
            x->key(end);
        else {
            x->click(inDialog(kSave));
            EXPECT_TRUE(waitForWindow("Attention")) << "the path is not found";
            x->key("Return");
        }
        ASSERT_NO_FATAL_FAILURE(expectEndsWholly());
        EXPECT_EQ(clock->readFile(kSettingsName), settings);
    }
}

// In a folder of the mount, a click on a file that answers late or whose opening never answers
// leaves the chooser and the clock answering: the late preview shows once it comes, another
// file's at once, and OK on the file that never opens tells the user at once that it cannot be
// shown. (The kernel holds other names of a folder while a name's look-up waits, so the file that
// never answers is one whose look-up answers and whose opening does not.)
TEST_F(SlowMountX, ChooserAnswersBesideFilesThatAnswerLateOrNever)
{
    ASSERT_TRUE(share("pics/ok.gif", gif(Qt::green)));
    ASSERT_TRUE(share("pics/slow.gif", gif(Qt::blue)));
    ASSERT_TRUE(share("pics/stuck.gif", gif(Qt::red)));
    // The chooser opens in the folder of the stored picture.
    ASSERT_TRUE(
        clock->writeFile(kSettingsName, settingsWith("PicCenter=" + mount() + "/pics/ok.gif")));
    ASSERT_TRUE(startMounted("/c"));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    ASSERT_TRUE(waitForColour(kCentre, Qt::green));
    x->click(kChoose);
    ASSERT_TRUE(waitForWindow("File manager"));
    x->click(kFirstFile);
    ASSERT_TRUE(waitForColour(kPreview, Qt::green));
    x->key("Down");
    EXPECT_TRUE(faceTurnsWithin(kAnswerMs)) << "slow.gif holds up the program";
    EXPECT_TRUE(waitFor([&] { return PixelProbe::near(x->screenshot(), kPreview, Qt::blue, 0); },
                        kLateAnswersToRead * kDelayMs))
        << "slow.gif never shows";
    x->key("Down");
    EXPECT_TRUE(faceTurnsWithin(kAnswerMs)) << "stuck.gif holds up the program";
    x->key("Up");
    x->key("Up");
    EXPECT_TRUE(waitFor([&] { return PixelProbe::near(x->screenshot(), kPreview, Qt::green, 0); },
                        kAnswerMs))
        << "stuck.gif holds up the chooser";
    x->key("Down");
    x->key("Down");
    x->click(kChooserOk);
    std::optional<QRect> message;
    EXPECT_TRUE(
        waitFor([&] { return (message = x->shownWindow("Attention")).has_value(); }, kAnswerMs))
        << "OK on stuck.gif holds up the chooser";
    // The message's OK button stands in its bottom right corner.
    if (message)
        x->click(message->bottomRight() - kMessageOkFromCorner);
    EXPECT_TRUE(faceTurnsWithin(kAnswerMs)) << "stuck.gif holds up the program";
    x->click(kChooserCancel);
    EXPECT_TRUE(waitFor([&] { return !x->shownWindow("File manager"); }, kAnswerMs));
    x->click(inDialog(kCancel));
    ASSERT_NO_FATAL_FAILURE(expectEndsWholly());
}

// The stored picture answers late; meanwhile the user chooses another, which stays at the
// centre and in the path field after the late answer has come, and Save stores it.
TEST_F(SlowMountX, LateStoredPictureNeverOverridesTheUsersChoice)
{
    ASSERT_TRUE(share("slow/centre.gif", gif(Qt::red)));
    ASSERT_TRUE(clock->writeFile("pick.gif", gif(Qt::blue)));
    ASSERT_TRUE(
        clock->writeFile(kSettingsName, settingsWith("PicCenter=" + mount() + "/slow/centre.gif")));
    // Long enough for the user to choose before two late answers, the least that finds the
    // stored picture, can have come.
    constexpr int kStoredDelayMs = 3 * kDelayMs;
    QElapsedTimer sinceStart;
    sinceStart.start();
    ASSERT_TRUE(startMounted("/c", kStoredDelayMs));
    ASSERT_TRUE(waitForWindow("Options")) << clock->output();
    // The stored picture is not found in time, so the chooser opens in the program's folder.
    x->click(kChoose);
    ASSERT_TRUE(waitForWindow("File manager"));
    x->click(kFirstFile);
    ASSERT_TRUE(waitForColour(kPreview, Qt::blue));
    x->click(kChooserOk);
    EXPECT_TRUE(waitForColour(kCentre, Qt::blue));
    ASSERT_LT(sinceStart.elapsed(), 2 * kStoredDelayMs) << "the choice came too late";
    QThread::msleep(
        std::max<qint64>(0, kLateAnswersToRead * kStoredDelayMs - sinceStart.elapsed()));
    EXPECT_TRUE(PixelProbe::near(x->screenshot(), kCentre, Qt::blue, 0));
    x->click(inDialog(kSave));
    EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
    EXPECT_EQ(clock->readFile(kSettingsName).toStdString(),
              settingsWith("PicCenter=" + clock->path("pick.gif")).toStdString());
}

} // namespace
