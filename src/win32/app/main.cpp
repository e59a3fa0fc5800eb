#include "Win32Run.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    return Win32Run(instance).exec();
}
