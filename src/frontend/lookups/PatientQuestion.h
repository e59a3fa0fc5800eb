#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <system_error>
#include <thread>

// Work that waits on the file system, done on a thread of its own so that a slow mount holds up
// that thread and not the program. The work asks the file system only through look-up helpers
// (LookUpClient), so that a thread waiting for ever waits on a helper, where the process can
// still end, and never in the kernel on a mount whose server has gone away.
namespace PatientQuestion {

// How long the program waits for a file system that answers at all.
inline constexpr std::chrono::milliseconds kPatience{250};

// Hands a function to the program's thread, to run there later; the front end's own way (Qt
// posts an event). It is called on the worker's thread.
using Post = std::function<void(std::function<void()>)>;

// Runs `work` on a thread of its own, then `then` on the program's thread: before this call
// returns when the work is done within `patience`, else through `post` once it is done. False,
// and nothing run, when no thread can be made now (a process or memory limit).
inline bool whenDone(std::function<void()> work, std::function<void()> then, Post post,
                     std::chrono::milliseconds patience = kPatience)
{
    // Whichever of the two sides comes second runs `then`: this one when the work is done in
    // time, the worker when this one has stopped waiting.
    auto second = std::make_shared<std::atomic<bool>>(false);
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    try {
        std::thread([second, done, work = std::move(work), then, post = std::move(post)] {
            work();
            done->set_value();
            if (second->exchange(true))
                post(then);
        }).detach();
    } catch (const std::system_error&) {
        return false;
    }
    finished.wait_for(patience);
    if (second->exchange(true))
        then();
    return true;
}

} // namespace PatientQuestion
