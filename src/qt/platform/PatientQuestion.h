#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

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
class PatientQuestion {
public:
    // How long the program waits for a file system that answers at all.
    static constexpr std::chrono::milliseconds kPatience{250};

    // The answer of `question`, or nothing when it has not come within `patience`.
    template <class T>
    static std::optional<T> ask(std::function<T()> question,
                                std::chrono::milliseconds patience = kPatience)
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

    // Runs `work` on a thread of its own, then `then` on the thread of `context`: before this
    // call returns when the work is done within `patience`, else as an event once it is done.
    static void whenDone(QObject* context, std::function<void()> work, std::function<void()> then,
                         std::chrono::milliseconds patience = kPatience)
    {
        // Whichever of the two sides comes second runs `then`: this one when the work is done
        // in time, the worker when this one has stopped waiting.
        auto second = std::make_shared<std::atomic<bool>>(false);
        auto done = std::make_shared<std::promise<void>>();
        std::future<void> finished = done->get_future();
        std::thread([second, done, work = std::move(work), then, target = QPointer(context)] {
            work();
            done->set_value();
            if (second->exchange(true) && target)
                QMetaObject::invokeMethod(target, then, Qt::QueuedConnection);
        }).detach();
        finished.wait_for(patience);
        if (second->exchange(true))
            then();
    }
};
