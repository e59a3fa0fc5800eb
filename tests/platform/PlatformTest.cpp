#include "BoundedFile.h"
#include "FolderListing.h"
#include "PictureFile.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// The desktop and the fake platform list folders by the shared listing: plain files and links
// to them, hidden entries left out, wildcards without regard to case, names sorted without
// regard to case.
TEST_F(PlatformTest, ListingsOfAFolderWithLinks)
{
    using Names = std::vector<std::string>;
    const Names all = {"a.gif",    "b.GIF", "C.jpg",    kLatin1Name,
                       "link.gif", "noext", "note.txt", "red.png"};
    // clang-format off
    const std::vector<std::pair<std::string, Names>> files = {
        {"/", all}, {"/*.*", all}, {"/*.GIF", {"a.gif", "b.GIF", kLatin1Name, "link.gif"}}, {"/" + kLatin1Name, {kLatin1Name}},
        {"/a.gif", {"a.gif"}}, {"/link.gif", {"link.gif"}}, {"/.hidden.gif", {}}, {"/dir.gif", {}}, {"/dangling.gif", {}}, {"/missing.gif", {}}};
    // clang-format on
    const std::string folder = m_dir.path().toStdString();
    for (const auto& [pattern, expected] : files)
        EXPECT_EQ(FolderListing::files(folder + pattern), expected) << pattern;
    EXPECT_EQ(FolderListing::folders(folder), (Names{"alpha", "dir.gif", kLatin1Folder, "Sub"}));
}

// Pictures are decoded by Qt only from regular files within the shared limits.
TEST_F(PlatformTest, PicturesAreDecodedWithinTheLimits)
{
    // A GIF of one pixel, and the same with a canvas past the GIF limit or cut short.
    static constexpr char kDot[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00"
                                   ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
    const std::string gif(kDot, sizeof kDot - 1);
    write("dot.gif", gif);
    write("huge.gif", gif.substr(0, 6) + "\xb8\x0b\xb8\x0b" + gif.substr(10));
    write("cut.gif", gif.substr(0, gif.size() - 1));
    fs::create_symlink(path("red.png"), path("red-link.png"));
    ASSERT_TRUE(QImage(qPath("red.png")).save(qPath("red.bmp")));
    const std::string bmp = *os::boundedFile::read(path("red.bmp"), 1024);
    write("cut.bmp", bmp.substr(0, bmp.size() - 1));
    // clang-format off
    struct Row { const char* name; std::string file; QSize size; };
    const Row rows[] = {{"a GIF", "dot.gif", QSize(1, 1)}, {"a link to a picture", "red-link.png", QSize(7, 5)},
                        {"a GIF canvas past the limit", "huge.gif", QSize(0, 0)}, {"a GIF cut short", "cut.gif", QSize(0, 0)},
                        {"a BMP", "red.bmp", QSize(7, 5)}, {"a BMP cut short", "cut.bmp", QSize(0, 0)},
                        {"a link to a device", "zero.gif", QSize(0, 0)}, {"a folder", "Sub", QSize(0, 0)}};
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(PictureFile::read(path(row.file)).size(), row.size) << row.name;
    EXPECT_EQ(PictureFile::read(path("red.png"), QSize(3, 3)).size(), QSize(3, 2))
        << "a picture larger than its box is fitted";
}

} // namespace
