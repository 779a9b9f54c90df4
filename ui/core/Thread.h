#pragma once
// Worker threads with a call onto the GUI thread. Synchronize runs a method
// on the GUI thread while the worker waits; Queue hands it over without
// waiting. The GUI thread runs them when its message loop calls
// CheckSynchronize, and while it waits for a thread in WaitFor, so a worker
// that synchronizes while the GUI thread joins it cannot deadlock.

#include "ui/core/Events.h"
#include "ui/core/Object.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

using TThreadMethod = std::function<void()>;

class TThread : public TObject {
public:
    // Made suspended: C++ cannot run the derived Execute before the derived
    // constructor ends, so the maker calls Start once the object is whole.
    TThread();
    // Terminates and waits for a running thread.
    ~TThread() override;

    // Raises EThread when the thread was started already.
    void Start();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }
    bool Started() const { return started_; }
    // Waits for Execute to end and gives ReturnValue; on the GUI thread it
    // keeps running synchronized calls meanwhile. Raises EThread for a
    // thread that frees itself or that waits for itself.
    int WaitFor();

    // The thread deletes itself once it ends; nobody may use it then.
    bool FreeOnTerminate = false;
    // Runs on the GUI thread after Execute ends.
    TNotifyEvent OnTerminate;
    std::thread::id ThreadID() const { return id_; }
    // What escaped Execute, if anything.
    std::exception_ptr FatalException() const { return fatal_; }
    int ReturnValue() const { return returnValue_; }

    // On the GUI thread the method runs at once; from another thread it runs
    // on the GUI thread and the caller waits; an exception it raises is
    // raised again in the caller.
    static void Synchronize(TThread* thread, const TThreadMethod& method);
    // As Synchronize without waiting; on the GUI thread it runs at once.
    static void Queue(TThread* thread, const TThreadMethod& method);

protected:
    virtual void Execute() = 0;
    void Synchronize(const TThreadMethod& method) { Synchronize(this, method); }
    void Queue(const TThreadMethod& method) { Queue(this, method); }
    void SetReturnValue(int value) { returnValue_ = value; }

private:
    void Run();
    void WaitUntilFinished();

    std::thread thread_;
    std::thread::id id_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false};
    std::atomic<bool> started_{false};
    std::exception_ptr fatal_;
    int returnValue_ = 0;
};

// The GUI thread is the one that started the program.
bool IsMainThread();
// Runs the synchronized and queued methods waiting for the GUI thread,
// waiting up to `timeoutMs` for one when none is there. True when one ran.
// An exception of a queued method is raised here, after the rest have run.
bool CheckSynchronize(int timeoutMs = 0);
// True while methods handed to the GUI thread wait for its CheckSynchronize.
bool SynchronizePending();
// Called whenever a method is handed to the GUI thread, so a message loop
// that sleeps in its queue can wake up and call CheckSynchronize.
void SetWakeMainThread(std::function<void()> wake);
// Called by WaitFor on the GUI thread between its checks, so messages sent
// to windows from the awaited thread are served too.
void SetMainThreadWaitHook(std::function<void()> serve);
