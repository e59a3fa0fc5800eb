#pragma once

#include "ChooserRun.h"
#include "Platform.h"

#include <string>

class frmFILE;

// The run as the settings dialog sees it: what the chooser sees, the chooser itself, and the
// settings file's Save.
class DialogRun : public ChooserRun {
public:
    virtual frmFILE& fileChooser() = 0;
    // Writes the settings file from the live values, or says why it could not be written.
    virtual tk::WriteFailure saveSettings() = 0;
    // Where the settings file is, as a failed save names it.
    virtual std::string settingsPath() const = 0;
};
