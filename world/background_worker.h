// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// One long-lived thread that runs one task at a time. Keeping the thread (and
// so its random sequence, which starts apart from the main thread's) alive
// across frames makes every new cloud and mountain segment different.
// Without threads (the browser build) a task waits until wait() and runs
// there, on the caller's thread, drawing from the worker's own sequence.
class BackgroundWorker {
public:
    // `ownThread`: false runs the tasks in wait() instead.
    explicit BackgroundWorker(bool ownThread);
    BackgroundWorker();
    ~BackgroundWorker();
    BackgroundWorker(const BackgroundWorker&) = delete;
    BackgroundWorker& operator=(const BackgroundWorker&) = delete;

    // Starts the task; waits for a previous one first.
    void start(std::function<void()> task);
    // Blocks until the current task (if any) has finished.
    void wait();

private:
    void run();
    void runHere();

    std::mutex mutex;
    std::condition_variable changed;
    std::function<void()> pending;
    bool busy = false;
    bool stopping = false;
    // The worker's generator state between tasks run on the caller's thread.
    unsigned int randomState = 0;
    std::thread thread;
};
