// Checks a screenshot of the clock at 10:20:30 against one of the worked examples, drawn on a
// screen of 1024 x 768 pixels times a scale: each group's circle rim and its figure in the
// group's colour, the centre circle's rim and the lines where the style draws them, the
// circles' black fill, the emblem's hub and rim, and the dial's bands under the second style.
// Reads a binary PPM; prints what is missing and ends with 1, or ends with 0. Also
// writes the settings file that gives an example's style.
#include "WorkedExamples.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Rgb {
    int red, green, blue;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr std::array<Rgb, 3> kColours{{{255, 192, 192}, {255, 128, 128}, {255, 0, 0}}};
constexpr int kTwipsPerPixel = 15;
constexpr int kCentreRimWidth = 1080;
// A pixel of a rim or a line may stand a pixel or two from where the geometry puts it; the
// distances in pixels are those of a 1024 x 768 screen, times the scale.
constexpr int kNear = 2;
// Enough pixels of a group's colour for two bold digits, and none without them.
constexpr int kFigurePixels = 12;
constexpr int kFigureBox = 30;
constexpr int kFillInset = 7;
constexpr int kTolerance = 16;
constexpr double kCoverage = 0.6;
constexpr double kMostCoverage = 1.1;

// A screenshot in binary PPM, as ImageMagick's import writes it: three bytes a pixel, top down.
class Screenshot {
public:
    bool read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::string magic;
        int maximum = 0;
        file >> magic >> m_width >> m_height >> maximum;
        file.get();
        m_bytes.assign(std::istreambuf_iterator<char>(file), {});
        return magic == "P6" && maximum == 255 && m_width > 0 &&
               m_bytes.size() >= std::size_t(m_width) * m_height * 3;
    }
    bool valid(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Rgb at(int x, int y) const
    {
        const std::size_t i = (std::size_t(y) * m_width + x) * 3;
        return {m_bytes[i], m_bytes[i + 1], m_bytes[i + 2]};
    }

private:
    std::vector<unsigned char> m_bytes;
    int m_width = 0, m_height = 0;
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

// Where the examples' twips fall on a screen of the scale's times the pixels.
class Places {
public:
    explicit Places(int scale)
        : m_scale(scale)
    {
    }
    int pixel(double twips) const { return static_cast<int>(twips * m_scale / kTwipsPerPixel); }
    int pixels(int count) const { return count * m_scale; }
    // A circle's left rim from its left, top and width; the 2-pixel border lies inside.
    int rimX(double left) const { return pixel(left + kTwipsPerPixel); }
    int rimY(double top, double width) const { return pixel(top + width / 2); }

private:
    int m_scale;
};

std::string missingGroup(const Screenshot& shot, const Places& at, const worked::Face& face,
                         std::size_t k)
{
    const worked::Group& group = face.groups[k];
    const Rgb colour = kColours[k];
    const int x = at.rimX(group.circleLeft);
    const int y = at.rimY(group.circleTop, face.circleWidths[k]);
    const bool line = near(shot, at.pixel((worked::kCentreX + group.lineX2) / 2),
                           at.pixel((worked::kCentreY + group.lineY2) / 2), colour);
    const bool figure =
        count(shot, at.pixel(group.labelLeft), at.pixel(group.labelTop), at.pixels(kFigureBox),
              at.pixels(kFigureBox), colour) >= at.pixels(at.pixels(kFigurePixels));
    std::string missing;
    const std::string name = "group " + std::to_string(k) + "'s ";
    missing += near(shot, x, y, colour) ? "" : name + "rim; ";
    missing += figure ? "" : name + "figure; ";
    // The second style hides the lines and lays the circles over its dial.
    missing += line == !face.clock2 ? "" : name + (face.clock2 ? "hidden line; " : "line; ");
    if (!matches(shot.at(x + at.pixels(kFillInset), y), kBlack))
        missing += name + "black fill; ";
    return missing;
}

std::string missingParts(const Screenshot& shot, const worked::Face& face, int scale)
{
    const Places at(scale);
    const bool centreRim =
        near(shot, at.rimX(worked::kCentreX - kCentreRimWidth / 2),
             at.rimY(worked::kCentreY - kCentreRimWidth / 2, kCentreRimWidth), kColours[0]);
    // The second style draws the centre circle without its outline.
    std::string missing = centreRim == !face.clock2 ? "" : "the centre circle's rim; ";
    for (std::size_t k = 0; k < kColours.size(); ++k)
        missing += missingGroup(shot, at, face, k);
    const auto seen = [&](const worked::Mark& mark) {
        return near(shot, at.pixels(mark.x), at.pixels(mark.y), {mark.red, mark.green, mark.blue});
    };
    for (const worked::Mark& mark : worked::kEmblem)
        missing += seen(mark) ? "" : "the emblem at " + std::to_string(mark.x) + "; ";
    for (const worked::Mark& band : worked::kDialBands) {
        if (face.clock2 && !seen(band))
            missing += "the dial's band at " + std::to_string(band.x) + "; ";
    }
    return missing;
}

const worked::Face* faceNamed(std::string_view name)
{
    for (const worked::Face& face : worked::kFaces) {
        if (name == face.name)
            return &face;
    }
    return nullptr;
}

// The default settings with the example's circle style and second style.
bool writeSettings(const worked::Face& face, const char* path)
{
    std::ofstream file(path, std::ios::binary);
    file << worked::settingsWith({"ShapeWidth=" + std::to_string(int(face.shapeWidth)),
                                  "Clock2=" + std::to_string(int(face.clock2))});
    return bool(file.flush());
}

} // namespace

int main(int argc, char* argv[])
{
    const worked::Face* face = argc == 4 ? faceNamed(argv[argc - 2]) : nullptr;
    if (face && std::string_view(argv[1]) == "settings")
        return writeSettings(*face, argv[3]) ? 0 : 2;
    face = argc == 4 ? faceNamed(argv[1]) : nullptr;
    const int scale = argc == 4 ? std::atoi(argv[2]) : 0;
    Screenshot shot;
    if (!face || scale < 1 || !shot.read(argv[3])) {
        std::fprintf(stderr, "usage: FaceCheck FACE SCALE SCREENSHOT.ppm\n"
                             "       FaceCheck settings FACE SETTINGS_FILE\n");
        return 2;
    }
    const std::string missing = missingParts(shot, *face, scale);
    if (missing.empty())
        return 0;
    std::printf("missing: %s\n", missing.c_str());
    return 1;
}
