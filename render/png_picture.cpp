// SPDX-License-Identifier: MIT
// Decoding PNG pictures with libpng, refusing anything hostile.
#include "render/png_picture.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "platform/asset_file.h"

namespace {

// Closes the file when reading ends, however it ends.
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool readPng(const std::string& path, Picture& picture, std::string& problem) {
    std::unique_ptr<std::FILE, FileCloser> file(openAssetFile(path, problem));
    if (!file) return false;

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_stdio(&image, file.get())) {
        problem = image.message;
        return false;
    }
    if (image.width > kLargestPictureSide || image.height > kLargestPictureSide) {
        png_image_free(&image);
        problem = "larger than " + std::to_string(kLargestPictureSide) + " pixels a side";
        return false;
    }
    // Sixteen-bit pictures from drawing programs are sRGB like 8-bit ones,
    // not the linear light libpng would otherwise assume.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    image.format &= PNG_FORMAT_FLAG_COLOR | PNG_FORMAT_FLAG_ALPHA;

    const size_t size = PNG_IMAGE_SIZE(image);
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[size]);
    if (!pixels) {
        png_image_free(&image);
        problem = "out of memory";
        return false;
    }
    if (!png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr)) {
        problem = image.message;
        return false;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.channels = static_cast<int>(PNG_IMAGE_SAMPLE_CHANNELS(image.format));
    picture.pixels = std::move(pixels);
    return true;
}
