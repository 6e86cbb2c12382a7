// SPDX-License-Identifier: MIT
// Decoding the next pictures on a thread of their own while textures are made of the last.
#pragma once

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "render/png_picture.h"

// Start-up decodes about 110 ms of pictures and spends about 80 ms making
// textures of them, both on the main thread before the first frame. With
// the decoding on a thread of its own, in load order, start-up pays the
// longer of the two instead of their sum. Without threads (the browser
// build) every picture is decoded at construction, on the main thread.
class PicturePrefetch {
public:
    explicit PicturePrefetch(std::vector<std::string> paths);
    // Stops after the picture being decoded and waits for the thread.
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // As readPng: the next picture of the list when `path` is it (waiting
    // until it is decoded), else `path` decoded here.
    bool take(const std::string& path, Picture& picture, std::string& problem);

private:
    struct Slot {
        std::string path;
        Picture picture;
        std::string problem;
        bool read = false;
    };
    void decodeAll();

    std::vector<Slot> slots;
    std::size_t next = 0;     // the next slot take() hands out
    std::size_t decoded = 0;  // slots [0, decoded) are done; guarded by `mutex`
    std::mutex mutex;
    std::condition_variable done;
    std::atomic<bool> stopping{false};
    std::future<void> worker;
};
