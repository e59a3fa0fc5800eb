#include "BoundedFile.h"
#include "PictureFile.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        fs::create_directory(path("Sub"));
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
