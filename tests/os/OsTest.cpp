#include "BoundedFile.h"
#include "Drives.h"
#include "FolderAccess.h"
#include "InstanceLock.h"
#include "TestFolder.h"
#include "UserFolders.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The operating system's services as every system has them.

namespace {

// One copy holds the lock; a second is refused while the first lives, and the first one's end
// frees it. The place is a path without "\", so that it names a lock file on POSIX and a mutex
// on Windows alike.
TEST(InstanceLock, OneCopyHoldsItUntilItEnds)
{
    const TestFolder folder;
    const std::string place = folder.path("tikora-clock.lock");
    auto first = std::make_unique<os::InstanceLock>(place);
    EXPECT_FALSE(first->heldElsewhere()) << "the first copy takes the lock";
    os::InstanceLock second(place);
    EXPECT_TRUE(second.heldElsewhere()) << "a second copy is refused";
    first.reset();
    EXPECT_TRUE(second.heldElsewhere()) << "a refused copy keeps its answer";
    EXPECT_FALSE(os::InstanceLock(place).heldElsewhere()) << "the first copy's end frees it";
    EXPECT_FALSE(os::InstanceLock("").heldElsewhere()) << "no place counts as free";
    EXPECT_FALSE(os::InstanceLock::defaultPlace().empty());
}

// Settings-sized reads: a regular file's start, up to the bound; nothing of anything else.
TEST(BoundedFile, OnlyTheStartOfARegularFileIsRead)
{
    const TestFolder folder;
    const std::string large(70 * 1024, 'x');
    // clang-format off
    struct Row { const char* name; std::string path; std::optional<std::string> text; bool mayWrite; };
    const Row rows[] = {{"a 70 KiB file gives its first 64 KiB", folder.write("large.ini", large), large.substr(0, tk::kTextFileLimit), true},
                        {"an empty file is read as empty", folder.write("empty.ini", ""), "", true},
                        {"a folder gives nothing", folder.path(), std::nullopt, false},
                        {"a missing file gives nothing and may be made", folder.path("new.ini"), std::nullopt, true},
                        {"an empty path is nothing", "", std::nullopt, false}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(os::boundedFile::readText(row.path), row.text);
        EXPECT_EQ(os::boundedFile::mayWrite(row.path), row.mayWrite);
    }
    EXPECT_EQ(os::boundedFile::read(folder.path("large.ini"), 3), "xxx");
    EXPECT_EQ(os::boundedFile::readWhole(folder.path("large.ini"), large.size()), large);
    EXPECT_EQ(os::boundedFile::readWhole(folder.path("large.ini"), large.size() - 1), std::nullopt)
        << "a file past the bound is not read at all";
    EXPECT_EQ(os::boundedFile::readWhole(folder.path(), large.size()), std::nullopt);
}

TEST(FolderAccess, AFolderOpensAndAnythingElseIsNotAvailable)
{
    const TestFolder folder;
    // clang-format off
    struct Row { const char* name; std::string path; tk::DriveFailure failure; };
    const Row rows[] = {{"a folder opens", folder.path(), tk::DriveFailure::None},
                        {"a missing folder is not available", folder.path("gone"), tk::DriveFailure::NotAvailable},
                        {"a file is not available", folder.write("file", "x"), tk::DriveFailure::NotAvailable}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(os::folderAccess(row.path), row.failure) << row.name;
}

TEST(Drives, TheMachineHasDrivesEachWithARoot)
{
    const std::vector<os::Drive> drives = os::drives();
    ASSERT_FALSE(drives.empty());
    for (const os::Drive& drive : drives)
        EXPECT_FALSE(drive.root.empty()) << drive.label;
}

TEST(UserFolders, TheSystemGivesEachOne)
{
    // clang-format off
    const std::pair<const char*, std::function<std::string()>> folders[] = {
        {"home", os::userFolders::home}, {"config", os::userFolders::config}, {"pictures", os::userFolders::pictures}};
    // clang-format on
    for (const auto& [name, folder] : folders)
        EXPECT_FALSE(folder().empty()) << name;
    const std::string temp = os::userFolders::privateTemp();
    EXPECT_TRUE(std::filesystem::is_directory(temp)) << "the private folder is made: " << temp;
}

} // namespace
