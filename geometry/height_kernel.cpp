// SPDX-License-Identifier: MIT
// Reading the comma-separated mountain kernel and resampling it.
#include "geometry/height_kernel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "geometry/number_text.h"
#include "platform/asset_file.h"

namespace {

// A bigger grid is no mountain profile; refusing it keeps a broken file from
// exhausting memory.
constexpr std::int64_t kMaxValues = 1 << 24;
// A file that long cannot hold a grid the game would take (a value and its
// comma seldom need more than eight bytes), so it is refused unread.
constexpr std::int64_t kLargestFile = kMaxValues * 8;
// Relative heights beyond this would make mountains far above the sky, and
// larger ones overflow the heights and their normals (the mountains vanish).
constexpr double kLargestValue = 1e6;

// Like atof in the C locale: leading blanks skipped, the longest leading
// number taken, 0 if there is none.
double valueOf(const char* begin, const char* end) {
    double value = 0;
    readNumber(begin, end, value);
    return value;
}

// The fields of one line: a comma at the very end adds no field, an empty
// field between commas is one.
std::vector<double> valuesOfLine(const std::string& line) {
    std::vector<double> values;
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end) {
        const char* comma = std::find(p, end, ',');
        values.push_back(valueOf(p, comma));
        p = comma == end ? end : comma + 1;
    }
    return values;
}

// The lines of the file: a last line without a line feed counts, nothing
// after the last line feed does. Empty when the file cannot be read; `tooLong`
// says when it was left unread for its size.
std::vector<std::string> linesOf(const std::string& path, bool& tooLong) {
    std::string problem;
    std::int64_t size = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openAssetFile(path, problem, &size),
                                                         std::fclose);
    std::vector<std::string> lines;
    tooLong = file && size > kLargestFile;
    if (!file || tooLong) return lines;
    std::string line;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        for (size_t i = 0; i < n; ++i) {
            if (buffer[i] == '\n') {
                lines.push_back(std::move(line));
                line.clear();
            } else {
                line += buffer[i];
            }
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

void reportFlat(const char* problem, const std::string& path) {
    std::printf("Mountain kernel %s: %s, the mountains stay flat\n", problem, path.c_str());
}

}  // namespace

// The grid is rows x columns with rows = lines and columns = values on the
// first line. A shorter line is filled with 0 and a longer one is cut, so an
// uneven file never reaches outside `values`.
HeightKernel::HeightKernel(const std::string& path) {
    std::vector<std::vector<double>> lines;
    bool tooLong = false;
    for (const std::string& line : linesOf(path, tooLong)) lines.push_back(valuesOfLine(line));
    if (tooLong) {
        reportFlat("too large", path);
        return;
    }

    if (lines.empty() || lines[0].empty()) {
        reportFlat("missing or empty", path);
        return;
    }
    for (const std::vector<double>& line : lines) {
        for (double value : line) {
            if (!std::isfinite(value)) {
                reportFlat("value not finite", path);
                return;
            }
            if (std::fabs(value) > kLargestValue) {
                reportFlat("value too large", path);
                return;
            }
        }
    }
    std::int64_t wanted = static_cast<std::int64_t>(lines.size()) * lines[0].size();
    if (wanted > kMaxValues) {
        reportFlat("too large", path);
        return;
    }
    rows = static_cast<int>(lines.size());
    columns = static_cast<int>(lines[0].size());
    values.assign(static_cast<size_t>(wanted), 0.0f);
    for (int r = 0; r < rows; ++r) {
        const std::vector<double>& row = lines[r];
        int count = std::min(columns, static_cast<int>(row.size()));
        for (int k = 0; k < count; ++k) values[r * columns + k] = static_cast<float>(row[k]);
    }
}

std::vector<float> HeightKernel::resample(int outRows, int outColumns) const {
    if (outRows < 1 || outColumns < 1) return {};
    std::vector<float> out(static_cast<size_t>(outRows) * outColumns, 0.0f);
    if (values.empty()) return out;

    // Neighbours past the last row or column (a 1-wide kernel, or rounding
    // at the far edge) are clamped back onto it.
    auto clampRow = [this](int r) { return std::clamp(r, 0, rows - 1); };
    auto clampColumn = [this](int c) { return std::clamp(c, 0, columns - 1); };
    auto at = [this](int r, int c) { return values[static_cast<size_t>(r) * columns + c]; };

    float stepRow = static_cast<float>(rows - 1) / static_cast<float>(outRows);
    float stepColumn = static_cast<float>(columns - 1) / static_cast<float>(outColumns);
    for (int i = 0; i < outRows; ++i) {
        float d = static_cast<float>(i) * stepRow;
        int r0 = static_cast<int>(d);
        int r1 = static_cast<int>(d + 1);
        float wr0 = static_cast<float>(r1) - d;
        float wr1 = d - static_cast<float>(r0);
        int row0 = clampRow(r0);
        int row1 = clampRow(r1);
        for (int j = 0; j < outColumns; ++j) {
            float h = static_cast<float>(j) * stepColumn;
            int c0 = static_cast<int>(h);
            int c1 = static_cast<int>(h + 1);
            float wc0 = static_cast<float>(c1) - h;
            float wc1 = h - static_cast<float>(c0);
            int col0 = clampColumn(c0);
            int col1 = clampColumn(c1);
            out[static_cast<size_t>(i) * outColumns + j] =
                at(row0, col0) * wr0 * wc0 + at(row1, col0) * wr1 * wc0 +
                at(row0, col1) * wr0 * wc1 + at(row1, col1) * wr1 * wc1;
        }
    }
    return out;
}
