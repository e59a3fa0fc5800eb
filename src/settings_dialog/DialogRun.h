#pragma once

#include "ChooserRun.h"

class frmFILE;

// The run as the settings dialog sees it: what the chooser sees, the chooser itself, and the
// settings file's Save.
class DialogRun : public ChooserRun {
public:
    virtual frmFILE& fileChooser() = 0;
    // Writes the settings file from the live values; false when it could not be written.
    virtual bool saveSettings() = 0;
};
