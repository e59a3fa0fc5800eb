#pragma once

#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "TikoraClock.h"
#include "WorkedExamples.h"
#include "frmFILE.h"

#include <map>
#include <string>

namespace fake {

// Two colours that no default uses, for the pickers to answer with.
inline constexpr tk::Colour kGreen = 65280;
inline constexpr tk::Colour kTeal = tk::rgb(0, 128, 128);
// What ClockRun::look() gives for the default colours.
inline const std::string kDefaultLook = "SMH SMH SSMH 0000 SMH0";
inline const std::string kSep(1, tk::kPathSeparator);

// One run of the clock on a fake platform: set the script on `platform`, then start().
class ClockRun {
public:
    // Starts the run; false when the program ended during start-up.
    bool start()
    {
        return runs([this] { run.start(); });
    }
    // Starts with the given settings file in the program folder.
    bool startWith(const std::string& settings)
    {
        platform.putFile("Tikora_Clock.ini", settings);
        return start();
    }
    // Starts with the given settings file and shows the dialog as the key "1" does.
    bool openDialog(const std::string& settings = worked::kDefaultSettings)
    {
        const bool started = startWith(settings);
        clock().Form_KeyPress('1');
        return started;
    }
    // Runs a handler; false when it ended the program.
    template <class F> bool runs(F&& handler)
    {
        try {
            handler();
            return true;
        } catch (const FakePlatform::Ended&) {
            return false;
        }
    }
    // One tick of the clock timer at the platform's current time.
    void tick() { clock().Timer4.fire(); }
    // The dialog's Save; false when it ended the program, as a successful save does.
    bool save()
    {
        return runs([this] { dialog().cmdOK_Click(0); });
    }

    Form1& clock() { return run.form1(); }
    Form2& dialog() { return run.form2(); }
    frmFILE& chooser() { return run.fileChooser(); }
    Module1& module() { return run.module1(); }
    SettingsValues& settings() { return run.settings(); }
    // Where the centre picture came from, as FakePlatform::sourceOf() tells it.
    std::string centre() { return FakePlatform::sourceOf(clock().Pict[0].picture()); }
    std::string settingsText()
    {
        return platform.readFile(platform.pathOf("Tikora_Clock.ini")).value_or("<missing>");
    }

    // Every colour that the colour rows reach, a letter each (S, M, H: the default seconds,
    // minutes and hours colours; G green, T teal, W white, 0 black): the lines, the labels, the
    // borders of ShapeS(1) to ShapeS(4), their fills, and the dialog's four swatches.
    std::string look()
    {
        const std::map<tk::Colour, char> letters = {
            {12632319, 'S'}, {8421631, 'M'},    {255, 'H'}, {kGreen, 'G'},
            {kTeal, 'T'},    {tk::kWhite, 'W'}, {0, '0'}};
        std::string text;
        const auto add = [&](int from, int to, auto colourOf) {
            text += text.empty() ? "" : " ";
            for (int k = from; k < to; ++k)
                text += letters.count(colourOf(k)) ? letters.at(colourOf(k)) : '?';
        };
        Form1& c = clock();
        add(0, 3, [&](int k) { return c.LineS[k].borderColor(); });
        add(0, 3, [&](int k) { return c.lblS[k].foreColor(); });
        add(1, 5, [&](int k) { return c.ShapeS[k].borderColor(); });
        add(1, 5, [&](int k) { return c.ShapeS[k].backColor(); });
        add(0, 4, [&](int k) { return dialog().txtCOLOR[k].backColor(); });
        return text;
    }
    FakePlatform platform;
    TikoraClock run{platform};
};

} // namespace fake
