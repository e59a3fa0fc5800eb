#pragma once

#include "CommonDialog.h"
#include "ControlArray.h"
#include "Label.h"
#include "Line.h"
#include "PictureBox.h"
#include "Shape.h"
#include "TextBox.h"
#include "Timer.h"
#include "Window.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TikoraClock;
class Module1;

namespace tk {
class Platform;
}

// The clock window: it covers the screen, turns its circles once a second, and ends the run
// on the user's input or opens the settings dialog.
class Form1 : public tk::Window {
public:
    explicit Form1(TikoraClock& run);

    // Screen and centre, in twips. These are 32-bit so that wide screens fit.
    std::int32_t ScreenHeight = 0;
    std::int32_t ScreenWidth = 0;
    std::int32_t CentreTop = 0;
    std::int32_t CentreLeft = 0;
    std::int32_t CentreHalf = 0;
    // Times of day in whole seconds since midnight.
    int StartTime = 0;
    int ShownTime = 0;
    std::string CmdSwitch;
    std::int16_t MoveCount = 0;
    std::int16_t TickCount = 0;
    std::array<float, 3> Angles{};

    tk::TextBox lblF1;
    tk::Timer Timer4;
    tk::Timer TimerSHOW;
    tk::ControlArray<tk::PictureBox> Pict;
    tk::PictureBox picTMP1;
    tk::ControlArray<tk::Shape> ShapeS;
    tk::ControlArray<tk::Line> LineS;
    tk::ControlArray<tk::Label> lblS;
    tk::CommonDialog ComDial;

    void Form_Load() override;
    void CheckCommandLine();
    void Form_KeyPress(int KeyAscii) override;
    void Form_MouseMove() override;

    void Timer4_Timer();
    void RazmerKrugov();
    void Do_Lines();
    void DoClock2();
    void DoBackGround();

    // The names of the files that `filespec` (a folder and a wildcard) matches, numbered from
    // 1; element 0 stays empty. `upperBounds`, when given, receives each upper bound that the
    // list takes while it grows.
    std::vector<std::string> GetFiles(const std::string& filespec,
                                      std::vector<std::size_t>* upperBounds = nullptr);
    void StartSlideShow();
    void TimerSHOW_Timer();

private:
    void createPictures(tk::Platform& platform);
    void placeHint();
    void prepareSlideShow();
    void loadCentrePicture();
    void buildClockElements();
    void placeCentreCircle(tk::Shape& circle);
    void copySettingsIntoDialog();

    TikoraClock& m_run;
    Module1& m;
};
