#pragma once

// The process's room for open files: a program that runs out of it half-way through starting
// can neither draw nor take input, so it asks for the room before it starts.
namespace os::fileDescriptors {

// Whether `count` more files can be open at once beside those open now. Where the soft limit
// on descriptors leaves too few, it is raised as far as that takes, up to the hard limit; true
// also where the system sets no such limit or will not tell it.
bool reserve(int count);

} // namespace os::fileDescriptors
