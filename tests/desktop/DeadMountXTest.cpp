#include "XTest.h"

#include <unistd.h>

// A stored centre picture or slide folder on a mount that never answers, as a sleeping file
// server or a dropped VPN leaves it: nothing waits on it.

namespace {

using DeadMountX = XTest;

// The clock and "Options" come up with the built-in picture, a key ends the run, and Save keeps
// the stored path, which it cannot find, as it stands.
TEST_F(DeadMountX, StoredPictureOrSlidesOnAMountThatNeverAnswersHoldUpNothing)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a FUSE mount in a namespace of the test's own needs root";
    const QString mount = clock->path("nas");
    ASSERT_TRUE(QDir().mkpath(mount));
    ASSERT_TRUE(QFile::copy(TIKORA_CLOCK_PROGRAM, clock->path("tikora-clock")));
    clock->setProgram(TIKORA_DEAD_MOUNT);
    for (const QString& stored :
         {"PicCenter=" + mount + "/centre.gif", "PicCenter=" + mount + "/\nSlideShowTime=1"}) {
        for (const QString mode : {"/s", "/c"}) {
            SCOPED_TRACE((mode + " " + stored).toStdString());
            const QByteArray settings = settingsWith(stored);
            ASSERT_TRUE(clock->writeFile(kSettingsName, settings));
            ASSERT_TRUE(clock->start({mount, clock->path("tikora-clock"), mode}));
            ASSERT_TRUE(waitForColour(kCentreRim, kSeconds)) << clock->output();
            if (mode == "/s") {
                x->key("a");
                EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
                continue;
            }
            ASSERT_TRUE(waitForWindow("Options"));
            x->click(inDialog(kSave));
            ASSERT_TRUE(waitForWindow("Attention")) << "the path is not found";
            x->key("Return");
            EXPECT_TRUE(clock->endsWithin(kPromptEndMs));
            EXPECT_EQ(clock->readFile(kSettingsName), settings);
        }
    }
}

} // namespace
