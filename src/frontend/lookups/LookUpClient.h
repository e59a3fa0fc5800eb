#pragma once

#include "HelperProcess.h"
#include "LookUpWire.h"
#include "Platform.h"

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The program's questions to the file system, asked of look-up helpers (HelperProcess) so that
// no thread of the program ever waits in the kernel on a file server that has gone away. A
// helper that has not answered in time is left behind and the next question goes to a new
// one. Any thread may ask; each question takes a helper of its own while it waits.
class LookUpClient {
public:
    using Names = std::vector<std::string>;
    // How long a question may wait for its answer; none waits as long as it takes.
    using Patience = std::optional<std::chrono::milliseconds>;
    // Starts a helper, or gives null when none can be made now.
    using Starter = std::function<std::unique_ptr<os::HelperProcess>()>;

    // How long a question without patience waits before it tries again to start a helper
    // that could not be made.
    static constexpr std::chrono::milliseconds kRetry{1000};

    // How long a drive may take to answer on the program's thread before it counts as not
    // available.
    static constexpr std::chrono::milliseconds kDrivePatience{500};
    // Helpers kept for later questions; more are only made while questions wait at once.
    static constexpr std::size_t kMostIdle = 2;

    // How long a new helper may take to start, apart from the patience of the question it
    // takes: a program's start on a busy machine is no slow file system.
    static constexpr std::chrono::milliseconds kStartAllowance{5000};

    explicit LookUpClient(Starter start = defaultStarter());

    // Starts a helper ahead of the first question, so that the helper's start goes on beside
    // the program's own.
    void prepare();

    // Each gives nothing when no answer came in time.
    std::optional<Names> files(const std::string& pattern, Patience patience);
    std::optional<Names> folders(const std::string& folder, Patience patience);
    std::optional<tk::DriveFailure> folderAccess(const std::string& folder, Patience patience);
    // The bytes of a file no larger than a picture may be, or nothing inside when it is not
    // there or not readable.
    std::optional<std::optional<std::string>> fileBytes(const std::string& path, Patience patience);

    static Starter defaultStarter();

private:
    std::optional<std::string> ask(LookUpWire::Question question, const std::string& argument,
                                   Patience patience);
    static std::optional<std::string> receiveAnswer(os::HelperProcess& helper,
                                                    os::HelperProcess::Deadline deadline);
    std::unique_ptr<os::HelperProcess> takeHelper(Patience patience);
    // The helper once it has said that it is ready; null when it has not within the allowance.
    static std::unique_ptr<os::HelperProcess> confirmed(std::unique_ptr<os::HelperProcess> helper);
    void giveBack(std::unique_ptr<os::HelperProcess> helper, bool answered);

    Starter m_start;
    std::mutex m_mutex;
    // Helpers that answered and wait for the next question.
    std::vector<std::unique_ptr<os::HelperProcess>> m_idle;
    // A helper started ahead, which has not yet said that it is ready.
    std::unique_ptr<os::HelperProcess> m_fresh;
    // Helpers left behind that have not yet ended.
    std::vector<std::unique_ptr<os::HelperProcess>> m_leaving;
};
