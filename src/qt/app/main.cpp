#include "CommandLine.h"
#include "DesktopRun.h"
#include "HelperProcess.h"
#include "LookUpServer.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // A copy started by the clock to ask the file system for it starts nothing else, and ends
    // at once when the clock has gone; typed at a terminal, the switch is an unknown option like
    // any other.
    if (argc == 2 && std::strcmp(argv[1], LookUpServer::kSwitch) == 0 &&
        os::helperChannel::isOpen())
        std::_Exit(LookUpServer::serve());
    const char* screenSaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    return DesktopRun(CommandLine(std::vector<std::string>(argv, argv + argc),
                                  screenSaverWindow ? screenSaverWindow : ""))
        .exec();
}
