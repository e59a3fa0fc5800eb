#include "BoundedFile.h"
#include "FakePlatform.h"
#include "FolderListing.h"
#include "InstanceLock.h"
#include "PictureFile.h"
#include "SettingsFolder.h"
#include "WorkedExamples.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Names that are no valid UTF-8, and the same names as Qt would read them.
const std::string kLatin1Name = "caf\xe9.gif";
const std::string kLatin1Folder = "d\xe9j\xe0";

class PlatformTest : public ::testing::Test {
protected:
    // Qt cannot remove what it cannot name.
    ~PlatformTest() override { fs::remove_all(m_dir.path().toStdString()); }
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_dir.setAutoRemove(false);
        for (const std::string name :
             {"b.GIF", "a.gif", "C.jpg", "note.txt", ".hidden.gif", "noext", kLatin1Name.c_str()})
            write(name, "picture");
        for (const std::string name : {"Sub", "alpha", ".secret", "dir.gif", kLatin1Folder.c_str()})
            fs::create_directory(path(name));
        fs::create_symlink(path("a.gif"), path("link.gif"));
        fs::create_symlink(path("gone"), path("dangling.gif"));
        fs::create_symlink("/dev/zero", path("zero.gif"));
        QImage red(7, 5, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(qPath("red.png")));
    }
    std::string path(const std::string& name) const
    {
        return m_dir.path().toStdString() + "/" + name;
    }
    QString qPath(const std::string& name) const { return QString::fromStdString(path(name)); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }

    QTemporaryDir m_dir;
};

// The system's tests list folders through the fake platform, so it must list them as the
// desktop does: plain files and links to them, hidden entries left out, wildcards without
// regard to case, names sorted without regard to case.
TEST_F(PlatformTest, FakeAndRealListingsAgree)
{
    using Names = std::vector<std::string>;
    const Names all = {"a.gif",    "b.GIF", "C.jpg",    kLatin1Name,
                       "link.gif", "noext", "note.txt", "red.png"};
    const std::vector<std::pair<std::string, Names>> files = {
        {"/", all},
        {"/*.*", all},
        {"/*.GIF", {"a.gif", "b.GIF", kLatin1Name, "link.gif"}},
        {"/" + kLatin1Name, {kLatin1Name}},
        {"/a.gif", {"a.gif"}},
        {"/link.gif", {"link.gif"}},
        {"/.hidden.gif", {}},
        {"/dir.gif", {}},
        {"/dangling.gif", {}},
        {"/missing.gif", {}}};
    fake::FakePlatform fakePlatform;
    const std::string folder = m_dir.path().toStdString();
    for (const auto& [pattern, expected] : files) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(FolderListing::files(folder + pattern), expected);
        EXPECT_EQ(fakePlatform.listDirectory(folder + pattern), expected);
    }
    const Names folders = {"alpha", "dir.gif", kLatin1Folder, "Sub"};
    EXPECT_EQ(FolderListing::folders(folder), folders);
    EXPECT_EQ(fakePlatform.listFolders(folder), folders);
}

TEST_F(PlatformTest, LinksToRegularFilesAreReadAndNothingElse)
{
    EXPECT_EQ(BoundedFile::read(path("link.gif"), 100), QByteArray("picture"));
    EXPECT_EQ(BoundedFile::read(path(kLatin1Name), 100), QByteArray("picture"));
    EXPECT_FALSE(BoundedFile::read(path("zero.gif"), 100));
    EXPECT_FALSE(BoundedFile::read(path("Sub"), 100));
    EXPECT_TRUE(BoundedFile::mayWrite(path("link.gif")));
    EXPECT_TRUE(BoundedFile::mayWrite(path("new.ini")));
    EXPECT_FALSE(BoundedFile::mayWrite(path("zero.gif")));
    EXPECT_FALSE(BoundedFile::mayWrite(path("dangling.gif")));
    fs::create_symlink(path("red.png"), path("red-link.png"));
    EXPECT_EQ(PictureFile::read(path("red-link.png")).size(), QSize(7, 5));
    EXPECT_TRUE(PictureFile::read(path("zero.gif")).isNull());
}

