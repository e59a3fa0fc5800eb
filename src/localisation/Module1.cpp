#include "Module1.h"

#include "Form2.h"
#include "LanguageTables.h"
#include "TikoraClock.h"
#include "frmFILE.h"

#include <cmath>

namespace {

void putInPlace(const LanguageTexts& texts, Form2& dialog, frmFILE& chooser, Module1& module)
{
    for (int i = 0; i < 4; ++i) {
        dialog.Frame[i].setCaption(std::string(texts.frameCaptions[i]));
        dialog.lblCOLOR[i].setCaption(std::string(texts.lblCOLOR[i]));
    }
    for (int i = 0; i < 2; ++i) {
        dialog.optWT[i].setCaption(std::string(texts.optWT[i]));
        dialog.optSW[i].setCaption(std::string(texts.optSW[i]));
        dialog.cmdOK[i].setCaption(std::string(texts.cmdOK[i]));
    }
    for (int i = 0; i < 3; ++i)
        dialog.optPIC[i].setCaption(std::string(texts.optPIC[i]));
    dialog.chkBG[0].setCaption(std::string(texts.chkBG0));
    dialog.setCaption(std::string(texts.form2Caption));
    chooser.setCaption(std::string(texts.frmFILECaption));
    chooser.cmdNO.setCaption(std::string(texts.cmdNO));
    chooser.lblSlideTime.setCaption(std::string(texts.lblSlideTime));
    module.strPicNotFound = texts.strPicNotFound;
    module.strSovet = texts.strSovet;
    module.strSlidePeriod = texts.strSlidePeriod;
    module.strNoFile = texts.strNoFile;
    module.strSaveFailed = texts.strSaveFailed;
    module.strCannotShow = texts.strCannotShow;
}

} // namespace

void Module1::DoLocalisation(float lang)
{
    Form2& dialog = m_run.form2();
    dialog.lblLOC[0].setForeColor(tk::kBlack);
    dialog.lblLOC[1].setForeColor(tk::kBlack);
    const int k = static_cast<int>(std::nearbyint(lang));
    if (k == 0 || k == 1) {
        dialog.lblLOC[k].setForeColor(tk::kBlue);
        Localisation = static_cast<float>(k);
    }
    if (lang == 0)
        putInPlace(kRussian, dialog, m_run.fileChooser(), *this);
    else if (lang == 1)
        putInPlace(kEnglish, dialog, m_run.fileChooser(), *this);
}
