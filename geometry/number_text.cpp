// SPDX-License-Identifier: MIT
// Reading decimal numbers from text the same way in every locale.
#include "geometry/number_text.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

#ifndef __cpp_lib_to_chars
#include <locale.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>
#endif

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

#ifndef __cpp_lib_to_chars
// Where the standard library has no floating-point from_chars (Emscripten's):
// the text from_chars would take is picked out here and converted in the C
// locale, with from_chars's results.
bool startsWith(const char* p, const char* end, const char* word) {
    for (; *word; ++p, ++word) {
        if (p == end || std::tolower(static_cast<unsigned char>(*p)) != *word) return false;
    }
    return true;
}

const char* numberEnd(const char* p, const char* end) {
    if (p < end && *p == '-') ++p;
    if (startsWith(p, end, "infinity")) return p + 8;
    if (startsWith(p, end, "inf") || startsWith(p, end, "nan")) return p + 3;
    auto digits = [end](const char* q) {
        while (q < end && std::isdigit(static_cast<unsigned char>(*q))) ++q;
        return q;
    };
    const char* q = digits(p);
    bool any = q > p;
    if (q < end && *q == '.') {
        const char* r = digits(q + 1);
        any = any || r > q + 1;
        q = r;
    }
    if (!any) return nullptr;
    if (q < end && (*q == 'e' || *q == 'E')) {
        const char* e = q + 1;
        if (e < end && (*e == '+' || *e == '-')) ++e;
        const char* r = digits(e);
        if (r > e) q = r;
    }
    return q;
}

double toNumber(const char* text, double) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(text, nullptr, c);
}

float toNumber(const char* text, float) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtof_l(text, nullptr, c);
}

template <class T>
std::from_chars_result fromChars(const char* p, const char* end, T& value) {
    const char* last = numberEnd(p, end);
    if (!last) return {p, std::errc::invalid_argument};
    const std::string text(p, last);
    errno = 0;
    const T parsed = toNumber(text.c_str(), T());
    // Out of range either way: beyond the type, or so small it lost precision.
    if (errno == ERANGE && (std::isinf(parsed) || std::fabs(parsed) < std::numeric_limits<T>::min()))
        return {last, std::errc::result_out_of_range};
    value = parsed;
    return {last, std::errc()};
}
#else
template <class T>
std::from_chars_result fromChars(const char* p, const char* end, T& value) {
    return std::from_chars(p, end, value, std::chars_format::general);
}
#endif

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
    const std::from_chars_result r = fromChars(p, end, parsed);
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
