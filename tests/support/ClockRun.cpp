#include "ClockRun.h"

#include "Form1.h"
#include "Form2.h"
#include "ProcessEnded.h"
#include "frmFILE.h"

namespace fake {

ClockRun::ClockRun() = default;

bool ClockRun::start()
{
    return runs([this] { run.start(); });
}

void ClockRun::tick()
{
    clock().Timer4.fire();
}

void ClockRun::pressSetupKey()
{
    clock().Form_KeyPress('1');
}

Form1& ClockRun::clock()
{
    return run.form1();
}

Form2& ClockRun::dialog()
{
    return run.form2();
}

frmFILE& ClockRun::chooser()
{
    return run.fileChooser();
}

Module1& ClockRun::module()
{
    return run.module1();
}

std::string ClockRun::settingsText() const
{
    return platform.fileText("Tikora_Clock.ini").value_or("<missing>");
}

} // namespace fake
