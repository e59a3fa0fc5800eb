#include "Form1.h"

#include "Form2.h"
#include "Platform.h"
#include "TikoraClock.h"

namespace {

constexpr std::string_view kBackgroundFile = "Tikora_Clock_bg.jpg";

} // namespace

// Puts the user's background picture behind the clock, or takes it away, and gives the face
// its lines and the centre circle's outline back.
void Form1::DoBackGround()
{
    tk::Platform& platform = m_run.platform();
    const std::string path =
        platform.settingsFolder() + tk::kPathSeparator + std::string(kBackgroundFile);
    const bool present = !platform.dir(path).empty();
    const int back = m_run.form2().chkBG[0].value();
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
