// One load of a picture file the way the clock loads it, for bench/memory.sh: as the centre
// picture and the chooser's preview do (fitted to the 49 x 49 box), or as the background does
// (at its own size, cut to the screen). It prints the peak memory (VmHWM, KiB) before the load
// and after it, and the CPU time of the load in ms:
//
//   tikora-picture-load centre|background [FILE]
//
// Without a file it prints the figures of the program with the readers loaded alone.

#include "PictureFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace {

constexpr int kBoxSide = 49;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

long peakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Decodes a tiny picture of each kind, so that the readers' libraries are loaded before the
// first figure is taken.
void loadReaders()
{
    for (const char* format : {"gif", "jpeg", "bmp"}) {
        QImage dot(1, 1, QImage::Format_RGB32);
        dot.fill(0);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Qt writes no GIF; reading the empty result still loads the GIF reader.
        dot.save(&buffer, format);
        QImage::fromData(bytes, format);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "centre" && mode != "background") {
        std::fprintf(stderr, "usage: %s centre|background [FILE]\n", argv[0]);
        return 2;
    }
    PictureFile::limitAllocations();
    loadReaders();
    const long before = peakKiB();
    const double start = cpuMs();
    QSize size;
    if (argc > 2) {
        const QImage image =
            mode == "centre" ? PictureFile::read(argv[2], QSize(kBoxSide, kBoxSide))
                             : PictureFile::read(argv[2], {}, QSize(kScreenWidth, kScreenHeight));
        size = image.size();
    }
    std::printf("%ld %ld %.1f %dx%d\n", before, peakKiB(), cpuMs() - start, size.width(),
                size.height());
    return 0;
}
