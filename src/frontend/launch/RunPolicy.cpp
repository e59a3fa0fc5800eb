#include "RunPolicy.h"

#include <algorithm>

const RunPolicy& RunPolicies::of(RunWay way)
{
    const auto* row = std::find_if(kRunPolicies.begin(), kRunPolicies.end(),
                                   [way](const RunPolicy& policy) { return policy.way == way; });
    return row == kRunPolicies.end() ? kRunPolicies.front() : *row;
}

RunWay RunPolicies::wayFor(const CommandLine& commandLine, Desktop desktop)
{
    switch (commandLine.mode()) {
    case LaunchMode::Root:
    case LaunchMode::WindowId:
        return RunWay::ForeignWindow;
    case LaunchMode::Window:
        return RunWay::OwnWindow;
    case LaunchMode::Preview:
        if (desktop == Desktop::Windows)
            return RunWay::WindowsPreview;
        break;
    case LaunchMode::Configure:
        if (desktop != Desktop::Wayland)
            return RunWay::Configure;
        break;
    case LaunchMode::ScreenSaver:
    case LaunchMode::Help:
    case LaunchMode::Version:
        break;
    }
    return desktop == Desktop::Wayland ? RunWay::WaylandFullScreen : RunWay::FullScreen;
}

tk::RunRequest RunPolicies::requestFor(const CommandLine& commandLine, const RunPolicy& policy)
{
    tk::RunRequest request = commandLine.clockRequest();
    if (!policy.showsDialogs)
        request.mode = tk::RunMode::ScreenSaver;
    return request;
}
