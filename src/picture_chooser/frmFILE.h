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

    tk::DriveListBox Drive1;
    tk::DirListBox Dir1;
    tk::TextBox txtFP;
    tk::FileListBox File1;
    tk::TextBox txtST;
    tk::CommandButton cmdNO;
    tk::CommandButton cmdOK;
    tk::PictureBox picPREW;
    tk::Label lblSovet;
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

    ChooserRun& m_run;
};
