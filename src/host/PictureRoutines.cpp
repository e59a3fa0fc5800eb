#include "Form1.h"

#include "BackgroundPicture.h"
#include "Form2.h"
#include "Platform.h"
#include "TikoraClock.h"

namespace {

constexpr std::string_view kSlidePattern = "*.gif";

} // namespace

// Puts the user's background picture behind the clock, or takes it away, and gives the face
// its lines and the centre circle's outline back.
void Form1::DoBackGround()
{
    tk::Platform& platform = m_run.platform();
    const std::string path = BackgroundPicture::pathIn(platform.settingsFolder());
    const bool present = !platform.dir(path).empty();
    const int back = m_run.form2().chkBG[Form2::kBack].value();
    if (back == 1 && present) {
        // A file that is no picture leaves the window as it was.
        if (tk::PictureRef picture = platform.loadPicture(path))
            setPicture(std::move(picture));
    } else if (back == 0) {
        setPicture(nullptr);
    }
    for (int g = 0; g < 3; ++g)
        LineS[g].setVisible(true);
    ShapeS[1].setBorderStyle(tk::BorderStyle::Solid);
}

std::vector<std::string> Form1::GetFiles(const std::string& pattern)
{
    return SlideShow::numbered(m_run.platform().listDirectory(pattern));
}

// Lists the GIF files of the slide folder and starts the slide timer. A folder without any
// file gives a show without slides: a list left from another folder names no file there.
void Form1::StartSlideShow()
{
    const SettingsValues& settings = m_run.settings();
    if (!m_run.platform().dir(settings.PicCenter).empty())
        slides.SlideFiles = GetFiles(settings.PicCenter + std::string(kSlidePattern));
    else
        slides.SlideFiles.assign(1, std::string());
    slides.SlideIndex = 1;
    TimerSHOW.setInterval(SlideShow::interval(settings.SlideShowTime));
    TimerSHOW.setEnabled(true);
}

// The start-up's part of the show: the path field shows the stored folder when it is there.
void Form1::prepareSlideShow()
{
    StartSlideShow();
    const std::string& folder = m_run.settings().PicCenter;
    if (!m_run.platform().dir(folder).empty())
        m_run.form2().txtOUT.setText(folder);
}

void Form1::TimerSHOW_Timer()
{
    const int index = slides.advance();
    if (index == 0)
        return;
    const std::string path =
        m_run.settings().PicCenter + slides.SlideFiles[static_cast<std::size_t>(index)];
    if (tk::PictureRef picture = m_run.platform().loadPictureFor(path, Pict[0].bounds()))
        Pict[0].setPicture(std::move(picture));
}
