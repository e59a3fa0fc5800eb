#pragma once

#include "CheckBox.h"
#include "ChooserRun.h"
#include "CommandButton.h"
#include "ControlArray.h"
#include "Frame.h"
#include "Label.h"
#include "LanguageTables.h"
#include "Line.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "TextBox.h"
#include "Window.h"

class DialogRun;

// The settings dialog. It keeps no copy of the settings: every choice goes straight into the
// program-wide values and the clock window, which shows it at once.
class Form2 : public tk::Window, public ChooserCaller {
public:
    // The indexes of the dialog's two buttons.
    static constexpr int kSave = 0;
    static constexpr int kCancel = 1;
    // The indexes of its two check boxes.
    static constexpr int kBack = 0;
    static constexpr int kClock2 = 1;

    explicit Form2(DialogRun& run);

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
    // Puts one language's captions in place and marks the chosen language's label, or none
    // for -1; without texts the captions stay as they are.
    void showLanguage(const LanguageTexts* texts, int chosen);

    const tk::Window& callerWindow() const override { return *this; }
    bool slideShowChosen() const override;
    tk::TextBox& pathField() override { return txtOUT; }
    void unselectPictureOptions() override;

private:
    void createWidgets();
    void createPictureFrame();
    void createColourFrame();
    void connectHandlers();
    void openChooser();
    void save();
    void refreshSwatchTexts();
    void chooseHoursFont();

    DialogRun& m_run;
};
