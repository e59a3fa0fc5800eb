#pragma once

// The look-up helper's side: a copy of the program started with kSwitch answers the program's
// questions about the file system, one after another, until the program closes the way to it.
namespace LookUpServer {

inline constexpr const char* kSwitch = "--answer-look-ups";

// Answers questions on the standard input and output, which os::helperChannel::isOpen() has
// found to be the way to the program; the process's exit status.
int serve();

} // namespace LookUpServer
