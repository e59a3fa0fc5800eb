#include "TikoraClock.h"

#include "Form1.h"
#include "Form2.h"
#include "NumberText.h"
#include "Platform.h"
#include "frmFILE.h"

TikoraClock::TikoraClock(tk::Platform& platform)
    : m_platform(platform)
{
}

// The dialogs refer to the clock window, so they go first.
TikoraClock::~TikoraClock()
{
    m_frmFILE.reset();
    m_form2.reset();
    m_form1.reset();
}

void TikoraClock::start()
{
    form1().show();
}

template <class W> W& TikoraClock::use(std::unique_ptr<W>& slot)
{
    if (!slot) {
        // The slot is filled before the load step runs, so that the load step and whatever
        // it calls find the window already there.
        slot = std::make_unique<W>(*this);
        m_platform.windowCreated(*slot);
        slot->Form_Load();
    }
    return *slot;
}

Form1& TikoraClock::form1()
{
    return use(m_form1);
}

Form2& TikoraClock::form2()
{
    return use(m_form2);
}

frmFILE& TikoraClock::fileChooser()
{
    return use(m_frmFILE);
}

ClockFace& TikoraClock::clockFace()
{
    return form1();
}

ChooserCaller& TikoraClock::chooserCaller()
{
    return form2();
}

void TikoraClock::showLanguage(const LanguageTexts* texts, int chosen)
{
    form2().showLanguage(texts, chosen);
    if (texts)
        fileChooser().showTexts(*texts);
}

// A file that is there but cannot be read is the user's: the run keeps the defaults and leaves
// the file alone rather than overwrite it.
void TikoraClock::readSettings()
{
    if (!m_settingsFile.read(m_settings) && m_settingsFile.missing()) {
        writeDefaultSettings();
        return;
    }
    m_module1.DoLocalisation(SettingsFile::language(m_settings.strSettings[4]));
}

// A first start writes the defaults, in English; a folder that cannot be written leaves the
// clock on its defaults, silently.
void TikoraClock::writeDefaultSettings()
{
    m_module1.DoLocalisation(1);
    m_settings.PicCenter = form2().optPIC[0].caption();
    SettingsFile::Lines values;
    values[0] = tk::singleText(m_settings.ViewTime);
    values[1] = tk::singleText(m_settings.ShapeWidth);
    values[2] = m_settings.PicCenter;
    values[3] = "0";
    values[4] = tk::singleText(m_module1.Localisation);
    values[5] = std::to_string(form2().chkBG[Form2::kBack].value());
    for (int i = 6; i < SettingsFile::kLineCount; ++i)
        values[i] = m_settings.strSettings[i];
    m_settingsFile.write(values);
}

bool TikoraClock::saveSettings()
{
    const Form1& clock = form1();
    const Form2& dialog = form2();
    SettingsFile::Lines values;
    values[0] = tk::singleText(m_settings.ViewTime);
    values[1] = tk::singleText(m_settings.ShapeWidth);
    values[2] = m_settings.PicCenter;
    values[3] = tk::singleText(m_settings.SlideShowTime);
    values[4] = tk::singleText(m_module1.Localisation);
    values[5] = std::to_string(dialog.chkBG[Form2::kBack].value());
    values[6] = std::to_string(clock.lblS[2].foreColor());
    values[7] = std::to_string(clock.lblS[1].foreColor());
    values[8] = std::to_string(clock.lblS[0].foreColor());
    values[9] = std::to_string(clock.ShapeS[2].backColor());
    values[10] = tk::singleText(clock.lblS[2].font().size);
    values[11] = clock.lblS[2].font().name;
    values[12] = std::to_string(dialog.chkBG[Form2::kClock2].value());
    return m_settingsFile.write(values);
}
