#include "FolderListing.h"
#include "NameOrder.h"
#include "PathText.h"
#include "PatientQuestion.h"
#include "PictureLimits.h"
#include "Platform.h"
#include "SettingsFolder.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <future>
#include <optional>
#include <vector>

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
    return {char(value & 0xFF), char(value >> 8 & 0xFF)};
}

std::string bigWord(int value)
{
    return {char(value >> 8 & 0xFF), char(value & 0xFF)};
}

// LZW codes of a GIF frame with 2-bit pixels, packed least significant bit first into one
// data sub-block after another: a clear code, a pixel, each new code of the table once (each
// standing for one pixel more than the last, 8.4 million in all) and the end code: a few KiB.
std::string lzwCodes()
{
    std::string packed;
    std::uint32_t held = 0;
    int bits = 0, size = 3, next = 6;
    const auto put = [&](int code) {
        held |= std::uint32_t(code) << bits;
        for (bits += size; bits >= 8; bits -= 8, held >>= 8)
            packed += char(held & 0xFF);
    };
    put(4);
    put(0);
    for (; next < 4096; ++next) {
        put(next);
        if (next + 1 >= 1 << size && size < 12)
            ++size;
    }
    put(5);
    packed += char(held);
    std::string blocks;
    for (std::size_t at = 0; at < packed.size(); at += 255)
        blocks += char(std::min<std::size_t>(255, packed.size() - at)) + packed.substr(at, 255);
    return blocks + '\0';
}

// A GIF of a canvas and one frame at (left, top) whose codes are `codes`, restored after it
// is shown when `restore`.
std::string gif(PixelSize canvas, PixelSize frame, int left = 0, const std::string& codes = "",
                bool restore = false)
{
    return "GIF89a" + word(canvas.width) + word(canvas.height) + std::string("\x80\0\0", 3) +
           std::string(6, '\0') + "!\xF9\x04" + char(restore ? 12 : 0) + std::string(4, '\0') +
           ',' + word(left) + word(0) + word(frame.width) + word(frame.height) + '\0' + '\2' +
           (codes.empty() ? std::string("\x02\x44\x01\0", 4) : codes) + ';';
}

