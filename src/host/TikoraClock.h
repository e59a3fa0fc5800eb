#pragma once

#include "Module1.h"
#include "SettingsFile.h"

#include <memory>

namespace tk {
class Platform;
class Window;
} // namespace tk

class Form1;
class Form2;
class frmFILE;

// One run of the screen saver. It owns the program-wide values and the three windows, each
// made on first use, hidden, with its load step run then.
class TikoraClock {
public:
    explicit TikoraClock(tk::Platform& platform);
    ~TikoraClock();
    TikoraClock(const TikoraClock&) = delete;
    TikoraClock& operator=(const TikoraClock&) = delete;

    // Loads the clock window and shows it; the clock then runs on its timers.
    void start();

    tk::Platform& platform() const { return m_platform; }
    Module1& module1() { return m_module1; }
    SettingsFile& settingsFile() { return m_settingsFile; }

    Form1& form1();
    Form2& form2();
    frmFILE& fileChooser();

private:
    template <class W> W& use(std::unique_ptr<W>& slot);

    tk::Platform& m_platform;
    Module1 m_module1;
    SettingsFile m_settingsFile;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<frmFILE> m_frmFILE;
};
