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
// file gives a show without slides: a list left from another folder names no file there. The
// listing comes as the file system gives it, and until then the show has no slides.
void Form1::StartSlideShow()
{
    const SettingsValues& settings = m_run.settings();
    slides.SlideFiles.assign(1, std::string());
    slides.SlideIndex = 1;
    TimerSHOW.setInterval(SlideShow::interval(settings.SlideShowTime));
    TimerSHOW.setEnabled(true);
    const std::string folder = settings.PicCenter;
    auto found = std::make_shared<std::vector<std::string>>();
    m_run.platform().whenDone(
        [this, found, folder] {
            if (!m_run.platform().dir(folder).empty())
                *found = GetFiles(folder + std::string(kSlidePattern));
        },
        [this, found, folder] {
            if (TimerSHOW.enabled() && m_run.settings().PicCenter == folder)
                slides.SlideFiles = std::move(*found);
        });
}

// What the file system says of the stored picture or slide folder comes at once from an
// ordinary disk; from a mount that does not answer it comes later, or never, and the built-in
// picture stands in meanwhile. The path field keeps the stored path, so that Save keeps it too.
// An answer that comes after the user has chosen anything of the centre or its path is
// forgotten: the user's choice stands.
void Form1::lookUpStoredPicture(bool slideShow)
{
    struct Found {
        bool present = false;
        std::vector<std::string> slides;
        tk::PictureRef picture;
        bool asked = false;
    };
    tk::Platform& platform = m_run.platform();
    const std::string path = m_run.settings().PicCenter;
    const tk::Bounds box = Pict[0].bounds();
    const tk::PictureRef shownWhenAsked = Pict[0].picture();
    auto found = std::make_shared<Found>();
    const auto lookUp = [&platform, found, path, box, slideShow] {
        found->present = !platform.dir(path).empty();
        if (slideShow && found->present)
            found->slides = platform.listDirectory(path + std::string(kSlidePattern));
        const std::string first = slideShow ? found->slides.empty() ? "" : path + found->slides[0]
                                  : found->present ? path
                                                   : "";
        if (!first.empty())
            found->picture = platform.loadPictureFor(first, box);
    };
    const auto show = [this, found, path, slideShow, shownWhenAsked] {
        if (found->asked && !unchangedSince(path, slideShow, shownWhenAsked))
            return;
        found->asked = true;
        if (slideShow)
            slides.SlideFiles = SlideShow::numbered(std::move(found->slides));
        else if (found->present)
            m_run.form2().txtOUT.setText(path);
        if (found->picture)
            Pict[0].setPicture(found->picture);
    };
    platform.whenDone(lookUp, show);
    if (!found->asked)
        m_run.form2().txtOUT.setText(path);
    found->asked = true;
}

// Whether the centre, its path field and the stored choice are still as a look-up of `path`
// left them when it was asked.
bool Form1::unchangedSince(const std::string& path, bool slideShow,
                           const tk::PictureRef& shownWhenAsked) const
{
    return m_run.settings().PicCenter == path && TimerSHOW.enabled() == slideShow &&
           m_run.form2().txtOUT.text() == path && Pict[0].picture() == shownWhenAsked;
}

// Shows the next slide once it has come from the file system.
void Form1::TimerSHOW_Timer()
{
    if (m_slidePending)
        return;
    const int index = slides.advance();
    if (index == 0)
        return;
    tk::Platform& platform = m_run.platform();
    const std::string folder = m_run.settings().PicCenter;
    const std::string path = folder + slides.SlideFiles[static_cast<std::size_t>(index)];
    const tk::Bounds box = Pict[0].bounds();
    auto picture = std::make_shared<tk::PictureRef>();
    m_slidePending = true;
    platform.whenDone(
        [&platform, picture, path, box] { *picture = platform.loadPictureFor(path, box); },
        [this, picture, folder] {
            m_slidePending = false;
            if (*picture && TimerSHOW.enabled() && m_run.settings().PicCenter == folder)
                Pict[0].setPicture(*picture);
        });
}
