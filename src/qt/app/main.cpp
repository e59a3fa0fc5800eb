#include "DesktopRun.h"
#include "RunOptions.h"

int main(int argc, char* argv[])
{
    return DesktopRun(RunOptions(argc, argv)).exec();
}
