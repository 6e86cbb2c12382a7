// SPDX-License-Identifier: MIT
// The picture decoding thread of the start-up and the hand-over to the main thread.
#include "render/picture_prefetch.h"

#include <utility>

#include "platform/threads.h"

PicturePrefetch::PicturePrefetch(std::vector<std::string> paths) {
    slots.resize(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) slots[i].path = std::move(paths[i]);
    worker = runBeside([this] { decodeAll(); });
}

PicturePrefetch::~PicturePrefetch() {
    stopping = true;
    worker.wait();
}

void PicturePrefetch::decodeAll() {
    for (std::size_t i = 0; i < slots.size() && !stopping; ++i) {
        Picture picture;
        std::string problem;
        const bool read = readPng(slots[i].path, picture, problem);
        const std::lock_guard<std::mutex> lock(mutex);
        slots[i].picture = std::move(picture);
        slots[i].problem = std::move(problem);
        slots[i].read = read;
        decoded = i + 1;
        done.notify_one();
    }
}

bool PicturePrefetch::take(const std::string& path, Picture& picture, std::string& problem) {
    if (next >= slots.size() || slots[next].path != path) return readPng(path, picture, problem);
    std::unique_lock<std::mutex> lock(mutex);
    done.wait(lock, [this] { return decoded > next; });
    Slot& slot = slots[next++];
    picture = std::move(slot.picture);
    problem = std::move(slot.problem);
    return slot.read;
}
