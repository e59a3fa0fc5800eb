#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

// Answers given later, each at its own time, on a thread of their own, so that a late answer
// holds up neither the answers due before it nor the requests that come meanwhile.
class LateAnswers {
public:
    using Clock = std::chrono::steady_clock;

    LateAnswers()
        : m_thread([this] { run(); })
    {
    }
    ~LateAnswers()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_changed.notify_one();
        m_thread.join();
    }
    LateAnswers(const LateAnswers&) = delete;
    LateAnswers& operator=(const LateAnswers&) = delete;

    // Runs `answer` once `delay` has passed.
    void add(std::chrono::milliseconds delay, std::function<void()> answer)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_due.emplace(Clock::now() + delay, std::move(answer));
        }
        m_changed.notify_one();
    }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stopping) {
            if (m_due.empty()) {
                m_changed.wait(lock);
                continue;
            }
            const auto next = m_due.begin();
            if (Clock::now() < next->first) {
                m_changed.wait_until(lock, next->first);
                continue;
            }
            std::function<void()> answer = std::move(next->second);
            m_due.erase(next);
            lock.unlock();
            answer();
            lock.lock();
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::multimap<Clock::time_point, std::function<void()>> m_due;
    bool m_stopping = false;
    // Last, so that it starts once the rest stands.
    std::thread m_thread;
};
