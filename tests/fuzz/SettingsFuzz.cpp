#include "ClockRun.h"
#include "NumberText.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

// Start-up reads any bytes as its settings file, and the run then shows, opens its dialog and
// saves. Whatever the bytes, the clock must stand on values the dialog could have written,
// and the file it saves must read back as the same clock.
//
// Bytes after a NUL name a picture, or with an odd first byte a slide-show folder, that the
// user picks in the chooser before saving: any name a file system allows must be stored
// whole or refused, never split over lines.

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// The values a saved file carries over to the next run.
std::string carriedOver(fake::ClockRun& r)
{
    const Form1& c = r.clock();
    std::string text = tk::singleText(r.settings().ViewTime) + " " +
                       tk::singleText(r.settings().ShapeWidth) + " " +
                       tk::singleText(r.module().Localisation) + " " + r.settings().PicCenter;
    for (int k = 0; k < 3; ++k)
        text += " " + std::to_string(c.lblS[k].foreColor());
    text += " " + std::to_string(c.ShapeS[2].backColor()) + " " +
            tk::singleText(c.lblS[2].font().size) + " " + c.lblS[2].font().name;
    return text + " " + std::to_string(r.dialog().chkBG[0].value()) +
           std::to_string(r.dialog().chkBG[1].value());
}

void checkTheFace(fake::ClockRun& r)
{
    const SettingsValues& m = r.settings();
    require(m.ViewTime == 0 || m.ViewTime == 1);
    require(m.ShapeWidth == 0 || m.ShapeWidth == 1);
    for (int k = 0; k < 3; ++k) {
        const tk::Label& label = r.clock().lblS[k];
        require(label.foreColor() >= 0 && label.foreColor() <= 0xFFFFFF);
        require(label.font().size >= tk::kSmallestFontSize / 2 &&
                label.font().size <= tk::kLargestFontSize);
        const tk::Bounds circle = r.clock().ShapeS[k + 2].bounds();
        require(label.left() >= circle.left && label.left() <= circle.left + circle.width);
        require(label.top() >= circle.top && label.top() <= circle.top + circle.height);
    }
}

// Picks the named picture or slide-show folder in the chooser, made first in the program's
// folder, with a picture inside the folder.
void pick(fake::ClockRun& r, const std::string& choice)
{
    const bool folder = (static_cast<unsigned char>(choice.front()) & 1) != 0;
    // A name the file system takes: no separator, not "." or "..", not too long.
    std::string name = "x" + choice.substr(1, 200);
    std::replace(name.begin(), name.end(), '/', '_');
    if (folder && !std::filesystem::create_directory(r.platform.pathOf(name)))
        return;
    r.platform.putFile(folder ? name + "/a.gif" : name, "picture");
    r.platform.whileModal = [&] {
        r.chooser().Dir1.setPath(folder ? r.platform.pathOf(name) : r.platform.programFolder());
        if (!folder)
            r.chooser().File1.select(name);
        r.chooser().cmdOK.click();
    };
    r.runs([&] { r.dialog().optPIC[folder ? 2 : 1].click(); });
    if (r.chooser().visible())
        r.runs([&] { r.chooser().cmdNO.click(); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string file = input.substr(0, nul);
    const std::string choice = nul == std::string::npos ? "" : input.substr(nul + 1);
    for (const auto& line : SettingsFile::splitLines(SettingsFile::withoutByteOrderMark(file)))
        require(line.find_first_of("\r\n") == std::string::npos);

    fake::ClockRun r;
    r.platform.setTime(10, 20, 30);
    if (!r.startWith(file))
        return 0;
    r.tick();
    checkTheFace(r);
    r.pressSetupKey();
    r.tick();
    checkTheFace(r);
    if (!choice.empty())
        pick(r, choice);
    // Save ends the run; a picture path that no longer exists ends it without writing.
    r.runs([&] { r.dialog().cmdOK_Click(0); });
    const std::string saved = r.settingsText();
    if (saved == file || r.platform.writeCount == 0)
        return 0;
    require(SettingsFile::splitLines(saved).size() == 13);
    fake::ClockRun again;
    again.platform.setTime(10, 20, 30);
    require(again.openDialog(saved));
    require(carriedOver(again) == carriedOver(r));
    return 0;
}
