#include "frmFILE.h"

#include "Form2.h"
#include "TikoraClock.h"

frmFILE::frmFILE(TikoraClock& run)
    : tk::Window("frmFILE")
    , Drive1(*this, "Drive1")
    , Dir1(*this, "Dir1")
    , txtFP(*this, "txtFP")
    , File1(*this, "File1")
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
    // The controls were made in their keyboard order; the labels lie beneath the others.
    Drive1.move(0, 120, 2055, 315);
    Dir1.move(0, 495, 2055, 1665);
    txtFP.move(0, 2220, 3735, 360);
    File1.move(2100, 120, 2055, 1650);
    File1.setPattern("*.gif;*.jpg;*.bmp");
    txtST.move(3360, 1800, 375, 350);
    txtST.setText("5");
    cmdNO.move(4200, 1785, 855, 375);
    cmdNO.setCaption("Cancel");
    cmdNO.setCancel(true);
    cmdNO.onClick = [this] { cmdNO_Click(); };
    cmdOK.move(3840, 2220, 1215, 375);
    cmdOK.setCaption("OK");
    cmdOK.setDefault(true);
    picPREW.move(4200, 120, 800, 800);
    picPREW.setBackColor(tk::kBlack);
    lblSovet.move(4200, 960, 855, 735);
    lblSovet.setFont({"Arial Narrow", 8.25f, false, 204});
    lblSovet.setCaption("49 x 49 px    black back  gif");
    lblSlideTime.move(2140, 1890, 1935, 255);
    lblSlideTime.setCaption("      Slide period             sec");
}

// The chooser stands directly to the right of the settings dialog.
void frmFILE::Form_Load()
{
    const Form2& dialog = m_run.form2();
    setTop(dialog.top());
    setLeft(dialog.left() + dialog.width());
}

// Cancel hides the chooser and leaves no picture option selected; unselecting runs no handler.
void frmFILE::cmdNO_Click()
{
    hide();
    Form2& dialog = m_run.form2();
    for (int i = 0; i < 3; ++i)
        dialog.optPIC[i].setValue(false);
}
