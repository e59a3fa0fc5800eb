#include "Form2.h"

#include "ClockFace.h"
#include "DialogRun.h"
#include "Module1.h"
#include "NumberText.h"
#include "PathText.h"
#include "Platform.h"
#include "SettingsValues.h"
#include "frmFILE.h"

namespace {

constexpr float kDialogPosition = 50;
constexpr float kHoursCircleWidth = 1080;
constexpr int kPictureListHeight = 2040;
constexpr int kSlideListHeight = 1800;
constexpr std::string_view kPictureKinds = ", jpg, bmp";
// Where the pointer is put on the dialog, in pixels from its top left corner.
constexpr int kPointerLeft = 140;
constexpr int kPointerTop = 50;
// The picture options.
constexpr int kDefaultPicture = 0;
constexpr int kChosenPicture = 1;
constexpr int kSlideShow = 2;

} // namespace

Form2::Form2(DialogRun& run)
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
        // The texts are Unicode, so the Russian captions need no character set of their own.
        frame.setFont({"MS Sans Serif", 8.25f, true});
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

    cmdOK.add(kSave).move(120, 5880, 1335, 375);
    cmdOK[kSave].setCaption("Save");
    cmdOK[kSave].setDefault(true);
    cmdOK.add(kCancel).move(1560, 5880, 975, 375);
    cmdOK[kCancel].setCaption("Cancel");
    cmdOK[kCancel].setCancel(true);
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
    chkBG.add(kBack, frame).move(1470, 280, 735, 255);
    chkBG[kBack].setCaption("Back");
    chkBG.add(kClock2, frame).move(1470, 540, 855, 255);
    chkBG[kClock2].setCaption("Clock2");
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
    const tk::Units units = m_run.platform().units();
    m_run.platform().setCursorPos(units.toWholePixels(left()) + kPointerLeft,
                                  units.toWholePixels(top()) + kPointerTop);
}

// Selects the stored time mode and circle style, which redraws the clock in that style.
void Form2::Predustanovki()
{
    const SettingsValues& settings = m_run.settings();
    optWT[settings.ViewTime == 0 ? 0 : 1].setValue(true);
    optSW[settings.ShapeWidth == 0 ? 0 : 1].setValue(true);
}

void Form2::optWT_Click(int Index)
{
    m_run.settings().ViewTime = static_cast<float>(Index);
}

void Form2::optSW_Click(int Index)
{
    m_run.settings().ShapeWidth = static_cast<float>(Index);
    ClockFace& clock = m_run.clockFace();
    // While the dialog is hidden (at start-up) nothing is redrawn.
    if (visible()) {
        clock.RazmerKrugov();
        clock.layout.SavedRadiusUnit = std::to_string(clock.layout.RadiusUnit);
        clock.Do_Lines();
    }
    txtCOLOR[1].setText(tk::currencyText(clock.lblS[1].font().size));
    txtCOLOR[0].setText(tk::currencyText(clock.lblS[0].font().size));
}

void Form2::optPIC_Click(int Index)
{
    ClockFace& clock = m_run.clockFace();
    SettingsValues& settings = m_run.settings();
    if (Index <= kDefaultPicture) {
        settings.PicCenter = optPIC[Index].caption();
        txtOUT.setEnabled(false);
        clock.Pict[0].setPicture(picTMP.picture());
        clock.TimerSHOW.setEnabled(false);
        settings.SlideShowTime = 0;
        return;
    }
    frmFILE& chooser = m_run.fileChooser();
    const std::string& hint = m_run.module1().strSovet;
    if (Index == kChosenPicture) {
        clock.TimerSHOW.setEnabled(false);
        settings.SlideShowTime = 0;
        chooser.File1.setHeight(kPictureListHeight);
        chooser.lblSovet.setCaption(hint + std::string(kPictureKinds));
    } else {
        chooser.File1.setHeight(kSlideListHeight);
        chooser.lblSovet.setCaption(hint);
    }
    openChooser();
}

bool Form2::slideShowChosen() const
{
    return optPIC[kSlideShow].value();
}

void Form2::unselectPictureOptions()
{
    for (int i = 0; i < 3; ++i)
        optPIC[i].setValue(false);
}

