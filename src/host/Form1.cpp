#include "Form1.h"

#include "Form2.h"
#include "NumberText.h"
#include "Platform.h"
#include "SecondClockStyle.h"
#include "TikoraClock.h"
#include "frmFILE.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr int kClockInterval = 1000;
constexpr tk::Colour kHintStartColour = tk::rgb(90, 90, 90);
// The centre picture's box holds 49 x 49 pixels of an ordinary screen, the same size in
// inches on every screen.
constexpr int kEmblemPixels = 49;

// Whole-number division of a value first taken to the nearest whole number.
std::int32_t halfOf(float length)
{
    return static_cast<std::int32_t>(std::nearbyint(length)) / 2;
}

} // namespace

Form1::Form1(TikoraClock& run)
    : ClockFace("Form1", run.platform())
    , m_run(run)
{
    setClientSize(10320, 8280);
    setBackColor(tk::kBlack);
    setMousePointer(tk::MousePointer::Custom);
    setRole(tk::WindowRole::ClockFace);
    Timer4.setAlignedToWallClock(true);
    Timer4.onTimer = [this] { Timer4_Timer(); };
    TimerSHOW.onTimer = [this] { TimerSHOW_Timer(); };

    lblF1.move(0, 0, 2055, 285);
    lblF1.setCaption("Click <1> for setup");
    lblF1.setFont({"Arial", 9, false});
    lblF1.setBackColor(tk::kBlack);
    createPictures(run.platform());

    tk::Shape& templateCircle = ShapeS.add(0);
    templateCircle.setVisible(false);
    templateCircle.setBackStyle(tk::BackStyle::Opaque);
    for (int i = 0; i < 3; ++i) {
        LineS.add(i).setVisible(false);
        tk::Label& label = lblS.add(i);
        label.setVisible(false);
        label.setAlignment(tk::Alignment::Centre);
        label.setFont({"Tahoma", 8.25f, false});
    }
}

// The centre picture box with the built-in emblem, and the hidden boxes that hold the dials.
void Form1::createPictures(tk::Platform& platform)
{
    const auto emblem = static_cast<float>(tk::Units().toTwips(kEmblemPixels));
    tk::PictureBox& centre = Pict.add(0);
    centre.move(4800, 3600, emblem, emblem);
    centre.setBackColor(tk::kBlack);
    centre.setPicture(platform.builtInPicture(tk::BuiltInPicture::CentreEmblem));
    for (int i = 1; i <= 3; ++i) {
        tk::PictureBox& dial = Pict.add(i);
        dial.setVisible(false);
        dial.setPicture(platform.builtInPicture(kDialBoxes[i - 1]));
    }
    picTMP1.setVisible(false);
}

int Form1::dialBox(tk::BuiltInPicture dial)
{
    const auto* found = std::find(kDialBoxes.begin(), kDialBoxes.end(), dial);
    return static_cast<int>(found - kDialBoxes.begin()) + 1;
}

void Form1::Form_Load()
{
    tk::Platform& platform = m_run.platform();
    if (platform.anotherInstanceRunning())
        platform.endProcess();
    setWindowState(tk::WindowState::Maximised);
    Timer4.setInterval(kClockInterval);
    Timer4.setEnabled(true);
    const tk::ScreenSize screen = platform.screenSize();
    ScreenHeight = screen.height;
    ScreenWidth = screen.width;
    StartTime = platform.steadySeconds();
    placeHint();
    // Reading the hint creates the picture chooser and, through it, the settings dialog.
    m_run.module1().strSovet = m_run.fileChooser().lblSovet.caption();
    m_run.readSettings();
    loadCentrePicture();
    buildClockElements();
    DoBackGround();
    RazmerKrugov();
    copySettingsIntoDialog();
    Do_Lines();
    CheckCommandLine();
    m_run.form2().chkBG[Form2::kClock2].setEnabled(
        SecondClockStyle::dialFor(ScreenWidth).has_value());
}

void Form1::placeHint()
{
    lblF1.setLeft(static_cast<float>(ScreenWidth) - lblF1.width());
    lblF1.setTop(static_cast<float>(ScreenHeight) - lblF1.height());
    lblF1.setForeColor(kHintStartColour);
}

// The built-in picture is kept for "Default", and the stored picture or slide show is looked up.
void Form1::loadCentrePicture()
{
    const SettingsValues& settings = m_run.settings();
    Form2& dialog = m_run.form2();
    tk::PictureBox& centre = Pict[0];
    picTMP1.setPicture(centre.picture());
    dialog.picTMP.setPicture(picTMP1.picture());
    const bool slideShow = settings.SlideShowTime > 0;
    if (slideShow) {
        slides.SlideFiles.assign(1, std::string());
        slides.SlideIndex = 1;
        TimerSHOW.setInterval(SlideShow::interval(settings.SlideShowTime));
        TimerSHOW.setEnabled(true);
        dialog.txtOUT.setText(settings.text(SettingsSlot::PicCenter));
    }
    if (!centre.picture())
        centre.setPicture(picTMP1.picture());
    if (slideShow || settings.PicCenter != dialog.optPIC[0].caption())
        lookUpStoredPicture(slideShow);
    centre.setTop(static_cast<float>(ScreenHeight / 2 - halfOf(centre.height())));
    centre.setLeft(static_cast<float>(ScreenWidth / 2 - halfOf(centre.width())));
}

// The stored check boxes, colours and sizes go into the settings dialog; ticking a box there
// runs its handler, which applies it to the clock.
void Form1::copySettingsIntoDialog()
{
    Form2& dialog = m_run.form2();
    const SettingsValues& settings = m_run.settings();
    if (settings.clock2())
        dialog.chkBG[Form2::kClock2].setValue(1);
    dialog.chkBG[Form2::kBack].setValue(settings.checkValue(SettingsSlot::Back));
    layout.SavedRadiusUnit = std::to_string(layout.RadiusUnit);
    for (int k = 0; k < 3; ++k)
        dialog.txtCOLOR[k].setBackColor(lblS[k].foreColor());
    dialog.txtCOLOR[3].setBackColor(ShapeS[3].backColor());
    for (int k = 0; k < 3; ++k)
        dialog.txtCOLOR[k].setText(tk::singleText(lblS[k].font().size));
}

// The front end has read the command line already; CmdSwitch keeps its switch for the input
// handlers, which let mouse movement in configure mode bring the dialog forward.
void Form1::CheckCommandLine()
{
    const tk::RunRequest request = m_run.platform().commandLine();
    switch (request.mode) {
    case tk::RunMode::ScreenSaver:
        CmdSwitch = "/s";
        break;
    case tk::RunMode::Configure:
        CmdSwitch = "/c";
        m_run.form2().show();
        setMousePointer(tk::MousePointer::Crosshair);
        // The dialog opens on the stored time mode and circle style, as the key "1" opens it;
        // selecting them applies the values the clock already shows.
        m_run.form2().Predustanovki();
        break;
    case tk::RunMode::Preview:
        CmdSwitch = "/p";
        m_run.platform().endProcess();
    }
}
