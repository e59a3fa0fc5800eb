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
    m_module1.DoLocalisation(SettingsFile::language(m_settings.text(SettingsSlot::Localisation)));
}

// A first start writes the defaults, in English; a folder that cannot be written leaves the
// clock on its defaults, silently.
void TikoraClock::writeDefaultSettings()
{
    m_module1.DoLocalisation(1);
    m_settings.PicCenter = form2().optPIC[0].caption();
    m_settingsFile.write(settingsLines(FaceLines::Stored));
}

SettingsFile::Lines TikoraClock::settingsLines(FaceLines face)
{
    using enum SettingsSlot;
    SettingsFile::Lines values;
    values[ViewTime] = tk::singleText(m_settings.ViewTime);
    values[ShapeWidth] = tk::singleText(m_settings.ShapeWidth);
    values[PicCenter] = m_settings.PicCenter;
    values[SlideShowTime] = tk::singleText(m_settings.SlideShowTime);
    values[Localisation] = tk::singleText(m_module1.Localisation);
    values[Back] = std::to_string(form2().chkBG[Form2::kBack].value());
    if (face == FaceLines::Stored) {
        for (const SettingsSlot slot : {HColor, MColor, SColor, CColor, HSize, FName, Clock2})
            values[slot] = m_settings.text(slot);
        return values;
    }
    const Form1& clock = form1();
    values[HColor] = std::to_string(clock.lblS[2].foreColor());
    values[MColor] = std::to_string(clock.lblS[1].foreColor());
    values[SColor] = std::to_string(clock.lblS[0].foreColor());
    values[CColor] = std::to_string(clock.ShapeS[2].backColor());
    values[HSize] = tk::singleText(clock.lblS[2].font().size);
    values[FName] = clock.lblS[2].font().name;
    values[Clock2] = std::to_string(form2().chkBG[Form2::kClock2].value());
    return values;
}

tk::WriteFailure TikoraClock::saveSettings()
{
    return m_settingsFile.write(settingsLines(FaceLines::Shown));
}
