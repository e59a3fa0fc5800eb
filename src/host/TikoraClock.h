#pragma once

#include "DialogRun.h"
#include "LocalisedWindows.h"
#include "Module1.h"
#include "SettingsFile.h"
#include "SettingsValues.h"

#include <memory>

class Form1;
class Form2;
class frmFILE;

// One run of the screen saver. It owns the program-wide values and the three windows, each
// made on first use, hidden, with its load step run then; the windows meet through it.
class TikoraClock : public DialogRun, public LocalisedWindows {
public:
    explicit TikoraClock(tk::Platform& platform);
    ~TikoraClock() override;
    TikoraClock(const TikoraClock&) = delete;
    TikoraClock& operator=(const TikoraClock&) = delete;

    // Loads the clock window and shows it; the clock then runs on its timers.
    void start();

    Form1& form1();
    Form2& form2();
    frmFILE& fileChooser() override;

    tk::Platform& platform() override { return m_platform; }
    SettingsValues& settings() override { return m_settings; }
    Module1& module1() override { return m_module1; }
    ClockFace& clockFace() override;
    ChooserCaller& chooserCaller() override;
    tk::WriteFailure saveSettings() override;
    std::string settingsPath() const override { return m_settingsFile.path(); }
    void showLanguage(const LanguageTexts* texts, int chosen) override;

    // Fills the settings from the file, or writes the default file when there is none.
    void readSettings();

private:
    template <class W> W& use(std::unique_ptr<W>& slot);
    void writeDefaultSettings();
    // Where the face's seven lines (its colours, figure size and face, and "Clock2") come
    // from: the stored texts, before a face is built, or the face as it is shown.
    enum class FaceLines { Stored, Shown };
    // The 13 lines of the settings file as the run holds them now.
    SettingsFile::Lines settingsLines(FaceLines face);

    tk::Platform& m_platform;
    SettingsValues m_settings;
    Module1 m_module1{*this};
    SettingsFile m_settingsFile{m_platform};
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<frmFILE> m_frmFILE;
};
