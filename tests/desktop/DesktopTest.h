#pragma once

#include "XTest.h"

// The X11 fixture under its first name, for the tests written against it.
using DesktopTest = XTest;
