#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>

// A question to the file system asked on a thread of its own, so that a mount whose server has
// gone away (a sleeping NAS, a dropped VPN) holds up that thread and not the program. A thread
// that never comes back is left to itself: it holds nothing but its own answer, and the
// process ends without waiting for it.
namespace PatientQuestion {

// How long the program waits for a file system that answers at all.
inline constexpr std::chrono::milliseconds kPatience{250};

// Hands a function to the program's thread, to run there later; the front end's own way (Qt
// posts an event). It is called on the worker's thread.
using Post = std::function<void(std::function<void()>)>;

// The answer of `question`, or nothing when it has not come within `patience`.
template <class T>
std::optional<T> ask(std::function<T()> question, std::chrono::milliseconds patience = kPatience)
{
    auto answer = std::make_shared<std::promise<T>>();
    std::future<T> result = answer->get_future();
    std::thread([answer, question = std::move(question)] {
        answer->set_value(question());
    }).detach();
    if (result.wait_for(patience) != std::future_status::ready)
        return std::nullopt;
    return result.get();
}

// Runs `work` on a thread of its own, then `then` on the program's thread: before this call
// returns when the work is done within `patience`, else through `post` once it is done.
inline void whenDone(std::function<void()> work, std::function<void()> then, Post post,
                     std::chrono::milliseconds patience = kPatience)
{
    // Whichever of the two sides comes second runs `then`: this one when the work is done in
    // time, the worker when this one has stopped waiting.
    auto second = std::make_shared<std::atomic<bool>>(false);
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    std::thread([second, done, work = std::move(work), then, post = std::move(post)] {
        work();
        done->set_value();
        if (second->exchange(true))
            post(then);
    }).detach();
    finished.wait_for(patience);
    if (second->exchange(true))
        then();
}

} // namespace PatientQuestion
