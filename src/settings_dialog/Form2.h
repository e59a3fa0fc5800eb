#pragma once

#include "CheckBox.h"
#include "CommandButton.h"
#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "Line.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "TextBox.h"
#include "Window.h"

class TikoraClock;
class Module1;
class Form1;

// The settings dialog. It keeps no copy of the settings: every choice goes straight into the
// program-wide values and the clock window, which shows it at once.
class Form2 : public tk::Window {
public:
    explicit Form2(TikoraClock& run);

    tk::ControlArray<tk::Label> lblLOC;
    tk::Line Line1;
    tk::ControlArray<tk::Frame> Frame;
    tk::ControlArray<tk::OptionButton> optWT;
    tk::ControlArray<tk::OptionButton> optSW;
    tk::ControlArray<tk::OptionButton> optPIC;
    tk::ControlArray<tk::CheckBox> chkBG;
    tk::PictureBox picTMP;
    tk::TextBox txtOUT;
    tk::ControlArray<tk::TextBox> txtCOLOR;
    tk::ControlArray<tk::Label> lblCOLOR;
    tk::ControlArray<tk::CommandButton> cmdOK;

    void Form_Load() override;
    void Predustanovki();
    void optWT_Click(int Index);
    void optSW_Click(int Index);
    void optPIC_Click(int Index);
    void chkBG_Click(int Index);
    void lblLOC_Click(int Index);
    void lblCOLOR_Click(int Index);
    void cmdOK_Click(int Index);

private:
    void createWidgets();
    void createPictureFrame();
    void createColourFrame();
    void connectHandlers();
    void openChooser();
    void save();
    void refreshSwatchTexts();
    void chooseHoursFont();

    TikoraClock& m_run;
    Module1& m;
};
