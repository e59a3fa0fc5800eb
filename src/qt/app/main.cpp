#include "CommandLine.h"
#include "DesktopRun.h"
#include "LookUpServer.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // A copy started by the clock to ask the file system for it starts nothing else.
    if (argc == 2 && std::strcmp(argv[1], LookUpServer::kSwitch) == 0)
        return LookUpServer::serve();
    const char* screenSaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    return DesktopRun(CommandLine(std::vector<std::string>(argv, argv + argc),
                                  screenSaverWindow ? screenSaverWindow : ""))
        .exec();
}
