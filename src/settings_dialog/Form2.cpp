#include "Form2.h"

#include "Form1.h"
#include "LanguageTables.h"
#include "NumberText.h"
#include "Platform.h"
#include "TikoraClock.h"
#include "frmFILE.h"

#include <cmath>

namespace {

constexpr float kDialogPosition = 50;
constexpr float kHoursCircleWidth = 1080;
constexpr int kPictureListHeight = 2040;
constexpr int kSlideListHeight = 1800;
constexpr std::string_view kPictureKinds = ", jpg, bmp";

} // namespace

Form2::Form2(TikoraClock& run)
    : tk::Window("Form2")
    , lblLOC(*this, "lblLOC")
    , Line1(*this, "Line1")
    , Frame(*this, "Frame")
    , optWT(*this, "optWT")
    , optSW(*this, "optSW")
    , optPIC(*this, "optPIC")
    , chkBG(*this, "chkBG")
    , picTMP(*this, "picTMP")
    , txtOUT(*this, "txtOUT")
    , txtCOLOR(*this, "txtCOLOR")
    , lblCOLOR(*this, "lblCOLOR")
    , cmdOK(*this, "cmdOK")
    , m_run(run)
    , m(run.module1())
{
    setCaption("Options");
    setClientSize(2655, 6870);
    createWidgets();
    connectHandlers();
}

void Form2::createWidgets()
{
    lblLOC.add(0).move(1150, 120, 615, 195);
    lblLOC[0].setCaption("Russian");
    lblLOC.add(1).move(1920, 120, 615, 195);
    lblLOC[1].setCaption("English");
    Line1.setEnds(1830, 120, 1800, 360);

    const char* frameCaptions[] = {"Time", "Circles", "Picture", "Font and colors"};
    const float frameTops[] = {360, 1440, 2520, 4200};
    const float frameHeights[] = {975, 975, 1560, 1455};
    for (int i = 0; i < 4; ++i) {
        tk::Frame& frame = Frame.add(i);
        frame.move(120, frameTops[i], 2415, frameHeights[i]);
        frame.setCaption(frameCaptions[i]);
        frame.setFont({"MS Sans Serif", 8.25f, true, 204});
    }
    optWT.add(0, &Frame[0]).move(120, 240, 1935, 375);
    optWT[0].setCaption("Current time");
    optWT.add(1, &Frame[0]).move(120, 510, 1935, 375);
    optWT[1].setCaption("Time from start");
    optSW.add(0, &Frame[1]).move(120, 240, 2055, 375);
    optSW[0].setCaption("Different size");
    optSW.add(1, &Frame[1]).move(120, 510, 2055, 375);
    optSW[1].setCaption("Equal size");
    createPictureFrame();
    createColourFrame();

    cmdOK.add(0).move(120, 5880, 1335, 375);
    cmdOK[0].setCaption("Save");
    cmdOK[0].setDefault(true);
    cmdOK.add(1).move(1560, 5880, 975, 375);
    cmdOK[1].setCaption("Cancel");
    cmdOK[1].setCancel(true);
}

void Form2::createPictureFrame()
{
    tk::Frame* frame = &Frame[2];
    optPIC.add(0, frame).move(120, 240, 1215, 350);
    optPIC[0].setCaption("Default");
    optPIC.add(1, frame).move(120, 510, 1215, 350);
    optPIC[1].setCaption("Choose");
    optPIC.add(2, frame).move(120, 800, 1575, 350);
    optPIC[2].setCaption("Slide show");
    chkBG.add(0, frame).move(1470, 280, 735, 255);
    chkBG[0].setCaption("Back");
    chkBG.add(1, frame).move(1470, 540, 855, 255);
    chkBG[1].setCaption("Clock2");
    picTMP.setContainer(frame);
    picTMP.move(2040, 840, 255, 255);
    picTMP.setVisible(false);
    txtOUT.setContainer(frame);
    txtOUT.move(120, 1150, 2175, 285);
}

void Form2::createColourFrame()
{
    tk::Frame* frame = &Frame[3];
    const char* captions[] = {"Seconds color", "Minutes color", "Hours color, Font",
                              "Circles's background"};
    const float swatchTops[] = {840, 600, 330, 1080};
    const float swatchHeights[] = {195, 195, 225, 195};
    const float labelTops[] = {840, 600, 360, 1080};
    const float labelWidths[] = {1575, 1575, 1575, 1695};
    // The hours row stands first in the frame, the circles' background last.
    for (int row : {2, 1, 0, 3}) {
        txtCOLOR.add(row, frame).move(120, swatchTops[row], 465, swatchHeights[row]);
        lblCOLOR.add(row, frame).move(720, labelTops[row], labelWidths[row], 255);
        lblCOLOR[row].setCaption(captions[row]);
    }
}

void Form2::connectHandlers()
{
    for (int i = 0; i < 2; ++i) {
        lblLOC[i].onClick = [this, i] { lblLOC_Click(i); };
        optWT[i].onClick = [this, i] { optWT_Click(i); };
        optSW[i].onClick = [this, i] { optSW_Click(i); };
        chkBG[i].onClick = [this, i] { chkBG_Click(i); };
        cmdOK[i].onClick = [this, i] { cmdOK_Click(i); };
    }
    for (int i = 0; i < 3; ++i)
        optPIC[i].onClick = [this, i] { optPIC_Click(i); };
    for (int i = 0; i < 4; ++i)
        lblCOLOR[i].onClick = [this, i] { lblCOLOR_Click(i); };
}

