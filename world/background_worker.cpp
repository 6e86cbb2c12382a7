// SPDX-License-Identifier: MIT
// The long-lived worker thread that runs the background task.
#include "world/background_worker.h"

#include "geometry/random.h"
#include "platform/threads.h"

BackgroundWorker::BackgroundWorker(bool ownThread) {
    if (ownThread) {
        thread = std::thread([this] { run(); });
        return;
    }
    const unsigned int caller = randomSnapshot();
    startWorkerRandom();
    randomState = randomSnapshot();
    restoreRandom(caller);
}

BackgroundWorker::BackgroundWorker() : BackgroundWorker(threadsAvailable()) {}

BackgroundWorker::~BackgroundWorker() {
    if (!thread.joinable()) {
        runHere();  // as the thread finishes a task it was given
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

void BackgroundWorker::start(std::function<void()> task) {
    if (!thread.joinable()) {
        runHere();
        pending = std::move(task);
        busy = true;
        return;
    }
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return !busy; });
    pending = std::move(task);
    busy = true;
    lock.unlock();
    changed.notify_all();
}

void BackgroundWorker::wait() {
    if (!thread.joinable()) {
        runHere();
        return;
    }
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return !busy; });
}

void BackgroundWorker::run() {
    startWorkerRandom();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return busy || stopping; });
        if (busy) {
            std::function<void()> task = std::move(pending);
            lock.unlock();
            task();
            lock.lock();
            busy = false;
            changed.notify_all();
        } else {
            return;
        }
    }
}

void BackgroundWorker::runHere() {
    if (!busy) return;
    busy = false;
    std::function<void()> task = std::move(pending);
    pending = nullptr;
    // The caller's sequence is put aside and comes back untouched.
    const unsigned int caller = randomSnapshot();
    restoreRandom(randomState);
    task();
    randomState = randomSnapshot();
    restoreRandom(caller);
}
