#pragma once

#include "CommandButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Label.h"
#include "LanguageTables.h"
#include "PictureBox.h"
#include "TextBox.h"
#include "Window.h"

#include <string>

class ChooserRun;

// The picture chooser: drive, folder and file lists with a preview, and the slide period. It
// delivers one picture file to the settings dialog, or a slide-show folder and period to the
// clock, and only hides itself, so that it shows the same place when it opens again.
class frmFILE : public tk::Window {
public:
    explicit frmFILE(ChooserRun& run);

    // The drives, the folders of the current drive, and the pictures (GIF, JPEG, BMP) of the
    // current folder.
    tk::DriveListBox Drive1;
    tk::DirListBox Dir1;
    // The path of the selected folder or file, or why a drive cannot be opened.
    tk::TextBox txtFP;
    tk::FileListBox File1;
    // The slide period typed in seconds.
    tk::TextBox txtST;
    // Cancel, and OK.
    tk::CommandButton cmdNO;
    tk::CommandButton cmdOK;
    // The preview of the selected file, as the centre would show it.
    tk::PictureBox picPREW;
    // The hint: the picture's size, back and kind the centre wants.
    tk::Label lblSovet;
    // The caption of the slide period.
    tk::Label lblSlideTime;

    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void cmdOK_Click();
    void cmdNO_Click();
    // Puts one language's captions in place.
    void showTexts(const LanguageTexts& texts);

private:
    void placeWidgets();
    // The selected file's full path: the folder, a separator and the name, joined as they
    // stand, so that at a root the separator appears twice.
    std::string selectedPath() const;
    void acceptSlideShow();
    void acceptPicture();
    // The picture of the selected file: the preview's when it has come, else as the file
    // system gives it in a moment.
    tk::PictureRef selectedPicture(const std::string& path);

    ChooserRun& m_run;
    // The file the preview shows, and the one whose preview is on its way.
    std::string m_previewPath;
    std::string m_previewAsked;
};
