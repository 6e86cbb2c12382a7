// SPDX-License-Identifier: MIT
// Decoding pictures with libpng: unusual formats, damaged and hostile files.
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "render/picture_prefetch.h"
#include "render/png_picture.h"
#include "support/test_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

// A PNG with the given header and rows of packed samples, as file bytes.
std::string png(int width, int depth, int type, int interlace, const std::vector<Bytes>& rows,
                const std::vector<png_color>& palette = {}) {
    std::string bytes;
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(p);
    png_set_write_fn(
        p, &bytes,
        [](png_structp w, png_bytep data, png_size_t n) {
            static_cast<std::string*>(png_get_io_ptr(w))->append(reinterpret_cast<char*>(data), n);
        },
        nullptr);
    png_set_IHDR(p, info, width, static_cast<png_uint_32>(rows.size()), depth, type, interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(p, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(p, info);
    std::vector<png_bytep> pointers;
    for (const Bytes& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(p, pointers.data());  // does the interlacing passes
    png_write_end(p, info);
    png_destroy_write_struct(&p, &info);
    return bytes;
}

// A chunk with its length and CRC.
std::string chunk(const std::string& type, const std::string& body) {
    std::string out(4, '\0');
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(body.size() >> (24 - 8 * i));
    out += type + body;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(out.data() + 4), body.size() + 4);
    for (int i = 0; i < 4; ++i) out += static_cast<char>(crc >> (24 - 8 * i));
    return out;
}

struct Decoded {
    bool ok = false;
    Picture picture;
    std::string problem;
};

Decoded decode(const std::string& bytes) {
    TempFile file(bytes);
    Decoded d;
    d.ok = readPng(file.path, d.picture, d.problem);
    return d;
}

}  // namespace

TEST(PngPicture, FormatsTheOldDecoderRefusedNowLoad) {
    const struct {
        const char* name;
        std::string file;
        int channels;
        Bytes pixels;
    } cases[] = {
        // 16-bit samples are scaled to 8 bits: 0x8080 is 128.
        {"16-bit RGB, interlaced",
         png(2, 16, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
             {{0xff, 0xff, 0, 0, 0x80, 0x80, 0, 0, 0, 0, 0, 0},
              {0, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}}),
         3, {255, 0, 128, 0, 0, 0, 0, 0, 0, 255, 255, 255}},
        {"2-bit grey", png(4, 2, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {{0x1b}, {0xe4}}), 1,
         {0, 85, 170, 255, 255, 170, 85, 0}},
        {"1-bit palette, interlaced",
         png(3, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_ADAM7, {{0x40}, {0xa0}},
             {{255, 0, 0}, {0, 0, 255}}),
         3, {255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 255}},
    };
    for (const auto& c : cases) {
        Decoded d = decode(c.file);
        ASSERT_TRUE(d.ok) << c.name << ": " << d.problem;
        EXPECT_EQ(d.picture.channels, c.channels) << c.name;
        const unsigned char* p = d.picture.pixels.get();
        EXPECT_EQ(Bytes(p, p + c.pixels.size()), c.pixels) << c.name;
    }
}

TEST(PngPicture, DamagedOrHostileFilesAreRefusedWithTheReason) {
    // 64 x 64 of noise, so the deflate stream is long.
    std::vector<Bytes> noise(64, Bytes(64 * 4));
    unsigned seed = 7;
    for (Bytes& row : noise)
        for (unsigned char& b : row) b = static_cast<unsigned char>((seed = seed * 69069 + 1) >> 9);
    const std::string whole = png(64, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, noise);
    ASSERT_TRUE(decode(whole).ok);
    const size_t idat = whole.find("IDAT") - 4;
    const size_t length = static_cast<unsigned char>(whole[idat + 2]) * 256u +
                          static_cast<unsigned char>(whole[idat + 3]);
    const std::string wideHeader("\0\0\x40\x01\0\0\0\x01\x08\x06\0\0\0", 13);  // 16385 x 1

    const std::pair<std::string, std::string> cases[] = {
        // The deflate stream cut in half, in an IDAT chunk with a correct CRC.
        {whole.substr(0, idat) + chunk("IDAT", whole.substr(idat + 8, length / 2)) +
             chunk("IEND", ""),
         "Not enough image data"},
        {whole.substr(0, 8) + chunk("IHDR", wideHeader) + whole.substr(idat),
         "larger than 16384 pixels a side"},
        {whole.substr(0, 300), "Read Error"},
        {"not a picture\n", "Not a PNG file"},
    };
    for (const auto& [bytes, reason] : cases) {
        Decoded d = decode(bytes);
        EXPECT_FALSE(d.ok) << reason;
        EXPECT_EQ(d.problem, reason);
    }
}

TEST(PngPicture, OnlyRegularFilesAreOpened) {
    TempFifo fifo;
    for (const auto& [path, reason] :
         {std::pair<std::string, std::string>{"/nonexistent/MOON.png", "No such file or directory"},
          {fifo.path, "not a regular file"}, {tempDirectory(), "not a regular file"}}) {
        Picture picture;
        std::string problem;
        EXPECT_FALSE(readPng(path, picture, problem)) << path;
        EXPECT_EQ(problem, reason) << path;
    }
}

TEST(PicturePrefetch, HandsOverInOrderAndDecodesAnyOtherPathItself) {
    const TempFile wide(png(2, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, {Bytes(8, 200)}));
    const TempFile grey(png(1, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {Bytes(1, 9)}));
    const std::string missing = wide.path + ".missing";
    Picture expected;
    std::string why;
    ASSERT_FALSE(readPng(missing, expected, why));

    PicturePrefetch prefetch({wide.path, missing, grey.path, grey.path});
    Picture picture;
    std::string problem;
    ASSERT_TRUE(prefetch.take(wide.path, picture, problem));
    EXPECT_EQ(picture.width, 2);
    EXPECT_EQ(picture.channels, 4);
    EXPECT_EQ(picture.pixels[7], 200);
    // Out of order: decoded on the spot; the list waits where it was.
    ASSERT_TRUE(prefetch.take(grey.path, picture, problem));
    EXPECT_EQ(picture.pixels[0], 9);
    EXPECT_FALSE(prefetch.take(missing, picture, problem));
    EXPECT_EQ(problem, why);
    // The last picture is never taken: the prefetch still ends cleanly.
}
