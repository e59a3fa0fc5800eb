#include "FolderListing.h"
#include "NameOrder.h"
#include "PathText.h"
#include "PatientQuestion.h"
#include "PictureLimits.h"
#include "Platform.h"
#include "SettingsFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <random>

// The file rules every front end shares: wildcards, the names' order, the picture limits,
// the settings folder and the patience with file systems that may never answer.

namespace {

using PictureLimits::PixelSize;

TEST(FileRules, Wildcards)
{
    // clang-format off
    struct Row { const char* name; const char* wildcard; std::string file; bool matches; };
    const Row rows[] = {{"a star matches every name", "*", "a.gif", true},
                        {"an extension without regard to case", "*.GIF", "Photo.gif", true},
                        {"another extension", "*.gif", "photo.jpg", false},
                        {"a name that only holds the extension", "*.gif", "gif", false},
                        {"a question mark takes one character", "?.gif", "a.gif", true},
                        {"a question mark takes no more", "?.gif", "ab.gif", false},
                        {"a question mark takes no less", "?.gif", ".gif", false},
                        {"a star takes nothing", "a*b", "ab", true},
                        {"a star gives back what it took", "*ab*ab", "aabab", true},
                        {"a trailing star after the name", "ab**", "ab", true},
                        {"an empty wildcard matches no name", "", "a", false},
                        {"case is ASCII's alone", "\xc3\x89*", "\xc3\xa9t\xc3\xa9.gif", false},
                        {"many stars on a long name that fails", "*a*a*a*a*a*a*a*a*a*b", std::string(2000, 'a'), false}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(FolderListing::matches(row.wildcard, row.file), row.matches) << row.name;
}

// Every list shows names in one order: by their letters without regard to case, as Qt
// compared them, then by bytes. The Qt suite checks every letter's fold against Qt's own.
TEST(FileRules, TheNamesOrder)
{
    // clang-format off
    struct Row { const char* name; const char* first; const char* second; };
    const Row rows[] = {
        {"letters without regard to case", "a.gif", "B.GIF"},
        {"the same letters by their bytes, capitals first", "B.GIF", "b.gif"},
        {"a shorter name first", "a", "ab"},
        {"capitals fold to small letters, after the underscore", "_x", "B"},
        {"Cyrillic by letter, not by byte", "\xd0\xb0\xd1\x80\xd0\xb1\xd1\x83\xd0\xb7", "\xd0\xaf\xd0\xb1\xd0\xbb\xd0\xbe\xd0\xba\xd0\xbe"},
        {"Cyrillic yo folds", "\xd1\x91\xd0\xb6", "\xd0\x81\xd0\xbb\xd0\xba\xd0\xb0"},
        {"the final sigma is a sigma, then bytes", "\xce\xa3\xce\x91\xce\xa3", "\xcf\x83\xce\xb1\xcf\x82"},
        {"bytes that are no UTF-8 after the letters", "cafz", "caf\xe9"}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(tk::names::before(row.first, row.second));
        EXPECT_FALSE(tk::names::before(row.second, row.first));
        std::vector<std::string> sorted = {row.second, row.first};
        tk::names::sort(sorted);
        EXPECT_EQ(sorted.front(), row.first);
    }
    EXPECT_EQ(tk::names::compareWithoutCase("Photo.JPG", "photo.jpg"), 0);
}

std::string word(int value)
{
    return {char(value & 0xFF), char(value >> 8)};
}

// A GIF file's bytes: its header with the canvas size, and its trailer unless it is cut short.
std::string gif(int width, int height, bool trailer = true)
{
    return "GIF89a" + word(width) + word(height) + std::string(20, '\0') + (trailer ? ";" : "");
}

TEST(FileRules, PictureLimitsBeforeDecoding)
{
    // A file's bytes; its size, when it is not the bytes' own; the most pixels it may be decoded
    // to, nothing when it is refused unread; and its canvas.
    const auto most = PictureLimits::kMostPixels;
    const auto mostGif = PictureLimits::kMostGifPixels;
    const auto largest = PictureLimits::kLargestFile;
    // clang-format off
    struct Row { const char* name; std::string file; std::optional<std::uint64_t> size;
        std::optional<std::int64_t> mostPixels; std::optional<PixelSize> canvas; };
    const Row rows[] = {
        {"a GIF and its canvas", gif(49, 48), {}, mostGif, PixelSize{49, 48}},
        {"a GIF cut short", gif(49, 48, false), {}, {}, {}},
        {"a GIF canvas at the limit", gif(2000, 2000), {}, mostGif, PixelSize{2000, 2000}},
        {"a GIF canvas past the limit", gif(2001, 2000), {}, {}, {}},
        {"a GIF header cut before its size", "GIF89a\x01;", {}, most, {}},
        {"a JPEG has no canvas", "\xff\xd8\xff\xe0 JFIF", {}, most, {}},
        {"an empty file", "", {}, most, {}},
        {"a file at the largest size", "BM", largest, most, {}},
        {"a file past the largest size", "BM", largest + 1, {}, {}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string_view file = row.file;
        const auto allowance = PictureLimits::allowance(row.size.value_or(file.size()),
                                                        file.substr(0, PictureLimits::kHeaderBytes),
                                                        file.empty() ? '\0' : file.back());
        // The most pixels, and the canvas as width and height, or nothing when refused.
        const auto both = [](const auto& most, const std::optional<PixelSize>& c) {
            return std::pair(most,
                             c ? std::optional(std::pair(c->width, c->height)) : std::nullopt);
        };
        EXPECT_EQ(allowance ? std::optional(both(allowance->mostPixels, allowance->canvas))
                            : std::nullopt,
                  row.mostPixels ? std::optional(both(*row.mostPixels, row.canvas)) : std::nullopt);
    }
    // clang-format off
    struct SizeRow { const char* name; PixelSize size; std::int64_t mostPixels; bool mayDecode; };
    const SizeRow sizes[] = {{"a picture at the most pixels", {8000, 8000}, most, true},
                             {"a picture past them", {8001, 8000}, most, false},
                             {"a GIF past its own limit", {2000, 2001}, mostGif, false},
                             {"a picture without pixels", {0, 5}, most, false},
                             {"a picture of unknown size", {-1, -1}, most, false}};
    // clang-format on
    for (const SizeRow& row : sizes)
        EXPECT_EQ(PictureLimits::mayDecode(row.size, {row.mostPixels, std::nullopt}), row.mayDecode)
            << row.name;
}

TEST(FileRules, TheSettingsFolderAndTheChoosersFirstFolder)
{
    const std::string s(1, tk::kPathSeparator);
    const std::string program = s + "opt" + s + "clock";
    const std::string config = s + "home" + s + "me" + s + ".config";
    const std::string own = config + s + "tikora-clock";
    // clang-format off
    struct Row { const char* name; bool installed; bool writable; bool settingsBeside; std::string config; std::string folder; };
    const Row rows[] = {{"a writable program folder", false, true, false, config, program},
                        {"a program folder that holds the settings", false, false, true, config, program},
                        {"an installed copy", true, false, false, config, own},
                        {"a copy in a folder the user cannot write", false, false, false, config, own},
                        {"an installed copy run by root", true, true, false, config, own},
                        {"an installed copy beside a file that root left", true, false, true, config, own},
                        {"a configuration folder ending in a separator", false, false, false, config + s, own}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(SettingsFolder::locate(
                      {program, row.installed, row.writable, row.settingsBeside, row.config}),
                  row.folder)
            << row.name;

    const std::string pictures = s + "home" + s + "me" + s + "Pictures";
    const std::string home = s + "home" + s + "me";
    // clang-format off
    struct PictureRow { const char* name; std::string settings; std::string pictures; bool picturesExist;
        std::string folder; };
    // clang-format on
    const PictureRow pictureRows[] = {
        {"a portable copy opens beside itself", program, pictures, true, program},
        {"the program folder written otherwise", program + s + "." + s, pictures, true, program},
        {"an installed copy opens in the pictures", config, pictures, true, pictures},
        {"without a pictures folder, at home", config, pictures, false, home},
        {"without a pictures name, at home", config, "", true, home}};
    for (const PictureRow& row : pictureRows)
        EXPECT_EQ(SettingsFolder::pictureFolder(
                      {row.settings, program, row.pictures, row.picturesExist, home}),
                  row.folder)
            << row.name;
}

// Where a copy is installed: the folder it was installed to, or one of the system's; any other
// folder, however like a system folder its name, is a portable copy's.
TEST(FileRules, AnInstalledCopyIsKnownByItsFolder)
{
    // clang-format off
    struct Row { const char* folder; const char* installFolder; bool installed; };
    const Row rows[] = {{"/usr/bin", "", true},
                        {"/usr/local/bin", "/usr/local/bin", true},
                        {"/usr/local/bin/", "", true},
                        {"/opt/tikora-clock/bin", "", true},
                        {"/usr", "", true},
                        {"/usrlocal/bin", "", false},
                        {"/home/me/clock", "", false},
                        {"/home/me/clock", "/usr/local/bin", false},
                        {"/home/me/.local/bin", "/home/me/.local/bin/", true},
                        {"/home/me/usr/bin", "", false}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(SettingsFolder::installedCopy(row.folder, row.installFolder), row.installed)
            << row.folder << " installed to \"" << row.installFolder << '"';
}

std::filesystem::path utf8Path(const std::string& text)
{
    return std::u8string(text.begin(), text.end());
}

// Listings of a real folder whose names are UTF-8 on every system: hidden entries and
// others' kinds left out, wildcards without regard to case, the names' order.
TEST(FileRules, ListingsOfAFolder)
{
    namespace fs = std::filesystem;
    fs::path folder =
        fs::temp_directory_path() / ("tikora-files-test-" + std::to_string(std::random_device()()));
    fs::create_directory(folder);
    // A name in Cyrillic letters.
    const std::string yablon = "\xd0\xaf\xd0\xb1\xd0\xbb\xd0\xbe\xd0\xba\xd0\xbe.gif";
    for (const std::string& name : {std::string("b.GIF"), std::string("a.gif"), yablon,
                                    std::string(".hidden.gif"), std::string("note.txt")})
        std::ofstream(folder / utf8Path(name)) << "x";
    for (const std::string name :
         {"Sub", "\xd0\xb0\xd0\xbb\xd1\x8c\xd1\x84\xd0\xb0", ".secret", "dir.gif"})
        fs::create_directory(folder / utf8Path(name));
    const std::u8string text = folder.u8string();
    const std::string base = std::string(text.begin(), text.end()) + tk::kPathSeparator;
    // clang-format off
    struct Row { const char* name; std::string pattern; FolderListing::Names names; };
    const Row rows[] = {{"every file", base, {"a.gif", "b.GIF", "note.txt", yablon}},
                        {"a wildcard", base + "*.Gif", {"a.gif", "b.GIF", yablon}},
                        {"a file by its name", base + yablon, {yablon}},
                        {"a hidden file by its name", base + ".hidden.gif", {}},
                        {"a folder by its name", base + "dir.gif", {}}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(FolderListing::files(row.pattern), row.names) << row.name;
    EXPECT_EQ(FolderListing::folders(base),
              (FolderListing::Names{"dir.gif", "Sub", "\xd0\xb0\xd0\xbb\xd1\x8c\xd1\x84\xd0\xb0"}));
    fs::remove_all(folder);
}

// A drive is asked on a thread of its own: one that never answers is not available in time.
TEST(FileRules, ADriveThatDoesNotAnswerIsNotAvailable)
{
    std::promise<void> never;
    const std::shared_future<void> blocked = never.get_future().share();
    const auto hangs = [blocked](const std::string&) {
        blocked.wait();
        return tk::DriveFailure::None;
    };
    EXPECT_EQ(FolderListing::openFailure("/mnt/nfs", hangs, std::chrono::milliseconds(50)),
              tk::DriveFailure::NotAvailable);
    never.set_value();
    for (const tk::DriveFailure answer : {tk::DriveFailure::None, tk::DriveFailure::AccessDenied})
        EXPECT_EQ(FolderListing::openFailure("/", [answer](const std::string&) { return answer; }),
                  answer);
}

// Work has its follow-up run once on the program's thread: by the call itself, or posted by
// the worker when the call has stopped waiting. Late work is followed up only once it is done.
TEST(FileRules, PatientWorkFollowsUpOnceOnTheProgramsThread)
{
    // clang-format off
    struct Row { const char* name; bool late; };
    for (const Row row : {Row{"work in time", false}, Row{"late work", true}}) {
        // clang-format on
        SCOPED_TRACE(row.name);
        int followUps = 0;
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        if (!row.late)
            release.set_value();
        auto posted = std::make_shared<std::promise<std::function<void()>>>();
        std::future<std::function<void()>> post = posted->get_future();
        PatientQuestion::whenDone(
            [released] { released.wait(); }, [&followUps] { ++followUps; },
            [posted](std::function<void()> then) { posted->set_value(std::move(then)); },
            std::chrono::milliseconds(row.late ? 20 : 10'000));
        if (row.late) {
            EXPECT_EQ(followUps, 0) << "followed up before it was done";
            release.set_value();
        }
        if (followUps == 0)
            post.get()();
        EXPECT_EQ(followUps, 1);
    }
}

} // namespace
