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

    // The language labels: 0 Russian, 1 English.
    tk::ControlArray<tk::Label> lblLOC;
    // The stroke between the two language labels.
    tk::Line Line1;
    // The frames: 0 the time, 1 the circles, 2 the picture, 3 the font and colours.
    tk::ControlArray<tk::Frame> Frame;
    // The time shown: 0 the time of day, 1 the time from start.
    tk::ControlArray<tk::OptionButton> optWT;
    // The circle style: 0 different sizes, 1 equal size.
    tk::ControlArray<tk::OptionButton> optSW;
    // The centre picture: 0 the built-in one, 1 a chosen file, 2 a slide show.
    tk::ControlArray<tk::OptionButton> optPIC;
    // "Back" (kBack), the background picture, and "Clock2" (kClock2), the second clock style.
    tk::ControlArray<tk::CheckBox> chkBG;
    // A hidden box that holds the chosen centre picture until it is saved or cancelled.
    tk::PictureBox picTMP;
    // The chosen picture's path, or the slide show's folder.
    tk::TextBox txtOUT;
    // The colour swatches, each showing its row's colour: 0 seconds, 1 minutes, 2 hours (with
    // the figures' size as its text), 3 the circles' fill.
    tk::ControlArray<tk::TextBox> txtCOLOR;
    // The captions of the colour rows, in the same order; a click opens the picker.
    tk::ControlArray<tk::Label> lblCOLOR;
    // The buttons: kSave and kCancel.
    tk::ControlArray<tk::CommandButton> cmdOK;

    void Form_Load() override;
    // The presets: selects the stored time mode and circle style.
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