// Text files are settings-sized: of a file of megabytes only the first bytes up to the limit
// are read from the disk, so that a hostile file costs no more than a valid one.
TEST_F(PlatformTest, OnlyTheStartOfALargeTextFileIsRead)
{
    const std::string file = worked::kDefaultSettings + std::string(8'000'000, 'x');
    write("large.ini", file);
    const auto bytesRead = [] {
        std::ifstream io("/proc/self/io");
        std::string key;
        long long count = 0;
        while (io >> key >> count && key != "rchar:") {
        }
        return count;
    };
    const long long before = bytesRead();
    const auto bytes = BoundedFile::read(path("large.ini"), tk::kTextFileLimit);
    const long long read = bytesRead() - before;
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->toStdString(), file.substr(0, tk::kTextFileLimit));
    EXPECT_LT(read, 4 * static_cast<long long>(tk::kTextFileLimit));
}

// The drives come from the kernel's mount table alone, so a mount that never answers cannot
// hold up the chooser; opening one asks it on a thread that may never come back.
TEST_F(PlatformTest, DrivesAreReadWithoutAskingTheMounts)
{
    const QByteArray table = "22 27 0:21 / /proc rw - proc proc rw\n"
                             "30 27 8:1 / /media/usb\\040stick rw - vfat /dev/sdb1 rw\n"
                             "31 27 8:2 / /data rw shared:1 - ext4 /dev/sda2 rw\n"
                             "32 27 8:2 / /data rw - ext4 /dev/sda2 rw\n"
                             "33 27 0:40 / /mnt/nfs rw - nfs4 server:/ rw\n"
                             "34 27 0:41 / /run/media/me/Disk rw - ext4 /dev/sdc1 rw\n"
                             "35 27 0:42 / /run/user/0 rw - tmpfs tmpfs rw\n"
                             "36 27 0:43 / /usr/share rw - ext4 /dev/sda3 rw\n"
                             "37 27 0:44 / /home/me rw - ext4 /dev/sda4 rw\n"
                             "broken line\n";
    EXPECT_EQ(FolderListing::drivesFrom(table, "/home/me"),
              (std::vector<std::string>{"/", "/home/me", "/data", "/media/usb stick", "/mnt/nfs",
                                        "/run/media/me/Disk"}));

    std::promise<void> never;
    const std::shared_future<void> blocked = never.get_future().share();
    const auto hangs = [blocked](const std::string&) {
        blocked.wait();
        return std::string();
    };
    EXPECT_EQ(FolderListing::openFailure("/mnt/nfs", hangs, std::chrono::milliseconds(50)),
              "/mnt/nfs is not available.");
    never.set_value();
    EXPECT_EQ(FolderListing::openFailure(path("Sub")), "");
    EXPECT_EQ(FolderListing::openFailure(path(kLatin1Folder)), "");
    EXPECT_EQ(FolderListing::openFailure(path("gone")), path("gone") + " is not available.");
}

// Without a runtime folder the lock lives in a folder of the user's own in the temporary
// folder; one that others may enter or write could hand them the lock.
TEST_F(PlatformTest, LockFolderOpenToOthersIsNotUsed)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    const QString folder = qPath("tikora-clock-" + std::to_string(::geteuid()));
    const QString lock = InstanceLock::defaultPath();
    EXPECT_EQ(lock, QDir(folder).filePath("tikora-clock.lock"));
    EXPECT_FALSE(InstanceLock(lock).heldElsewhere());
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_EQ(InstanceLock::defaultPath(), QString());
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temp);
}

// A portable copy's chooser opens beside it; an installed one in the user's pictures, or home.
TEST_F(PlatformTest, ChooserOpensBesideAPortableCopyAndInThePicturesOfAnInstalledOne)
{
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qunsetenv("XDG_CONFIG_HOME");
    const QString program = qPath("Sub");
    EXPECT_EQ(SettingsFolder::pictureFolder(program, program), program);
    EXPECT_EQ(SettingsFolder::pictureFolder(qPath("alpha"), program), m_dir.path());
    fs::create_directory(path("Pictures"));
    EXPECT_EQ(SettingsFolder::pictureFolder(qPath("alpha"), program), qPath("Pictures"));
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);
}

} // namespace
