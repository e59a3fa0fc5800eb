#include "LookUpClient.h"

#include "LookUpServer.h"

#include <algorithm>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

os::HelperProcess::Deadline deadlineOf(const LookUpClient::Patience& patience)
{
    if (!patience)
        return std::nullopt;
    return Clock::now() + *patience;
}

} // namespace

LookUpClient::LookUpClient(Starter start)
    : m_start(std::move(start))
{
}

LookUpClient::Starter LookUpClient::defaultStarter()
{
    return [] { return os::HelperProcess::start(os::ownExecutable(), {LookUpServer::kSwitch}); };
}

std::optional<LookUpClient::Names> LookUpClient::files(const std::string& pattern,
                                                       Patience patience)
{
    const auto payload = ask(LookUpWire::Question::Files, pattern, patience);
    return payload ? std::optional(LookUpWire::decodeNames(*payload)) : std::nullopt;
}

std::optional<LookUpClient::Names> LookUpClient::folders(const std::string& folder,
                                                         Patience patience)
{
    const auto payload = ask(LookUpWire::Question::Folders, folder, patience);
    return payload ? std::optional(LookUpWire::decodeNames(*payload)) : std::nullopt;
}

std::optional<tk::DriveFailure> LookUpClient::folderAccess(const std::string& folder,
                                                           Patience patience)
{
    const auto payload = ask(LookUpWire::Question::FolderAccess, folder, patience);
    if (!payload || payload->size() != 1)
        return std::nullopt;
    return static_cast<tk::DriveFailure>(payload->front());
}

std::optional<std::optional<std::string>> LookUpClient::fileBytes(const std::string& path,
                                                                  Patience patience)
{
    auto payload = ask(LookUpWire::Question::FileBytes, path, patience);
    if (!payload)
        return std::nullopt;
    return LookUpWire::decodeFile(std::move(*payload));
}

void LookUpClient::prepare()
{
    auto helper = m_start();
    const std::lock_guard lock(m_mutex);
    if (!m_fresh)
        m_fresh = std::move(helper);
}

std::unique_ptr<os::HelperProcess>
LookUpClient::confirmed(std::unique_ptr<os::HelperProcess> helper)
{
    char ready = 0;
    if (!helper ||
        (helper->receive(&ready, 1, Clock::now() + kStartAllowance) && ready == LookUpWire::kReady))
        return helper;
    helper->abandon();
    return nullptr;
}

// An idle helper, else a new one. Without patience a helper that cannot be made now is tried
// again until one can: the question waits, as it would for a slow disk.
std::unique_ptr<os::HelperProcess> LookUpClient::takeHelper(Patience patience)
{
    for (;;) {
        std::unique_ptr<os::HelperProcess> fresh;
        {
            const std::lock_guard lock(m_mutex);
            std::erase_if(m_leaving, [](const auto& helper) { return helper->hasEnded(); });
            if (!m_idle.empty()) {
                auto helper = std::move(m_idle.back());
                m_idle.pop_back();
                return helper;
            }
            fresh = std::move(m_fresh);
        }
        if (auto helper = confirmed(fresh ? std::move(fresh) : m_start()))
            return helper;
        if (patience)
            return nullptr;
        std::this_thread::sleep_for(kRetry);
    }
}

void LookUpClient::giveBack(std::unique_ptr<os::HelperProcess> helper, bool answered)
{
    const std::lock_guard lock(m_mutex);
    if (answered && m_idle.size() < kMostIdle) {
        m_idle.push_back(std::move(helper));
        return;
    }
    helper->abandon();
    m_leaving.push_back(std::move(helper));
}

std::optional<std::string> LookUpClient::ask(LookUpWire::Question question,
                                             const std::string& argument, Patience patience)
{
    const std::string request = static_cast<char>(question) + LookUpWire::framed(argument);
    // A helper that has gone while it was idle is replaced once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto helper = takeHelper(patience);
        if (!helper)
            return std::nullopt;
        const os::HelperProcess::Deadline deadline = deadlineOf(patience);
        if (!helper->send(request)) {
            giveBack(std::move(helper), false);
            continue;
        }
        std::optional<std::string> payload = receiveAnswer(*helper, deadline);
        giveBack(std::move(helper), payload.has_value());
        return payload;
    }
    return std::nullopt;
}

std::optional<std::string> LookUpClient::receiveAnswer(os::HelperProcess& helper,
                                                       os::HelperProcess::Deadline deadline)
{
    char head[LookUpWire::kLengthBytes];
    if (!helper.receive(head, sizeof head, deadline))
        return std::nullopt;
    const std::uint32_t length = LookUpWire::readLength(head);
    if (length > LookUpWire::kLongestPayload)
        return std::nullopt;
    std::string payload(length, '\0');
    if (!helper.receive(payload.data(), payload.size(), deadline))
        return std::nullopt;
    return payload;
}
