// SPDX-License-Identifier: MIT
// Reads decimal numbers from text the same way in every locale.
#pragma once

// The number at the start of [begin, end), read as atof and scanf's "%f" do
// in the C locale, whatever locale the program runs in: leading blanks
// skipped, an optional sign, then the longest decimal number (digits, point,
// exponent) or "inf"/"nan". A number too large for the type becomes infinite,
// one too small 0. Returns the end of the number, or null when the text does
// not begin with one (`value` is then 0).
const char* readNumber(const char* begin, const char* end, double& value);
const char* readNumber(const char* begin, const char* end, float& value);
