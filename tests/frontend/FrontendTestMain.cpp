#include "HelperProcess.h"
#include "LookUpServer.h"
#include "LookUpTest.h"
#include "LookUpWire.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// The test program is its own look-up helper: started with the helper's switch it answers as
// the clock's helper does, started with the holding switch it reads questions and never answers,
// as a helper waiting on a file server that has gone away.
int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], LookUpServer::kSwitch) == 0)
        return LookUpServer::serve();
    if (argc == 2 && std::strcmp(argv[1], LookUpTest::kHoldSwitch) == 0) {
        os::helperChannel::send(std::string(1, LookUpWire::kReady));
        char question = 0;
        while (os::helperChannel::receive(&question, 1)) {
        }
        return 0;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
