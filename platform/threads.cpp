// SPDX-License-Identifier: MIT
// Work beside the main thread, or on it where the program has no threads.
#include "platform/threads.h"

#include <utility>

bool threadsAvailable() {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    return false;
#else
    return true;
#endif
}

std::future<void> runBeside(std::function<void()> task) {
    if (threadsAvailable()) return std::async(std::launch::async, std::move(task));
    std::promise<void> done;
    try {
        task();
        done.set_value();
    } catch (...) {
        done.set_exception(std::current_exception());
    }
    return done.get_future();
}
