// Decoding pictures with libpng: unusual formats, damaged and hostile files.
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "render/png_picture.h"
#include "support/test_files.h"

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A width x 2 PNG with the given header; `rows` holds the packed sample bytes
// of each row; `palette` the RGB entries for a palette picture.
std::string writePng(int width, int bitDepth, int colorType, int interlace,
                     const std::vector<std::vector<png_byte>>& rows,
                     const std::vector<png_color>& palette = {}) {
    TempFile file("");
    std::FILE* out = std::fopen(file.path.c_str(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, out);
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(rows.size()), bitDepth, colorType,
                 interlace, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (const auto& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(out);
    return readAll(file.path);
}

// Chunk of the given type and data, with its length and CRC.
std::string chunk(const std::string& type, const std::string& data) {
    std::string out;
    const uint32_t n = static_cast<uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((n >> shift) & 0xff);
    out += type + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(out.data() + 4), n + 4);
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((crc >> shift) & 0xff);
    return out;
}

struct Decoded {
    bool ok = false;
    Picture picture;
    std::string problem;
    std::vector<unsigned char> pixels() const {
        const unsigned char* p = picture.pixels.get();
        return {p, p + picture.width * picture.height * picture.channels};
    }
};

Decoded decode(const std::string& bytes) {
    TempFile file(bytes);
    Decoded d;
    d.ok = readPng(file.path, d.picture, d.problem);
    return d;
}

}  // namespace

TEST(PngPicture, FormatsTheOldDecoderRefusedNowLoad) {
    struct Case {
        const char* name;
        std::string png;
        int channels;
        std::vector<unsigned char> pixels;
    };
    const std::vector<png_color> twoColours = {{255, 0, 0}, {0, 0, 255}};
    const Case cases[] = {
        // 16-bit samples are scaled to 8 bits: 0x8080 is 128.
        {"16-bit RGB, interlaced",
         writePng(2, 16, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_ADAM7,
                  {{0xff, 0xff, 0, 0, 0x80, 0x80, 0, 0, 0, 0, 0, 0},
                   {0, 0, 0, 0, 0, 0, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}}),
         3, {255, 0, 128, 0, 0, 0, 0, 0, 0, 255, 255, 255}},
        {"2-bit grey", writePng(4, 2, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {{0x1b}, {0xe4}}),
         1, {0, 85, 170, 255, 255, 170, 85, 0}},
        {"1-bit palette, interlaced",
         writePng(3, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_ADAM7, {{0x40}, {0xa0}},
                  twoColours),
         3, {255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 255}},
        {"16-bit grey and alpha",
         writePng(1, 16, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE,
                  {{0xff, 0xff, 0xff, 0xff}, {0, 0, 0, 0}}),
         2, {255, 255, 0, 0}},
    };
    for (const Case& c : cases) {
        Decoded d = decode(c.png);
        ASSERT_TRUE(d.ok) << c.name << ": " << d.problem;
        EXPECT_EQ(d.picture.channels, c.channels) << c.name;
        EXPECT_EQ(d.pixels(), c.pixels) << c.name;
    }
}

TEST(PngPicture, DamagedOrHostileFilesAreRefusedWithAReason) {
    // A picture of noise, so its deflate stream is long.
    std::vector<std::vector<png_byte>> noise(64, std::vector<png_byte>(64 * 4));
    unsigned seed = 7;
    for (auto& row : noise)
        for (png_byte& b : row) b = static_cast<png_byte>((seed = seed * 1103515245u + 12345u) >> 16);
    const std::string whole = writePng(64, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, noise);
    ASSERT_TRUE(decode(whole).ok);
    // Its deflate stream cut in half, in an IDAT chunk with a correct CRC.
    const size_t idat = whole.find("IDAT") - 4;
    const size_t length = (static_cast<unsigned char>(whole[idat + 2]) << 8) |
                          static_cast<unsigned char>(whole[idat + 3]);
    const std::string cut = whole.substr(0, idat) +
                            chunk("IDAT", whole.substr(idat + 8, length / 2)) +
                            chunk("IEND", "");
    // A header claiming a picture wider than the limit.
    const std::string wideHeader("\0\0\x40\x01\0\0\0\x01\x08\x06\0\0\0", 13);
    const std::string wide = whole.substr(0, 8) + chunk("IHDR", wideHeader) + whole.substr(idat);

    struct Case {
        const char* name;
        std::string bytes;
    };
    for (const Case& c : {Case{"cut deflate stream", cut}, Case{"too wide", wide},
                          Case{"cut file", whole.substr(0, 300)}, Case{"text", "not a picture\n"},
                          Case{"empty", ""}}) {
        Decoded d = decode(c.bytes);
        EXPECT_FALSE(d.ok) << c.name;
        EXPECT_FALSE(d.problem.empty()) << c.name;
    }
    EXPECT_EQ(decode(wide).problem, "larger than 16384 pixels a side");
}

TEST(PngPicture, OnlyRegularFilesAreOpened) {
    Picture picture;
    std::string problem;
    EXPECT_FALSE(readPng("/nonexistent/MOON.png", picture, problem));
    EXPECT_EQ(problem, "No such file or directory");

    TempFifo fifo;
    EXPECT_FALSE(readPng(fifo.path, picture, problem));
    EXPECT_EQ(problem, "not a regular file");
    problem.clear();
    EXPECT_FALSE(readPng("/tmp", picture, problem));
    EXPECT_EQ(problem, "not a regular file");
}