// Opens the chooser in the folder of the stored picture, or in the platform's picture folder
// when that is gone, and waits for it.
void Form2::openChooser()
{
    tk::Platform& platform = m_run.platform();
    frmFILE& chooser = m_run.fileChooser();
    std::string folder;
    const std::string& stored = m_run.settings().text(SettingsSlot::PicCenter);
    if (!platform.dir(stored).empty())
        folder = tk::path::folderOf(stored);
    if (folder.empty())
        folder = platform.defaultPictureFolder();
    chooser.Dir1.setPath(folder);
    // Volumes mounted since the last opening are there to pick.
    chooser.Drive1.refresh();
    platform.showModal(chooser);
    txtOUT.setEnabled(true);
}

// "Back" and "Clock2" exclude each other.
void Form2::chkBG_Click(int Index)
{
    ClockFace& clock = m_run.clockFace();
    std::string& clock2 = m_run.settings().text(SettingsSlot::Clock2);
    if (Index == kClock2) {
        if (chkBG[kClock2].value() != 1) {
            clock.setPicture(nullptr);
            return;
        }
        chkBG[kBack].setValue(0);
        optSW[1].setValue(true);
        clock2 = "1";
        optSW[0].setEnabled(false);
        clock.DoClock2();
    } else if (Index == kBack) {
        if (chkBG[kBack].value() != 1) {
            clock.setPicture(nullptr);
            return;
        }
        chkBG[kClock2].setValue(0);
        clock.ShapeS[4].setWidth(kHoursCircleWidth);
        clock.ShapeS[4].setHeight(kHoursCircleWidth);
        clock2 = "0";
        optSW[0].setEnabled(true);
        clock.DoBackGround();
        clock.RazmerKrugov();
    }
}

void Form2::lblLOC_Click(int Index)
{
    m_run.module1().DoLocalisation(static_cast<float>(Index));
}

void Form2::showLanguage(const LanguageTexts* texts, int chosen)
{
    for (int i = 0; i < 2; ++i)
        lblLOC[i].setForeColor(i == chosen ? tk::kBlue : tk::kBlack);
    if (!texts)
        return;
    for (int i = 0; i < 4; ++i) {
        Frame[i].setCaption(std::string(texts->frameCaptions[i]));
        lblCOLOR[i].setCaption(std::string(texts->lblCOLOR[i]));
    }
    for (int i = 0; i < 2; ++i) {
        optWT[i].setCaption(std::string(texts->optWT[i]));
        optSW[i].setCaption(std::string(texts->optSW[i]));
        cmdOK[i].setCaption(std::string(texts->cmdOK[i]));
    }
    for (int i = 0; i < 3; ++i)
        optPIC[i].setCaption(std::string(texts->optPIC[i]));
    chkBG[kBack].setCaption(std::string(texts->chkBG0));
    setCaption(std::string(texts->form2Caption));
}

void Form2::cmdOK_Click(int Index)
{
    if (Index == kSave)
        save();
    else
        m_run.platform().endProcess();
}

// Takes the picture setting from the path field and writes the file. A path that does not
// exist keeps the old picture setting, as the message says, and everything else is saved.
void Form2::save()
{
    tk::Platform& platform = m_run.platform();
    SettingsValues& settings = m_run.settings();
    const Module1& texts = m_run.module1();
    const std::string& path = txtOUT.text();
    if (path.empty()) {
        settings.PicCenter = optPIC[kDefaultPicture].caption();
    } else if (path.find_first_of("\r\n") != std::string::npos || platform.dir(path).empty()) {
        platform.messageBox(texts.strPicNotFound, std::string(kAttention),
                            tk::MessageIcon::Information, tk::MessageButtons::Ok);
    } else if (!optPIC[kDefaultPicture].value()) {
        settings.PicCenter = path;
    }
    if (const tk::WriteFailure why = m_run.saveSettings(); why != tk::WriteFailure::None) {
        platform.messageBox(texts.saveFailureText(m_run.settingsPath(), why),
                            std::string(kAttention), tk::MessageIcon::Warning,
                            tk::MessageButtons::Ok);
        return;
    }
    platform.endProcess();
}
