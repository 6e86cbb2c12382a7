// SPDX-License-Identifier: MIT
// The long-lived worker thread that runs the background task.
#include "world/background_worker.h"

#include "geometry/random.h"

BackgroundWorker::BackgroundWorker() : thread([this] { run(); }) {}

BackgroundWorker::~BackgroundWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    thread.join();
}

void BackgroundWorker::start(std::function<void()> task) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return !busy; });
    pending = std::move(task);
    busy = true;
    lock.unlock();
    changed.notify_all();
}

void BackgroundWorker::wait() {
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
