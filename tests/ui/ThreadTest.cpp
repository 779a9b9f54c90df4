#include "ui/core/Thread.h"

#include "ui/core/Exceptions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace {

// Runs the given body as its Execute.
class TBodyThread : public TThread {
public:
    explicit TBodyThread(std::function<void(TBodyThread&)> body) : body_(std::move(body)) {}
    using TThread::Queue;
    using TThread::SetReturnValue;
    using TThread::Synchronize;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(TBodyThread&)> body_;
};

}  // namespace

TEST(Thread, SynchronizeRunsOnTheGuiThreadWhileItWaitsForTheWorker) {
    ASSERT_TRUE(IsMainThread());
    std::vector<std::string> log;  // touched only on the GUI thread
    TBodyThread worker([&](TBodyThread& self) {
        for (int i = 0; i < 50; ++i)
            self.Synchronize([&, i] {
                EXPECT_TRUE(IsMainThread());
                log.push_back("line " + std::to_string(i));
            });
        self.SetReturnValue(7);
    });
    worker.OnTerminate = [&](TObject* sender) {
        EXPECT_TRUE(IsMainThread());
        EXPECT_EQ(sender, &worker);
        log.push_back("terminated");
    };
    worker.Start();
    EXPECT_EQ(worker.WaitFor(), 7);  // would deadlock if it did not serve the calls
    ASSERT_EQ(log.size(), 51u);
    EXPECT_EQ(log[49], "line 49");
    EXPECT_EQ(log.back(), "terminated");
    EXPECT_TRUE(worker.Finished());
}

TEST(Thread, QueuedCallsRunInOrderWhenTheLoopChecks) {
    std::vector<int> order;
    std::atomic<bool> queued{false};
    int wakes = 0;
    SetWakeMainThread([&] { ++wakes; });
    TBodyThread worker([&](TBodyThread& self) {
        for (int i = 0; i < 3; ++i) self.Queue([&, i] { order.push_back(i); });
        queued = true;
    });
    worker.Start();
    while (!queued) std::this_thread::yield();
    EXPECT_TRUE(order.empty());  // nothing runs until the GUI thread checks
    EXPECT_TRUE(CheckSynchronize(1000));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(CheckSynchronize());
    worker.WaitFor();
    SetWakeMainThread(nullptr);
    EXPECT_EQ(wakes, 3);
}

TEST(Thread, ExceptionsReachTheRightThread) {
    std::string caught;
    TBodyThread worker([&](TBodyThread& self) {
        try {
            self.Synchronize([] { throw EConvertError("bad value"); });
        } catch (const EConvertError& e) {
            caught = e.Message();  // raised again in the worker
        }
        throw EReadError("worker failed");
    });
    worker.Start();
    worker.WaitFor();
    EXPECT_EQ(caught, "bad value");
    ASSERT_TRUE(worker.FatalException());
    EXPECT_THROW(std::rethrow_exception(worker.FatalException()), EReadError);
}

TEST(Thread, TerminateAsksTheWorkerToStopAndDestructionWaits) {
    std::atomic<int> rounds{0};
    auto worker = std::make_unique<TBodyThread>([&](TBodyThread& self) {
        while (!self.Terminated()) {
            ++rounds;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        // Synchronizing while being freed by the GUI thread must not deadlock.
        self.Synchronize([] {});
    });
    EXPECT_THROW(worker->WaitFor(), EThread);  // never started
    worker->Start();
    EXPECT_THROW(worker->Start(), EThread);
    while (rounds < 3) std::this_thread::yield();
    worker.reset();  // terminates and waits
    EXPECT_GE(rounds, 3);
}

TEST(Thread, AThreadThatFreesItselfIsGoneAfterItsEnd) {
    std::atomic<bool> freed{false};
    struct TSelfFreeing : TThread {
        explicit TSelfFreeing(std::atomic<bool>& freed) : freed(freed) { FreeOnTerminate = true; }
        ~TSelfFreeing() override { freed = true; }
        void Execute() override {}
        std::atomic<bool>& freed;
    };
    auto* worker = new TSelfFreeing(freed);
    worker->Start();
    for (int i = 0; i < 2000 && !freed; ++i) CheckSynchronize(1);
    EXPECT_TRUE(freed);
}

TEST(Thread, WorkersMayWaitForEachOther) {
    TBodyThread inner([](TBodyThread& self) { self.SetReturnValue(5); });
    int seen = 0;
    TBodyThread outer([&](TBodyThread&) { seen = inner.WaitFor(); });
    inner.Start();
    outer.Start();
    outer.WaitFor();
    EXPECT_EQ(seen, 5);
}
