#include "LookUpTest.h"
#include "FolderListing.h"
#include "HelperProcess.h"
#include "LookUpClient.h"
#include "LookUpServer.h"
#include "PatientQuestion.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

// The clock's questions to the file system go to helper processes: their answers are the
// listings' own, and a helper that does not answer holds up no one for longer than the
// patience given, and never the next question.

namespace {

using namespace std::chrono_literals;

class LookUps : public testing::Test {
protected:
    // Starts the test program as a helper; `holding` makes one that never answers.
    static std::unique_ptr<os::HelperProcess> helper(bool holding)
    {
        return os::HelperProcess::start(
            os::ownExecutable(), {holding ? LookUpTest::kHoldSwitch : LookUpServer::kSwitch});
    }

    // A client whose next helpers are made as `plan` says, one entry a helper: 'a' answers,
    // 'h' holds every question, 'x' cannot be made; after the plan, helpers answer.
    LookUpClient clientOf(std::string plan)
    {
        return LookUpClient([this, plan] {
            const char next = started < plan.size() ? plan[started] : 'a';
            ++started;
            return next == 'x' ? nullptr : helper(next == 'h');
        });
    }

    TestFolder folder;
    std::atomic<std::size_t> started = 0;
};

TEST_F(LookUps, TheHelperAnswersAsTheListingsDo)
{
    folder.write("b.gif", "GIF89a");
    folder.write("A.GIF", "");
    std::filesystem::create_directory(folder.root() / "Sub");
    LookUpClient client = clientOf("");
    const auto base = folder.path() + "/";
    EXPECT_EQ(client.files(base + "*.gif", 5s), FolderListing::files(base + "*.gif"));
    EXPECT_EQ(client.files(base + "b.gif", 5s), LookUpClient::Names{"b.gif"});
    EXPECT_EQ(client.folders(base, 5s), LookUpClient::Names{"Sub"});
    EXPECT_EQ(client.folderAccess(base, 5s), tk::DriveFailure::None);
    EXPECT_EQ(client.folderAccess(base + "missing", 5s), tk::DriveFailure::NotAvailable);
    using Bytes = std::optional<std::string>;
    EXPECT_EQ(client.fileBytes(base + "b.gif", 5s), std::optional<Bytes>("GIF89a"));
    EXPECT_EQ(client.fileBytes(base + "missing.gif", 5s), std::optional<Bytes>(Bytes()));
    EXPECT_EQ(client.fileBytes(base + "Sub", std::nullopt), std::optional<Bytes>(Bytes()));
    EXPECT_EQ(started, 1u) << "one helper answers one question after another";
}

// A question to a helper that does not answer has no answer once its patience is spent; the
// helper is left behind, and the next question goes to a new one.
TEST_F(LookUps, AHelperThatDoesNotAnswerIsLeftBehind)
{
    LookUpClient client = clientOf("h");
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(client.files(folder.path() + "/", 100ms), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, 5s);
    EXPECT_EQ(client.folderAccess(folder.path(), 5s), tk::DriveFailure::None);
    EXPECT_EQ(started, 2u);
}

// A helper that cannot be made now gives no answer to a patient question, and a question
// without patience waits until one can be made.
TEST_F(LookUps, AHelperThatCannotBeMadeIsTriedAgain)
{
    LookUpClient client = clientOf("xx");
    EXPECT_EQ(client.folderAccess(folder.path(), 100ms), std::nullopt);
    EXPECT_EQ(client.folderAccess(folder.path(), std::nullopt), tk::DriveFailure::None);
    EXPECT_EQ(started, 3u);
}

// Questions asked at once each take a helper: one that waits for ever holds up no other.
TEST_F(LookUps, QuestionsAtOnceTakeAHelperEach)
{
    LookUpClient client = clientOf("h");
    auto held = std::async(std::launch::async,
                           [&client, this] { return client.files(folder.path() + "/", 300ms); });
    while (started == 0)
        std::this_thread::yield();
    EXPECT_EQ(client.folderAccess(folder.path(), 5s), tk::DriveFailure::None);
    EXPECT_EQ(held.get(), std::nullopt);
}

} // namespace
