#pragma once

#include "CommandButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Label.h"
#include "PictureBox.h"
#include "TextBox.h"
#include "Window.h"

class TikoraClock;

// The picture chooser: drive, folder and file lists with a preview, and the slide period.
class frmFILE : public tk::Window {
public:
    explicit frmFILE(TikoraClock& run);

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
    void cmdNO_Click();

private:
    TikoraClock& m_run;
};
