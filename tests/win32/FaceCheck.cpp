// Checks a screenshot of the clock at 10:20:30 on a 1024 x 768 screen against the worked
// example: each group's circle rim, the middle of its line and its figure in the group's colour,
// the centre circle's rim, and black inside the circles. Reads a 24- or 32-bit BMP; prints what
// is missing and ends with 1, or ends with 0.
#include "WorkedExamples.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Rgb {
    int red, green, blue;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr std::array<Rgb, 3> kColours{{{255, 192, 192}, {255, 128, 128}, {255, 0, 0}}};
constexpr int kTwipsPerPixel = 15;
// A pixel of a rim or a line may stand a pixel or two from where the geometry puts it.
constexpr int kNear = 2;
// Enough pixels of a group's colour for two bold digits, and none without them.
constexpr int kFigurePixels = 12;
constexpr int kFigureBox = 30;
constexpr int kTolerance = 16;
constexpr double kCoverage = 0.6;
constexpr double kMostCoverage = 1.1;

class Screenshot {
public:
    bool read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        m_bytes.assign(std::istreambuf_iterator<char>(file), {});
        if (m_bytes.size() < 54 || m_bytes[0] != 'B' || m_bytes[1] != 'M')
            return false;
        m_offset = word(10);
        m_width = static_cast<int>(word(18));
        const auto height = static_cast<std::int32_t>(word(22));
        m_topDown = height < 0;
        m_height = std::abs(height);
        m_bytesPerPixel = (m_bytes[28] | m_bytes[29] << 8) / 8;
        m_stride = (m_width * m_bytesPerPixel + 3) / 4 * 4;
        return (m_bytesPerPixel == 3 || m_bytesPerPixel == 4) &&
               m_offset + std::size_t(m_stride) * m_height <= m_bytes.size();
    }
    bool valid(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Rgb at(int x, int y) const
    {
        const int row = m_topDown ? y : m_height - 1 - y;
        const std::size_t i =
            m_offset + std::size_t(row) * m_stride + std::size_t(x) * m_bytesPerPixel;
        return {m_bytes[i + 2], m_bytes[i + 1], m_bytes[i]};
    }
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    std::uint32_t word(std::size_t at) const
    {
        return m_bytes[at] | m_bytes[at + 1] << 8 | m_bytes[at + 2] << 16 |
               std::uint32_t(m_bytes[at + 3]) << 24;
    }

    std::vector<unsigned char> m_bytes;
    std::size_t m_offset = 0;
    int m_width = 0, m_height = 0, m_bytesPerPixel = 0, m_stride = 0;
    bool m_topDown = false;
};

// Whether the pixel is the colour over black, covered at least kCoverage; black: almost black.
bool matches(Rgb pixel, Rgb colour)
{
    const double lengthSquared =
        colour.red * colour.red + colour.green * colour.green + colour.blue * colour.blue;
    const double share =
        lengthSquared == 0
            ? 1
            : (pixel.red * colour.red + pixel.green * colour.green + pixel.blue * colour.blue) /
                  lengthSquared;
    const bool covered = lengthSquared == 0 || (share >= kCoverage && share <= kMostCoverage);
    return covered && std::abs(pixel.red - share * colour.red) <= kTolerance &&
           std::abs(pixel.green - share * colour.green) <= kTolerance &&
           std::abs(pixel.blue - share * colour.blue) <= kTolerance;
}

int count(const Screenshot& shot, int left, int top, int width, int height, Rgb colour)
{
    int found = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x)
            found += shot.valid(x, y) && matches(shot.at(x, y), colour) ? 1 : 0;
    }
    return found;
}

bool near(const Screenshot& shot, int x, int y, Rgb colour)
{
    return count(shot, x - kNear, y - kNear, 2 * kNear + 1, 2 * kNear + 1, colour) > 0;
}

int pixel(double twips)
{
    return static_cast<int>(twips / kTwipsPerPixel);
}

} // namespace

int main(int argc, char* argv[])
{
    Screenshot shot;
    if (argc != 2 || !shot.read(argv[1])) {
        std::fprintf(stderr, "usage: FaceCheck SCREENSHOT.bmp (24 or 32 bits a pixel)\n");
        return 2;
    }
    std::string missing;
    const auto expect = [&](bool found, const std::string& what) {
        if (!found)
            missing += what + "; ";
    };
    // A circle's left rim from its left, top and width in twips; the 2-pixel border lies inside.
    const auto rimX = [](double left) { return pixel(left + 15); };
    const auto rimY = [](double top, double width) { return pixel(top + width / 2); };
    expect(near(shot, rimX(7140), rimY(5220, 1080), kColours[0]), "the centre circle's rim");
    const worked::Face& face = worked::kDifferentLater;
    for (std::size_t k = 0; k < kColours.size(); ++k) {
        const worked::Group& group = face.groups[k];
        const int x = rimX(group.circleLeft);
        const int y = rimY(group.circleTop, face.circleWidths[k]);
        const std::string name = "group " + std::to_string(k) + "'s ";
        expect(near(shot, x, y, kColours[k]), name + "rim");
        expect(matches(shot.at(x + 7, y), kBlack), name + "black fill");
        expect(near(shot, pixel((worked::kCentreX + group.lineX2) / 2),
                    pixel((worked::kCentreY + group.lineY2) / 2), kColours[k]),
               name + "line");
        expect(count(shot, pixel(group.labelLeft), pixel(group.labelTop), kFigureBox, kFigureBox,
                     kColours[k]) >= kFigurePixels,
               name + "figure");
    }
    if (missing.empty())
        return 0;
    std::printf("missing: %s\n", missing.c_str());
    return 1;
}
