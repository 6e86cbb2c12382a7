// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// One long-lived thread that runs one task at a time. Keeping the thread (and
// so its random sequence, which starts apart from the main thread's) alive
// across frames makes every new cloud and mountain segment different.
class BackgroundWorker {
public:
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

    std::mutex mutex;
    std::condition_variable changed;
    std::function<void()> pending;
    bool busy = false;
    bool stopping = false;
    std::thread thread;
};
