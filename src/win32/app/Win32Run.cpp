#include "Win32Run.h"

#include "HelperProcess.h"
#include "LookUpServer.h"
#include "RunPolicy.h"
#include "TickLoop.h"
#include "TikoraClock.h"
#include "WideText.h"
#include "Win32Platform.h"

#include <objbase.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The status with which commands end when their command line is misused.
constexpr int kMisusedStatus = 2;

// Screen Saver Settings and a double-click start the program without a console, so what it
// would print goes to a message box.
void tell(const std::string& text, const std::string& title, UINT icon)
{
    ::MessageBoxW(nullptr, os::wideText::fromUtf8(text).c_str(),
                  os::wideText::fromUtf8(title).c_str(), icon | MB_OK);
}

} // namespace

Win32Run::Win32Run(HINSTANCE instance)
    : m_instance(instance)
{
}

std::vector<std::string> Win32Run::arguments()
{
    int count = 0;
    LPWSTR* words = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> list;
    for (int i = 0; words && i < count; ++i)
        list.push_back(os::wideText::toUtf8(words[i]));
    ::LocalFree(words);
    if (list.empty())
        list.emplace_back("tikora-clock.scr");
    return list;
}

void Win32Run::refuse(const std::string& reason) const
{
    tell(reason, "Tikora Clock", MB_ICONWARNING);
}

int Win32Run::exec()
{
    const std::vector<std::string> words = arguments();
    // A copy started by the clock to ask the file system for it starts nothing else; typed by
    // hand, the switch is an unknown option like any other.
    if (words.size() == 2 && words[1] == LookUpServer::kSwitch && os::helperChannel::isOpen())
        return LookUpServer::serve();
    const CommandLine options(words);
    if (options.unknownOption()) {
        refuse(options.error());
        return kMisusedStatus;
    }
    if (!options.error().empty()) {
        refuse(options.error());
        return EXIT_FAILURE;
    }
    if (options.mode() == LaunchMode::Help) {
        tell(options.usage(), options.programName(), MB_ICONINFORMATION);
        return EXIT_SUCCESS;
    }
    if (options.mode() == LaunchMode::Version) {
        tell(options.programName() + " " + TIKORA_VERSION, options.programName(),
             MB_ICONINFORMATION);
        return EXIT_SUCCESS;
    }
    return runClock(options);
}

int Win32Run::runClock(const CommandLine& options) const
{
    const RunPolicy& policy = RunPolicies::of(RunPolicies::wayFor(options, Desktop::Windows));
    // "/p" draws in the window it names, the little monitor of Screen Saver Settings; without
    // one, or with one already gone, there is nothing to draw in, and the run ends at once.
    const auto named = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(options.windowHandle()));
    if (policy.way == RunWay::WindowsPreview && !::IsWindow(named))
        return EXIT_SUCCESS;
    // The manifest declares the awareness; this call does the same for a copy without it, and
    // fails harmlessly where the manifest has set it already.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    // The pictures are decoded by the Windows Imaging Component, a COM library.
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return EXIT_FAILURE;
    TickLoop ticks(m_instance);
    Win32Platform platform(m_instance, ticks, RunPolicies::requestFor(options, policy), policy);
    TikoraClock run(platform);
    run.start();
    return platform.exec();
}
