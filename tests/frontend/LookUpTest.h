#pragma once

namespace LookUpTest {

// Starts the test program as a helper that reads questions and never answers.
inline constexpr const char* kHoldSwitch = "--hold-look-ups";

} // namespace LookUpTest