// A JPEG's bytes: the frame of marker `frame` with one sampling byte a component, a scan of
// each count of components with a little coded data, `extras` segments of 64,000 bytes, and
// the end marker unless cut short.
std::string jpeg(int frame, PixelSize size, const std::string& sampling,
                 const std::vector<int>& scans, bool end = true, int extras = 0)
{
    const auto segment = [](int code, const std::string& body) {
        return std::string{'\xFF', char(code)} + bigWord(int(body.size()) + 2) + body;
    };
    std::string components;
    for (std::size_t c = 0; c < sampling.size(); ++c)
        components += std::string{char(c + 1), sampling[c], '\0'};
    std::string file = "\xFF\xD8" + segment(0xE0, "JFIF") +
                       segment(frame, '\x08' + bigWord(size.height) + bigWord(size.width) +
                                          char(sampling.size()) + components);
    for (int i = 0; i < extras; ++i)
        file += segment(0xE1, std::string(64'000, '\0'));
    for (const int count : scans)
        file += segment(0xDA, char(count) + std::string(2 * std::size_t(count), '\1') +
                                  std::string("\0\x3F\0", 3)) +
                std::string("\x12\xFF\0\x34\xFF\xD0\x56", 7);
    return file + (end ? "\xFF\xD9" : "");
}

// A BMP's bytes with a header of 40 bytes, one colour when it has any, and the pixel data
// `body`.
std::string bmp(PixelSize size, int bitCount, int compression, const std::string& body)
{
    const auto number = [](std::int64_t value) {
        return word(int(value)) + word(int(value >> 16));
    };
    const std::string colours(bitCount <= 8 ? 4 : 0, '\0');
    const auto start = 54 + std::int64_t(colours.size());
    return "BM" + number(start + std::int64_t(body.size())) + number(0) + number(start) +
           number(40) + number(size.width) + number(size.height) + word(1) + word(bitCount) +
           number(compression) + number(std::int64_t(body.size())) + std::string(8, '\0') +
           number(std::int64_t(colours.size() / 4)) + number(0) + colours + body;
}

TEST(FileRules, PictureLimitsBeforeDecoding)
{
    // A file's bytes; the most pixels it may be decoded to, nothing when it is refused
    // undecoded; and its canvas.
    const auto most = PictureLimits::kMostPixels;
    const auto mostGif = PictureLimits::kMostGifPixels;
    const auto mostJpeg = PictureLimits::kMostJpegPixels;
    const std::string gray = "\x11", colour = std::string("\x22\x11\x11", 3);
    const std::string allScans = std::string(10, '\3');
    const std::string rle8Row = std::string("\x02\x07\x00\x00", 4);
    // clang-format off
    struct Row { const char* name; std::string file; std::optional<std::int64_t> mostPixels;
        std::optional<PixelSize> canvas; };
    const Row rows[] = {
        {"a GIF and its canvas", gif({49, 48}, {1, 1}), mostGif, PixelSize{49, 48}},
        {"a GIF cut short", gif({49, 48}, {1, 1}).substr(0, 40), {}, {}},
        {"a GIF header cut before its size", "GIF89a\x01;", {}, {}},
        {"a GIF canvas at the limit", gif({2000, 2000}, {1, 1}), mostGif, PixelSize{2000, 2000}},
        {"a GIF canvas past the limit", gif({2001, 2000}, {1, 1}), {}, {}},
        {"a GIF frame as large as its canvas", gif({100, 100}, {100, 100}, 0), mostGif, PixelSize{100, 100}},
        {"a GIF frame reaching outside its canvas", gif({100, 100}, {100, 100}, 1), {}, {}},
        {"a GIF frame larger than its canvas", gif({100, 100}, {65535, 65535}), {}, {}},
        {"a GIF frame kept whole to be restored", gif({1000, 1000}, {1000, 1000}, 0, "", true), mostGif, PixelSize{1000, 1000}},
        {"a canvas and a kept frame past the limit", gif({2000, 2000}, {2000, 2000}, 0, "", true), {}, {}},
        {"GIF codes for 8.4 million pixels", gif({100, 100}, {100, 100}, 0, lzwCodes()), {}, {}},
        {"a baseline JPEG", jpeg(0xC0, {4000, 3000}, "\x22\x11\x11", {3}), mostJpeg, {}},
        {"a baseline JPEG at the most pixels", jpeg(0xC0, {10000, 5000}, colour, {3}), mostJpeg, {}},
        {"a baseline JPEG past them", jpeg(0xC0, {10000, 5001}, colour, {3}), {}, {}},
        {"a baseline JPEG of 8000 x 6000, 4:4:4", jpeg(0xC0, {8000, 6000}, "\x11\x11\x11", {3}), mostJpeg, {}},
        {"the same with much more data", jpeg(0xC0, {8000, 6000}, "\x11\x11\x11", {3}, true, 13), {}, {}},
        {"a JPEG cut short", jpeg(0xC0, {40, 30}, colour, {3}, false), {}, {}},
        {"a JPEG without its frame", jpeg(0xC0, {40, 30}, "", {3}), {}, {}},
        {"a lossless JPEG", jpeg(0xC3, {40, 30}, colour, {3}), {}, {}},
        {"a progressive JPEG held whole", jpeg(0xC2, {2000, 1500}, colour, {3, 1, 1, 1}), mostJpeg, {}},
        {"a progressive JPEG of 8000 x 8000, 4:2:0", jpeg(0xC2, {8000, 8000}, colour, {3}), {}, {}},
        {"a progressive JPEG of 8000 x 8000, 4:4:4", jpeg(0xC2, {8000, 8000}, "\x11\x11\x11", {3}), {}, {}},
        {"a gray progressive JPEG of 2000 x 2000", jpeg(0xC2, {2000, 2000}, gray, {1}), mostJpeg, {}},
        {"a gray progressive JPEG of 2500 x 2500", jpeg(0xC2, {2500, 2500}, gray, {1}), {}, {}},
        {"a progressive JPEG of many scans", jpeg(0xC2, {1000, 1000}, colour, std::vector<int>(300, 1)), {}, {}},
        {"a baseline JPEG of one component a scan", jpeg(0xC0, {4000, 4000}, colour, {1, 1, 1}), {}, {}},
        {"a BMP", bmp({3, 2}, 24, 0, std::string(24, '\0')), most, {}},
        {"a BMP upside down", bmp({3, -2}, 24, 0, std::string(24, '\0')), most, {}},
        {"a BMP cut short", bmp({3, 2}, 24, 0, std::string(23, '\0')), {}, {}},
        {"a BMP of 8400 x 8400 cut short", bmp({8400, 8400}, 24, 0, std::string(72, '\0')), {}, {}},
        {"a BMP past the most pixels", bmp({2001, 2000}, 8, 1, "\0\1"), {}, {}},
        {"a run-length BMP", bmp({2, 2}, 8, 1, rle8Row + rle8Row + "\0\1"), most, {}},
        {"a run-length BMP ended by its rows", bmp({2, 2}, 8, 1, rle8Row + rle8Row), most, {}},
        {"a run-length BMP cut short", bmp({2, 2}, 8, 1, rle8Row), {}, {}},
        {"a run-length BMP cut in a code", bmp({2, 2}, 8, 1, rle8Row + "\2"), {}, {}},
        {"run-length codes for 24-bit pixels", bmp({2, 2}, 24, 1, "\0\1"), {}, {}},
        {"a BMP of 2 bits a pixel", bmp({2, 2}, 2, 0, std::string(8, '\0')), {}, {}},
        {"an empty file", "", most, {}},
        {"a PNG", "\x89PNG\r\n\x1A\n", most, {}},
        {"a file at the largest size", "P" + std::string(PictureLimits::kLargestFile - 1, '\0'), (PictureLimits::kMostHeld - std::int64_t(PictureLimits::kLargestFile)) / 4, {}},
        {"a file past the largest size", "P" + std::string(PictureLimits::kLargestFile, '\0'), {}, {}}};
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto allowance = PictureLimits::allowance(row.file);
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
    const SizeRow sizes[] = {{"a picture at the most pixels", {2000, 2000}, most, true},
                             {"a picture past them", {2001, 2000}, most, false},
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
    // Windows names the folder as the program calls itself.
    EXPECT_EQ(SettingsFolder::locate(
                  {program, true, false, false, config, SettingsFolder::kWindowsFolderName}),
              config + s + "Tikora Clock");

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
// others' kinds left out, wildcards without regard to case, the names' order. Where POSIX has
// them, a link to a file counts as the file, one to nothing as nothing, and names that are no
// UTF-8 are listed as they stand.
TEST(FileRules, ListingsOfAFolder)
{
    namespace fs = std::filesystem;
    const TestFolder folder;
    const auto in = [&folder](const std::string& name) { return folder.root() / utf8Path(name); };
    // A name in Cyrillic letters, and a file's and a folder's in Latin-1.
    const std::string yablon = "\xd0\xaf\xd0\xb1\xd0\xbb\xd0\xbe\xd0\xba\xd0\xbe.gif";
    const std::string cafe = "caf\xe9.gif", deja = "d\xe9j\xe0";
    for (const std::string name :
         {"b.GIF", "a.gif", yablon.c_str(), ".hidden.gif", "note.txt", "noext"})
        std::ofstream(in(name)) << "x";
    for (const std::string name :
         {"Sub", "\xd0\xb0\xd0\xbb\xd1\x8c\xd1\x84\xd0\xb0", ".secret", "dir.gif"})
        fs::create_directory(in(name));
    const bool posix = !tk::kWindowsPaths;
    if (posix) {
        std::ofstream(in(cafe)) << "x";
        fs::create_directory(in(deja));
        fs::create_symlink(in("a.gif"), in("link.gif"));
        fs::create_symlink(in("gone"), in("dangling.gif"));
    }
    using Names = FolderListing::Names;
    // The names listed, the POSIX ones in their place after "b.GIF".
    const auto listed = [&](Names names, const Names& after) {
        if (posix)
            names.insert(names.end(), {cafe, "link.gif"});
        names.insert(names.end(), after.begin(), after.end());
        return names;
    };
    const std::string base = folder.path() + "/";
    // clang-format off
    struct Row { const char* name; std::string pattern; Names names; };
    const Row rows[] = {{"every file", base, listed({"a.gif", "b.GIF"}, {"noext", "note.txt", yablon})},
                        {"every file, with an extension or not", base + "*.*", listed({"a.gif", "b.GIF"}, {"noext", "note.txt", yablon})},
                        {"a wildcard", base + "*.Gif", listed({"a.gif", "b.GIF"}, {yablon})},
                        {"a file by its name", base + yablon, {yablon}},
                        {"a name that is no UTF-8", base + (posix ? cafe : yablon), {posix ? cafe : yablon}},
                        {"a link by its name", base + "link.gif", posix ? Names{"link.gif"} : Names{}},
                        {"a link to nothing by its name", base + "dangling.gif", {}},
                        {"a missing file", base + "missing.gif", {}},
                        {"a hidden file by its name", base + ".hidden.gif", {}},
                        {"a folder by its name", base + "dir.gif", {}}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(FolderListing::files(row.pattern), row.names) << row.name;
    Names folders = {"dir.gif", "Sub", "\xd0\xb0\xd0\xbb\xd1\x8c\xd1\x84\xd0\xb0"};
    if (posix)
        folders.insert(folders.begin() + 1, deja);
    EXPECT_EQ(FolderListing::folders(base), folders);
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
