#include "BoundedFile.h"
#include "Drives.h"
#include "FolderAccess.h"
#include "InstanceLock.h"
#include "MountTable.h"
#include "ScopedEnvironment.h"
#include "TestFolder.h"
#include "UserFolders.h"
#include "WriteFailure.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// The operating system's services where only POSIX has the case: links, devices, pipes,
// owners and modes, the environment's folders and the kernel's mount table.

namespace {

namespace fs = std::filesystem;

// Why a write failed, from the system's own failing calls: a missing folder, a folder in the
// file's place, and a write past the file-size limit.
TEST(PosixWriteFailure, TheSystemsReasonIsNamed)
{
    const TestFolder folder;
    fs::create_directory(folder.path("folder"));
    const auto opening = [](const std::string& path) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const tk::WriteFailure why = fd < 0 ? os::lastWriteFailure() : tk::WriteFailure::None;
        if (fd >= 0)
            ::close(fd);
        return why;
    };
    EXPECT_EQ(opening(folder.path("missing/Tikora_Clock.ini")), tk::WriteFailure::NoFolder);
    EXPECT_EQ(opening(folder.path("folder")), tk::WriteFailure::NotAFile);

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old = {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int fd = ::open(folder.path("big").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const bool cut = ::write(fd, "12345678", 8) == 4 && ::write(fd, "9", 1) < 0;
    const tk::WriteFailure why = os::lastWriteFailure();
    ::close(fd);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(cut);
    EXPECT_EQ(why, tk::WriteFailure::TooLarge);
}

// A lock file that is a link, to a file, a held one or none, or another user's file, is not
// used: taking it would let others keep the clock from ever starting, or have it make a file
// where they choose. It counts as free, and nothing holds it after.
TEST(PosixInstanceLock, ALinkOrAnotherUsersFileIsNotUsed)
{
    // clang-format off
    struct Row { const char* name; bool link; bool target; bool held; };
    const Row rows[] = {{"a link to a file", true, true, false}, {"a link to a held file", true, true, true},
                        {"a link to no file", true, false, false}, {"another user's file", false, false, false}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.link && ::geteuid() != 0)
            continue;
        const TestFolder folder;
        const std::string place = folder.path("tikora-clock.lock");
        const std::string target = row.target ? folder.write("target", "") : folder.path("target");
        if (row.link)
            fs::create_symlink(target, place);
        else
            ASSERT_EQ(::chown(folder.write("tikora-clock.lock", "").c_str(), 65534, 65534), 0);
        os::InstanceLock holder(row.held ? target : "");
        EXPECT_FALSE(holder.heldElsewhere());
        os::InstanceLock refused(place);
        EXPECT_FALSE(refused.heldElsewhere());
        EXPECT_FALSE(os::InstanceLock(place).heldElsewhere()) << "the refused copy took it";
        EXPECT_EQ(fs::exists(target), row.target) << "the link's target was made";
        EXPECT_EQ(os::InstanceLock(target).heldElsewhere(), row.held);
    }
}

// The lock lives in the session's runtime folder, else in a folder of the user's own in the
// temporary folder; one that others may enter or write could hand them the lock.
TEST(PosixInstanceLock, TheLockLivesInTheRuntimeFolderOrAPrivateOne)
{
    const TestFolder folder;
    fake::ScopedEnvironment environment;
    environment.set("TMPDIR", folder.path());
    const std::string own = folder.path("tikora-clock-" + std::to_string(::geteuid()));
    // clang-format off
    struct Row { const char* name; std::optional<std::string> runtime; std::string place; };
    // clang-format on
    const Row rows[] = {{"the runtime folder", "/run/user/7", "/run/user/7/tikora-clock.lock"},
                        {"no runtime folder", std::nullopt, own + "/tikora-clock.lock"},
                        {"a relative runtime folder is none", "run", own + "/tikora-clock.lock"}};
    for (const Row& row : rows) {
        environment.set("XDG_RUNTIME_DIR", row.runtime);
        EXPECT_EQ(os::InstanceLock::defaultPlace(), row.place) << row.name;
    }
    struct stat status {};
    ASSERT_EQ(::stat(own.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u) << "the private folder is the user's alone";
    ASSERT_EQ(::chmod(own.c_str(), 0777), 0);
    EXPECT_EQ(os::InstanceLock::defaultPlace(), "") << "a private folder open to others";
    ASSERT_EQ(::chmod(own.c_str(), 0700), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
        EXPECT_EQ(os::InstanceLock::defaultPlace(), "") << "a private folder another user made";
    }
}

TEST(PosixBoundedFile, LinksToRegularFilesAreReadAndNothingElse)
{
    const TestFolder folder;
    const std::string file = folder.write("caf\xe9.ini", "settings");
    fs::create_symlink(file, folder.path("link"));
    fs::create_symlink(folder.path("gone"), folder.path("dangling"));
    fs::create_symlink("/dev/zero", folder.path("zero"));
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    // clang-format off
    struct Row { const char* name; std::string path; std::optional<std::string> text; bool mayWrite; };
    // clang-format on
    const Row rows[] = {{"a name that is no UTF-8", file, "settings", true},
                        {"a link to a file", folder.path("link"), "settings", true},
                        {"a dangling link", folder.path("dangling"), std::nullopt, false},
                        {"a link to a device", folder.path("zero"), std::nullopt, false},
                        {"a pipe, without blocking", folder.path("pipe"), std::nullopt, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(os::boundedFile::readText(row.path), row.text);
        EXPECT_EQ(os::boundedFile::mayWrite(row.path), row.mayWrite);
    }
}

// Of a file of megabytes only the first bytes up to the limit are read from the disk, so that
// a hostile file costs no more than a valid one.
TEST(PosixBoundedFile, OnlyTheStartOfALargeFileIsReadFromTheDisk)
{
    const TestFolder folder;
    const std::string path = folder.write("large.ini", std::string(8'000'000, 'x'));
    const auto bytesRead = [] {
        std::ifstream io("/proc/self/io");
        std::string key;
        long long count = 0;
        while (io >> key >> count && key != "rchar:") {
        }
        return count;
    };
    const long long before = bytesRead();
    const auto bytes = os::boundedFile::readText(path);
    const long long read = bytesRead() - before;
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), tk::kTextFileLimit);
    EXPECT_LT(read, 4 * static_cast<long long>(tk::kTextFileLimit));
}

// Root enters every folder, so as root the check is made as the user "nobody".
TEST(PosixFolderAccess, AFolderTheUserMayNotEnterIsDenied)
{
    const TestFolder folder;
    fs::create_directory(folder.path("closed"));
    fs::permissions(folder.path("closed"), fs::perms::none);
    // The saved user stays root, so that the test can become root again.
    const bool asNobody = ::geteuid() == 0 && ::setresuid(65534, 65534, 0) == 0;
    const tk::DriveFailure failure = os::folderAccess(folder.path("closed"));
    if (asNobody) {
        ASSERT_EQ(::setresuid(0, 0, 0), 0);
    }
    EXPECT_EQ(failure, tk::DriveFailure::AccessDenied);
    fs::permissions(folder.path("closed"), fs::perms::owner_all);
}

// The drives come from the kernel's mount table alone, so a mount that never answers cannot
// hold up the chooser. Each row is a line of the table and the drive it adds after "/" and
// the home folder.
TEST(PosixDrives, TheMountTableGivesTheUsersVolumes)
{
    // clang-format off
    struct Row { const char* name; const char* table; std::vector<std::string> added; };
    const Row rows[] = {
        {"a disk", "31 27 8:2 / /data rw - ext4 /dev/sda2 rw", {"/data"}},
        {"optional fields", "31 27 8:2 / /data rw shared:1 master:2 - ext4 /dev/sda2 rw", {"/data"}},
        {"an escaped blank", "30 27 8:1 / /media/usb\\040stick rw - vfat /dev/sdb1 rw", {"/media/usb stick"}},
        {"removable media", "34 27 0:41 / /run/media/me/Disk rw - ext4 /dev/sdc1 rw", {"/run/media/me/Disk"}},
        {"a pseudo file system", "22 27 0:21 / /proc rw - proc proc rw", {}},
        {"a memory file system", "35 27 0:42 / /mnt/ram rw - tmpfs tmpfs rw", {}},
        {"the session's runtime folder", "35 27 0:42 / /run/user/0 rw - ext4 /dev/sda5 rw", {}},
        {"a system place", "36 27 0:43 / /usr/share rw - ext4 /dev/sda3 rw", {}},
        {"a name that only starts like one", "36 27 0:43 / /variety rw - ext4 /dev/sda3 rw", {"/variety"}},
        {"the home folder, already first", "37 27 0:44 / /home/me rw - ext4 /dev/sda4 rw", {}},
        {"the root, already first", "1 0 8:1 / / rw - ext4 /dev/sda1 rw", {}},
        {"a line without a type", "31 27 8:2 / /data rw shared:1 -", {}},
        {"a broken line", "broken line", {}},
        {"each once, in the names' order", "31 27 8:2 / /data rw - ext4 a rw\n32 27 8:3 / /Backup rw - ext4 b rw\n"
         "33 27 8:2 / /data rw - ext4 a rw\n34 27 8:4 / /Äpfel rw - ext4 c rw", {"/Backup", "/data", "/Äpfel"}}};
    // clang-format on
    for (const Row& row : rows) {
        std::vector<std::string> expected = {"/", "/home/me"};
        expected.insert(expected.end(), row.added.begin(), row.added.end());
        EXPECT_EQ(os::mountTable::userVolumes(row.table, "/home/me"), expected) << row.name;
    }
    const std::vector<os::Drive> drives = os::drives();
    ASSERT_GE(drives.size(), 2u);
    EXPECT_EQ(drives[0].root + " " + drives[1].root, "/ " + os::userFolders::home());
}

// The user's folders by the XDG rules, as Qt found them before.
TEST(PosixUserFolders, TheEnvironmentNamesTheUsersFolders)
{
    const TestFolder folder;
    const std::string home = folder.path("home");
    fs::create_directories(home + "/.config");
    fake::ScopedEnvironment environment;
    const std::string pictures = "XDG_PICTURES_DIR=";
    // HOME, XDG_CONFIG_HOME, the user-dirs file, and the home, config and pictures folders.
    const std::string defaults = home + " " + home + "/.config " + home + "/Pictures";
    const std::optional<std::string> none;
    // clang-format off
    struct Row { const char* name; std::optional<std::string> home; std::optional<std::string> config;
        std::string userDirs; std::string expected; };
    const Row rows[] = {
        {"defaults under home", home, none, "", defaults},
        {"a trailing separator of home", home + "/", none, "", defaults},
        {"no home is the root", none, none, "", "/ /.config /Pictures"},
        {"an absolute config folder", home, "/etc/me", "", home + " /etc/me " + home + "/Pictures"},
        {"a relative config folder is none", home, "conf", "", defaults},
        {"pictures under $HOME", home, none, "# comment\n" + pictures + "\"$HOME/Bilder\"\nXDG_MUSIC_DIR=\"$HOME/Musik\"\n",
         home + " " + home + "/.config " + home + "/Bilder"},
        {"a relative config folder hides the user dirs", home, "conf", pictures + "\"$HOME/Bilder\"\n", defaults},
        {"absolute pictures, their separator dropped", home, none, pictures + "\"/srv/pics/\"\n", home + " " + home + "/.config /srv/pics"}};
    // clang-format on
    for (const Row& row : rows) {
        environment.set("HOME", row.home);
        environment.set("XDG_CONFIG_HOME", row.config);
        std::ofstream(home + "/.config/user-dirs.dirs", std::ios::binary) << row.userDirs;
        EXPECT_EQ(os::userFolders::home() + " " + os::userFolders::config() + " " +
                      os::userFolders::pictures(),
                  row.expected)
            << row.name;
    }
}

} // namespace
