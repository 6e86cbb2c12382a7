// SPDX-License-Identifier: MIT
// Reading decimal numbers from text the same way in every locale.
#include "geometry/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <class T>
const char* readAny(const char* begin, const char* end, T& value) {
    value = 0;
    const char* p = begin;
    while (p < end && isBlank(*p)) ++p;
    // from_chars takes a '-' but no '+'.
    bool plus = p < end && *p == '+';
    if (plus) ++p;
    if (plus && p < end && *p == '-') return nullptr;
    T parsed = 0;
    const std::from_chars_result r = std::from_chars(p, end, parsed, std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) return nullptr;
    if (r.ec == std::errc::result_out_of_range) {
        // Beyond the type: a negative exponent means it underflowed.
        const char* e = std::find_if(p, r.ptr, [](char c) { return c == 'e' || c == 'E'; });
        const bool tiny = e + 1 < r.ptr && e[1] == '-';
        const T huge = std::numeric_limits<T>::infinity();
        parsed = tiny ? T(0) : (*p == '-' ? -huge : huge);
    }
    value = parsed;
    return r.ptr;
}

}  // namespace

const char* readNumber(const char* begin, const char* end, double& value) {
    return readAny(begin, end, value);
}

const char* readNumber(const char* begin, const char* end, float& value) {
    return readAny(begin, end, value);
}
