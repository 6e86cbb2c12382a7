#include "geometry/height_kernel.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// A bigger grid is no mountain profile; refusing it keeps a broken file from
// exhausting memory.
constexpr std::int64_t kMaxValues = 1 << 24;

// Like atof: leading blanks skipped, the longest leading number taken, 0 if
// there is none.
float valueOf(const std::string& text) { return static_cast<float>(std::atof(text.c_str())); }

// The fields of one line: a comma at the very end adds no field, an empty
// field between commas is one.
std::vector<float> valuesOfLine(const std::string& line) {
    std::vector<float> values;
    std::istringstream fields(line);
    std::string field;
    while (std::getline(fields, field, ',')) values.push_back(valueOf(field));
    return values;
}

void reportFlat(const char* problem, const std::string& path) {
    std::printf("Mountain kernel %s: %s, the mountains stay flat\n", problem, path.c_str());
}

}  // namespace

// The grid is rows x columns with rows = lines and columns = values on the
// first line. A shorter line is filled with 0 and a longer one is cut, so an
// uneven file never reaches outside `values`.
HeightKernel::HeightKernel(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::vector<float>> lines;
    std::string line;
    while (std::getline(file, line)) lines.push_back(valuesOfLine(line));

    if (lines.empty() || lines[0].empty()) {
        reportFlat("missing or empty", path);
        return;
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
        const std::vector<float>& row = lines[r];
        int count = std::min(columns, static_cast<int>(row.size()));
        std::copy(row.begin(), row.begin() + count, values.begin() + r * columns);
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
