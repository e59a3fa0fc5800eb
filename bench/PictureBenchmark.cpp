// The cost of the pictures: listing a folder of 10,000 files as the slide show and the
// chooser's file list do, one change of slide, from the load of the GIF to the repaint of
// what it changed, and a click in the chooser on a 12-megapixel photo, beside the decoding
// of the whole photo that such a click once cost. Qt's offscreen platform serves the widgets,
// so no display is needed.

#include "BenchPlatform.h"
#include "ClockWindow.h"
#include "DirtyRegionRecorder.h"
#include "FileListBox.h"
#include "Form1.h"
#include "PathText.h"
#include "PictureFile.h"
#include "QtBenchmarkMain.h"
#include "TikoraClock.h"
#include "Window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kFolderSize = 10'000;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kStartTime = 10 * 3600 + 20 * 60 + 30;

// A 49 x 49 GIF of one colour, as an image program writes it; Qt reads GIF but cannot write it.
const unsigned char kRedGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x31, 0x00, 0x31, 0x00, 0xf0, 0x00, 0x00, 0xff, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00,
    0x31, 0x00, 0x31, 0x00, 0x00, 0x02, 0x32, 0x84, 0x8f, 0xa9, 0xcb, 0xed, 0x0f, 0xa3, 0x9c, 0xb4,
    0xda, 0x8b, 0xb3, 0xde, 0xbc, 0xfb, 0x0f, 0x86, 0xe2, 0x48, 0x96, 0xe6, 0x89, 0xa6, 0xea, 0xca,
    0xb6, 0xee, 0x0b, 0xc7, 0xf2, 0x4c, 0xd7, 0xf6, 0x8d, 0xe7, 0xfa, 0xce, 0xf7, 0xfe, 0x0f, 0x0c,
    0x0a, 0x87, 0xc4, 0xa2, 0xf1, 0x88, 0xdc, 0x15, 0x00, 0x00, 0x3b};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A folder of 10,000 empty picture files, made once for every benchmark that lists it.
const QTemporaryDir& bigFolder()
{
    static const QTemporaryDir folder = [] {
        QTemporaryDir made;
        for (int i = 0; i < kFolderSize; ++i) {
            const char* kind = i % 10 == 0 ? "jpg" : "gif";
            writeFile(made.filePath(QString("Slide%1.%2").arg(i, 5, 10, QChar('0')).arg(kind)), {});
        }
        return made;
    }();
    return folder;
}

std::string nativePath(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdString();
}

// GetFiles over the folder: the slide show's listing of its GIF files.
void BM_ListSlides(benchmark::State& state)
{
    BenchPlatform platform(kScreenWidth, kScreenHeight, kStartTime);
    TikoraClock run(platform);
    run.start();
    const std::string pattern = tk::path::join(nativePath(bigFolder().path()), "*.gif");
    std::size_t count = 0;
    for (auto _ : state)
        count = run.form1().GetFiles(pattern).size() - 1;
    state.counters["files"] = static_cast<double>(count);
}

// The chooser's file list: three wildcards over the same folder, merged and sorted.
void BM_ListChooserFiles(benchmark::State& state)
{
    BenchPlatform platform(kScreenWidth, kScreenHeight, kStartTime);
    tk::Window window("bench");
    tk::FileListBox files(window, platform, "File1");
    files.setPattern("*.gif;*.jpg;*.bmp");
    const std::string folder = nativePath(bigFolder().path());
    for (auto _ : state) {
        files.setPath(std::string());
        files.setPath(folder);
    }
    state.counters["files"] = static_cast<double>(files.entries().size());
}

// One tick of the slide timer over three GIFs, and the repaint of what it dirtied.
void BM_SlideChange(benchmark::State& state)
{
    BenchPlatform platform(kScreenWidth, kScreenHeight, kStartTime);
    QTemporaryDir slides;
    const QByteArray gif(reinterpret_cast<const char*>(kRedGif), sizeof kRedGif);
    for (const char* name : {"a.gif", "b.gif", "c.gif"})
        writeFile(slides.filePath(name), gif);
    const std::string settings =
        "ViewTime=0\r\nShapeWidth=0\r\nPicCenter=" + tk::path::join(nativePath(slides.path()), "") +
        "\r\nSlideShowTime=1\r\n";
    platform.writeFile(tk::path::join(platform.programFolder(), "Tikora_Clock.ini"), settings);
    TikoraClock run(platform);
    run.start();
    Form1& form = run.form1();
    ClockWindow& window = *platform.clockWindow();
    DirtyRegionRecorder recorder(window, QRect(0, 0, kScreenWidth, kScreenHeight));
    form.setObserver(&recorder);
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        recorder.clear();
        form.TimerSHOW_Timer();
        QPainter painter(&image);
        window.paintFace(painter, recorder.region());
    }
    form.setObserver(&window);
}

// A photo of a phone's 12 megapixels, made once.
const QString& phonePhoto()
{
    static const QTemporaryDir folder;
    static const QString path = [] {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            std::fill_n(reinterpret_cast<QRgb*>(photo.scanLine(y)), photo.width(),
                        qRgb(y % 256, (y / 7) % 256, 90));
        const QString file = folder.filePath("photo.jpg");
        photo.save(file, "JPG", 90);
        return file;
    }();
    return path;
}

// The preview of a click on the photo in the chooser, a box of 53 x 53 pixels.
void BM_ChooserClickOnPhoto(benchmark::State& state)
{
    BenchPlatform platform(kScreenWidth, kScreenHeight, kStartTime);
    const std::string photo = nativePath(phonePhoto());
    const auto side = static_cast<float>(tk::Units().toTwips(53));
    const tk::Bounds preview{0, 0, side, side};
    for (auto _ : state)
        benchmark::DoNotOptimize(platform.loadPictureFor(photo, preview));
}

void BM_PhotoDecodedWhole(benchmark::State& state)
{
    PictureFile::limitAllocations();
    for (auto _ : state)
        benchmark::DoNotOptimize(PictureFile::read(nativePath(phonePhoto())));
}

} // namespace

BENCHMARK(BM_ChooserClickOnPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhotoDecodedWhole)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListSlides)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListChooserFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlideChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return bench::runQtBenchmarks(argc, argv);
}