// The dialog stands at the top left of the screen and takes the mouse pointer onto itself.
void Form2::Form_Load()
{
    setLeft(kDialogPosition);
    setTop(kDialogPosition);
    const double twipsPerPixel = m_run.platform().twipsPerPixel();
    const auto pixels = [twipsPerPixel](float twips) {
        return static_cast<int>(std::nearbyint(twips) / twipsPerPixel);
    };
    m_run.platform().setCursorPos(pixels(left()) + 140, pixels(top()) + 50);
}

void Form2::Predustanovki()
{
    optWT[m.ViewTime == 0 ? 0 : 1].setValue(true);
    optSW[m.ShapeWidth == 0 ? 0 : 1].setValue(true);
}

void Form2::optWT_Click(int Index)
{
    m.ViewTime = static_cast<float>(Index);
}

void Form2::optSW_Click(int Index)
{
    m.ShapeWidth = static_cast<float>(Index);
    Form1& clock = m_run.form1();
    // While the dialog is hidden (at start-up) nothing is redrawn.
    if (visible()) {
        clock.RazmerKrugov();
        m.SavedRadiusUnit = std::to_string(m.RadiusUnit);
        clock.Do_Lines();
    }
    txtCOLOR[1].setText(tk::currencyText(clock.lblS[1].font().size));
    txtCOLOR[0].setText(tk::currencyText(clock.lblS[0].font().size));
}

void Form2::optPIC_Click(int Index)
{
    Form1& clock = m_run.form1();
    if (Index <= 0) {
        m.PicCenter = optPIC[Index].caption();
        txtOUT.setEnabled(false);
        clock.Pict[0].setPicture(picTMP.picture());
        clock.TimerSHOW.setEnabled(false);
        m.SlideShowTime = 0;
        return;
    }
    frmFILE& chooser = m_run.fileChooser();
    if (Index == 1) {
        clock.TimerSHOW.setEnabled(false);
        m.SlideShowTime = 0;
        chooser.File1.setHeight(kPictureListHeight);
        chooser.lblSovet.setCaption(m.strSovet + std::string(kPictureKinds));
    } else {
        chooser.File1.setHeight(kSlideListHeight);
        chooser.lblSovet.setCaption(m.strSovet);
    }
    openChooser();
}

// Opens the chooser in the folder of the stored picture, or in the program's own folder when
// that is gone, and waits for it.
void Form2::openChooser()
{
    tk::Platform& platform = m_run.platform();
    frmFILE& chooser = m_run.fileChooser();
    std::string folder;
    const std::string& stored = m.strSettings[2];
    if (!platform.dir(stored).empty()) {
        const auto separator = stored.find_last_of(tk::kPathSeparator);
        if (separator != std::string::npos)
            folder = stored.substr(0, separator + 1);
    }
    if (folder.empty())
        folder = platform.programFolder();
    chooser.Dir1.setPath(folder);
    // Volumes mounted since the last opening are there to pick.
    chooser.Drive1.refresh();
    platform.showModal(chooser);
    txtOUT.setEnabled(true);
}

// "Back" and "Clock2" exclude each other.
void Form2::chkBG_Click(int Index)
{
    Form1& clock = m_run.form1();
    if (Index == 1) {
        if (chkBG[1].value() != 1) {
            clock.setPicture(nullptr);
            return;
        }
        chkBG[0].setValue(0);
        optSW[1].setValue(true);
        m.strSettings[12] = "1";
        optSW[0].setEnabled(false);
        clock.DoClock2();
    } else if (Index == 0) {
        if (chkBG[0].value() != 1) {
            clock.setPicture(nullptr);
            return;
        }
        chkBG[1].setValue(0);
        clock.ShapeS[4].setWidth(kHoursCircleWidth);
        clock.ShapeS[4].setHeight(kHoursCircleWidth);
        m.strSettings[12] = "0";
        optSW[0].setEnabled(true);
        clock.DoBackGround();
        clock.RazmerKrugov();
    }
}

void Form2::lblLOC_Click(int Index)
{
    m.DoLocalisation(static_cast<float>(Index));
}

void Form2::cmdOK_Click(int Index)
{
    if (Index == 0)
        save();
    else
        m_run.platform().endProcess();
}

// Takes the picture setting from the path field and writes the file. A path that does not
// exist keeps the old picture setting, as the message says, and everything else is saved.
void Form2::save()
{
    tk::Platform& platform = m_run.platform();
    const std::string& path = txtOUT.text();
    if (path.empty()) {
        m.PicCenter = optPIC[0].caption();
    } else if (path.find_first_of("\r\n") != std::string::npos || platform.dir(path).empty()) {
        platform.messageBox(m.strPicNotFound, std::string(kAttention), tk::MessageIcon::Information,
                            tk::MessageButtons::Ok);
    } else if (!optPIC[0].value()) {
        m.PicCenter = path;
    }
    if (!m_run.settingsFile().save()) {
        platform.messageBox(m.strSaveFailed, std::string(kAttention), tk::MessageIcon::Warning,
                            tk::MessageButtons::Ok);
        return;
    }
    platform.endProcess();
}
