#include "frmFILE.h"

#include "ChooserRun.h"
#include "ClockFace.h"
#include "Module1.h"
#include "PathText.h"
#include "Platform.h"
#include "SettingsValues.h"
#include "SlidePeriod.h"

namespace {

// The slide-period field stands over the blank run of its caption, between its words. Six
// pixels left of its designed place and a pixel narrower, it covers no letter of the Russian
// caption, whose blank run is shorter than the English one.
constexpr float kSlidePeriodLeft = 3270;
constexpr float kSlidePeriodWidth = 360;

} // namespace

frmFILE::frmFILE(ChooserRun& run)
    : tk::Window("frmFILE")
    , Drive1(*this, run.platform(), "Drive1")
    , Dir1(*this, run.platform(), "Dir1")
    , txtFP(*this, "txtFP")
    , File1(*this, run.platform(), "File1")
    , txtST(*this, "txtST")
    , cmdNO(*this, "cmdNO")
    , cmdOK(*this, "cmdOK")
    , picPREW(*this, "picPREW")
    , lblSovet(*this, "lblSovet")
    , lblSlideTime(*this, "lblSlideTime")
    , m_run(run)
{
    setCaption("File manager");
    setClientSize(5100, 2640);
    placeWidgets();
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    File1.onClick = [this] { File1_Click(); };
    File1.onDblClick = [this] { File1_DblClick(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdNO.onClick = [this] { cmdNO_Click(); };
}

// The controls were made in their keyboard order; the labels lie beneath the others.
void frmFILE::placeWidgets()
{
    Drive1.move(0, 120, 2055, 315);
    Dir1.move(0, 495, 2055, 1665);
    txtFP.move(0, 2220, 3735, 360);
    File1.move(2100, 120, 2055, 1650);
    File1.setPattern("*.gif;*.jpg;*.bmp");
    txtST.move(kSlidePeriodLeft, 1800, kSlidePeriodWidth, 350);
    txtST.setText("5");
    cmdNO.move(4200, 1785, 855, 375);
    cmdNO.setCaption("Cancel");
    cmdNO.setCancel(true);
    cmdOK.move(3840, 2220, 1215, 375);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    picPREW.move(4200, 120, 800, 800);
    picPREW.setBackColor(tk::kBlack);
    lblSovet.move(4200, 960, 855, 735);
    // The texts are Unicode, so the Russian hint needs no character set of its own.
    lblSovet.setFont({"Arial Narrow", 8.25f, false});
    lblSovet.setCaption("49 x 49 px    black back  gif");
    lblSlideTime.move(2140, 1890, 1935, 255);
    lblSlideTime.setCaption("      Slide period             sec");
}

// The chooser stands directly to the right of the settings dialog.
void frmFILE::Form_Load()
{
    const tk::Window& dialog = m_run.chooserCaller().callerWindow();
    setTop(dialog.top());
    setLeft(dialog.left() + dialog.width());
}

void frmFILE::showTexts(const LanguageTexts& texts)
{
    setCaption(std::string(texts.frmFILECaption));
    cmdNO.setCaption(std::string(texts.cmdNO));
    lblSlideTime.setCaption(std::string(texts.lblSlideTime));
}

// A drive that cannot be opened shows why in the path field; the lists stay where they were.
void frmFILE::Drive1_Change()
{
    const tk::DriveFolder opened = m_run.platform().openDrive(Drive1.drive());
    if (opened.failure != tk::DriveFailure::None) {
        txtFP.setText(m_run.module1().driveFailureText(Drive1.drive(), opened.failure));
        return;
    }
    Dir1.setPath(opened.folder);
    txtFP.setText(Dir1.path());
}

void frmFILE::Dir1_Change()
{
    Drive1.follow(Dir1.path());
    File1.setPath(Dir1.path());
    txtFP.setText(File1.path());
}

std::string frmFILE::selectedPath() const
{
    return tk::path::join(File1.path(), File1.fileName());
}

// A file that is no picture leaves the preview as it was. The preview shows what the centre
// will show, fitted by the centre's rule, once the file system gives it: the chooser answers
// meanwhile, and a preview that comes after another file has been clicked is not shown.
void frmFILE::File1_Click()
{
    if (File1.fileName().empty())
        return;
    const std::string path = selectedPath();
    txtFP.setText(path);
    m_previewAsked = path;
    tk::Platform& platform = m_run.platform();
    const tk::Bounds box = m_run.clockFace().Pict[0].bounds();
    auto picture = std::make_shared<tk::PictureRef>();
    platform.whenDone(
        [&platform, picture, path, box] { *picture = platform.loadPictureFor(path, box); },
        [this, picture, path] {
            if (!*picture || m_previewAsked != path)
                return;
            picPREW.setPicture(*picture);
            m_previewPath = path;
        });
}

tk::PictureRef frmFILE::selectedPicture(const std::string& path)
{
    if (m_previewPath == path && picPREW.picture())
        return picPREW.picture();
    return m_run.platform().loadPictureFor(path, m_run.clockFace().Pict[0].bounds());
}

void frmFILE::File1_DblClick()
{
    if (File1.fileName().empty())
        return;
    txtFP.setText(selectedPath());
    cmdOK_Click();
}

void frmFILE::cmdOK_Click()
{
    if (!Dir1.path().empty() && m_run.chooserCaller().slideShowChosen())
        acceptSlideShow();
    else
        acceptPicture();
}

void frmFILE::acceptSlideShow()
{
    const Module1& texts = m_run.module1();
    // A folder whose name holds a line break cannot be stored in the settings file, whose
    // values are one a line; it is refused as such a picture path is, and nothing changes.
    if (File1.path().find_first_of("\r\n") != std::string::npos) {
        m_run.platform().messageBox(texts.strPicNotFound, std::string(kAttention),
                                    tk::MessageIcon::Information, tk::MessageButtons::Ok);
        return;
    }
    const std::optional<float> period = parseSlidePeriod(txtST.text());
    if (!period) {
        m_run.platform().messageBox(texts.strSlidePeriod, std::string(kAttention),
                                    tk::MessageIcon::None, tk::MessageButtons::OkCancel);
        return;
    }
    SettingsValues& settings = m_run.settings();
    settings.SlideShowTime = *period;
    tk::TextBox& pathField = m_run.chooserCaller().pathField();
    // A slide show is stored as its folder with a separator at the end.
    pathField.setText(tk::path::join(File1.path(), ""));
    settings.PicCenter = pathField.text();
    m_run.clockFace().StartSlideShow();
    hide();
}

void frmFILE::acceptPicture()
{
    tk::Platform& platform = m_run.platform();
    if (File1.fileName().empty()) {
        const tk::MessageAnswer answer =
            platform.messageBox(m_run.module1().strNoFile, std::string(kAttention),
                                tk::MessageIcon::None, tk::MessageButtons::OkCancel);
        if (answer == tk::MessageAnswer::Cancel)
            hide();
        return;
    }
    // A file that cannot be shown would be stored only to show the built-in picture at the
    // next start; the user is told, and the chooser stays open with nothing changed.
    const std::string path = selectedPath();
    tk::PictureBox& centre = m_run.clockFace().Pict[0];
    tk::PictureRef picture = selectedPicture(path);
    if (!picture) {
        platform.messageBox(m_run.module1().strCannotShow, std::string(kAttention),
                            tk::MessageIcon::None, tk::MessageButtons::Ok);
        return;
    }
    m_run.chooserCaller().pathField().setText(path);
    hide();
    centre.setPicture(std::move(picture));
}

// Cancel hides the chooser and leaves no picture option selected; unselecting runs no handler.
void frmFILE::cmdNO_Click()
{
    hide();
    m_run.chooserCaller().unselectPictureOptions();
}
