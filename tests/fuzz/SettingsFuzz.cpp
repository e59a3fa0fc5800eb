#include "ClockRun.h"
#include "NumberText.h"

#include <cstdint>
#include <string>

// Start-up reads any bytes as its settings file, and the run then shows, opens its dialog and
// saves. Whatever the bytes, the clock must stand on values the dialog could have written,
// and the file it saves must read back as the same clock.

namespace {

void require(bool holds)
{
    if (!holds)
        __builtin_trap();
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    for (const auto& line : SettingsFile::splitLines(SettingsFile::withoutByteOrderMark(file)))
        require(line.find_first_of("\r\n") == std::string::npos);

    fake::ClockRun r;
    r.platform.time = worked::kTime;
    if (!r.startWith(file))
        return 0;
    r.tick();
    checkTheFace(r);
    r.clock().Form_KeyPress('1');
    r.tick();
    checkTheFace(r);
    // Save ends the run; a picture path that no longer exists ends it without writing.
    r.runs([&] { r.dialog().cmdOK_Click(0); });
    const std::string saved = r.settingsText();
    if (saved == file || r.platform.writeCount == 0)
        return 0;
    require(SettingsFile::splitLines(saved).size() == 13);
    // The saved file reads back as the same clock, which saves the same file again.
    fake::ClockRun again;
    again.platform.time = worked::kTime;
    require(again.openDialog(saved));
    again.runs([&] { again.dialog().cmdOK_Click(0); });
    require(again.settingsText() == saved);
    return 0;
}
