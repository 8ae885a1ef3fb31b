#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "CUiThreadCall.h"
#include "CWorkerThread.h"

namespace {

class UiThreadCallTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CUiThreadCall::Initialize()); }
    void TearDown() override { CUiThreadCall::Shutdown(); }
};

TEST_F(UiThreadCallTest, CallsFromSeveralWorkersRunOnTheUiThreadInOrder)
{
    struct Record {
        int worker;
        int sequence;
        DWORD thread;
    };
    std::vector<Record> records; // touched on the user-interface thread only
    constexpr int kWorkers = 3;
    constexpr int kCalls = 40;
    std::vector<std::unique_ptr<CWorkerThread>> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.push_back(std::make_unique<CWorkerThread>());
        ASSERT_TRUE(workers.back()->Start([w, &records] {
            UINT ran = 0;
            for (int i = 0; i < kCalls; ++i)
                ran += RunOnUiThread([&] { records.push_back({w, i, GetCurrentThreadId()}); }) ? 1 : 0;
            return ran;
        }));
    }
    for (auto& worker : workers) {
        ASSERT_TRUE(worker->Join(20000));
        EXPECT_EQ(worker->GetExitCode(), static_cast<UINT>(kCalls));
    }
    ASSERT_EQ(records.size(), static_cast<size_t>(kWorkers * kCalls));
    int next[kWorkers] = {};
    for (const Record& r : records) {
        EXPECT_EQ(r.thread, GetCurrentThreadId());
        EXPECT_EQ(r.sequence, next[r.worker]++);
    }
}

TEST_F(UiThreadCallTest, RunsDirectlyOnTheUiThreadAndCarriesExceptionsBack)
{
    bool ran = false;
    EXPECT_TRUE(CUiThreadCall::IsUiThread());
    EXPECT_TRUE(RunOnUiThread([&] { ran = true; }));
    EXPECT_TRUE(ran);

    bool caught = false;
    bool onUiThread = true;
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&] {
        onUiThread = CUiThreadCall::IsUiThread();
        try {
            RunOnUiThread([] { throw std::runtime_error("from the UI thread"); });
        } catch (const std::runtime_error& e) {
            caught = std::string(e.what()) == "from the UI thread";
        }
        return 0u;
    }));
    ASSERT_TRUE(worker.Join(10000));
    EXPECT_TRUE(caught);
    EXPECT_FALSE(onUiThread);
}

TEST(UiThreadCall, WithoutTheWindowNothingRuns)
{
    CUiThreadCall::Shutdown();
    bool ran = false;
    EXPECT_FALSE(RunOnUiThread([&] { ran = true; }));
    EXPECT_FALSE(ran);
}

} // namespace
