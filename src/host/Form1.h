#pragma once

#include "ClockFace.h"
#include "Platform.h"
#include "SlideShow.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TikoraClock;

namespace tk {
class Platform;
}

// The clock window: it covers the screen, turns its circles once a second, and ends the run
// on the user's input or opens the settings dialog.
class Form1 : public ClockFace {
public:
    explicit Form1(TikoraClock& run);

    // The steady clock's seconds at start-up, which "Time from start" counts from.
    std::int64_t StartTime = 0;
    // The time the figures show, in whole seconds since midnight.
    int ShownTime = 0;
    // The screen-saver switch the run was started with: "/s", "/c" or "/p".
    std::string CmdSwitch;
    // The mouse movements seen so far; the sixth ends the run.
    std::int16_t MoveCount = 0;
    // The ticks so far, which stop counting at the largest 16-bit number.
    std::int16_t TickCount = 0;
    SlideShow slides;

    // Start-up: the clock's timer, the screen, the settings, the face, then the command line.
    void Form_Load() override;
    // Shows the settings dialog for "/c", ends the run for "/p".
    void CheckCommandLine();
    // A typed character ends the run, except "1", which opens the settings dialog.
    void Form_KeyPress(int KeyAscii) override;
    // The sixth movement of the mouse ends the run, unless the settings dialog is open.
    void Form_MouseMove() override;

    // One tick: the figures of the time to show, the angles, the hint's fade, and the face.
    void Timer4_Timer();
    void RazmerKrugov() override;
    void Do_Lines() override;
    void DoClock2() override;
    void DoBackGround() override;

    // The names of the files that `pattern` (a folder and a wildcard) matches, numbered from 1;
    // element 0 stays empty.
    std::vector<std::string> GetFiles(const std::string& pattern);
    void StartSlideShow() override;
    // Shows the next slide; one that fails to load leaves the picture before it in place.
    void TimerSHOW_Timer();

private:
    // The dials that the hidden picture boxes 1 to 3 hold, in their order.
    static constexpr std::array<tk::BuiltInPicture, 3> kDialBoxes{
        tk::BuiltInPicture::Dial1024x768, tk::BuiltInPicture::Dial800x600,
        tk::BuiltInPicture::Dial1280x1024};
    // The index of the picture box that holds the dial.
    static int dialBox(tk::BuiltInPicture dial);

    void createPictures(tk::Platform& platform);
    void placeHint();
    void loadCentrePicture();
    void lookUpStoredPicture(bool slideShow);
    bool unchangedSince(const std::string& path, bool slideShow,
                        const tk::PictureRef& shownWhenAsked) const;
    void buildClockElements();
    void placeCentreCircle(tk::Shape& circle);
    void copySettingsIntoDialog();

    TikoraClock& m_run;
    // A slide still on its way from the file system; the show waits for it.
    bool m_slidePending = false;
};
