#include "CommandLine.h"
#include "DesktopRun.h"

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const char* screenSaverWindow = std::getenv("XSCREENSAVER_WINDOW");
    return DesktopRun(CommandLine(std::vector<std::string>(argv, argv + argc),
                                  screenSaverWindow ? screenSaverWindow : ""))
        .exec();
}
