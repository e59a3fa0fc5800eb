#include "Form1.h"

#include "Form2.h"
#include "Platform.h"
#include "SlidePeriod.h"
#include "TikoraClock.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kFirstUpperBound = 50;
constexpr std::size_t kGrowth = 50;
constexpr std::string_view kSlidePattern = "*.gif";
constexpr double kMillisecondsPerSecond = 1000;

// The slide timer's interval for a period in seconds, to the nearest millisecond.
int slideInterval(float seconds)
{
    const double milliseconds = std::nearbyint(seconds * kMillisecondsPerSecond);
    return static_cast<int>(
        std::clamp(milliseconds, 0.0, kLongestSlidePeriod * kMillisecondsPerSecond));
}

} // namespace

std::vector<std::string> Form1::GetFiles(const std::string& filespec,
                                         std::vector<std::size_t>* upperBounds)
{
    std::vector<std::string> files(kFirstUpperBound + 1);
    const auto noteUpperBound = [&] {
        if (upperBounds)
            upperBounds->push_back(files.size() - 1);
    };
    noteUpperBound();
    std::size_t count = 0;
    for (std::string& name : m_run.platform().listDirectory(filespec)) {
        ++count;
        if (count > files.size() - 1) {
            files.resize(count + kGrowth + 1);
            noteUpperBound();
        }
        files[count] = std::move(name);
    }
    files.resize(count + 1);
    noteUpperBound();
    return files;
}

// Lists the GIF files of the slide folder and starts the slide timer. A folder without any
// file gives a show without slides: a list left from another folder names no file there.
void Form1::StartSlideShow()
{
    if (!m_run.platform().dir(m.PicCenter).empty())
        m.SlideFiles = GetFiles(m.PicCenter + std::string(kSlidePattern));
    else
        m.SlideFiles.assign(1, std::string());
    m.SlideIndex = 1;
    TimerSHOW.setInterval(slideInterval(m.SlideShowTime));
    TimerSHOW.setEnabled(true);
}

// The start-up's part of the show: the path field shows the stored folder when it is there.
void Form1::prepareSlideShow()
{
    StartSlideShow();
    if (!m_run.platform().dir(m.PicCenter).empty())
        m_run.form2().txtOUT.setText(m.PicCenter);
}

// Shows the next slide, and the first again after the last. The show never reads past its
// list, and a slide that fails to load leaves the picture before it in place.
void Form1::TimerSHOW_Timer()
{
    const auto last = static_cast<int>(m.SlideFiles.size()) - 1;
    if (last < 1)
        return;
    const float shown = m.SlideIndex;
    const int index =
        shown >= 0 && shown < static_cast<float>(last) ? static_cast<int>(shown) + 1 : 1;
    m.SlideIndex = static_cast<float>(index);
    if (tk::PictureRef picture = m_run.platform().loadPictureFor(
            m.PicCenter + m.SlideFiles[static_cast<std::size_t>(index)], Pict[0].bounds()))
        Pict[0].setPicture(std::move(picture));
    if (index == last)
        m.SlideIndex = 0;
}
