// SPDX-License-Identifier: MIT
// UTF-8 inside the game, UTF-16 at the Windows calls (Windows builds only).
#pragma once

#include <string>

std::wstring wideFromUtf8(const std::string& text);
std::string utf8FromWide(const std::wstring& text);
