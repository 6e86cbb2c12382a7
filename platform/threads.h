// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <future>

// Whether the program can start threads. The browser build cannot: a page
// served without cross-origin isolation headers gets no shared memory, so it
// is built without threads, and work the desktop does beside the main thread
// runs on the main thread there.
bool threadsAvailable();

// Runs `task` on a thread of its own where threads are available, else here
// and now; either way the future is ready once the task is done.
std::future<void> runBeside(std::function<void()> task);
