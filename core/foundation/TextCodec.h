// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

// Stored texts are bytes. This program writes UTF-8; text that is not valid
// UTF-8 was written by an 8-bit Windows program and is read as Windows-1252.
bool IsValidUtf8(std::string_view s);
std::string Windows1252ToUtf8(std::string_view s);
// Returns s itself when it is valid UTF-8, else its Windows-1252 reading.
std::string ToUtf8(std::string_view s);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view s);

// Blank handling of names and tag texts: blanks, tabs and line ends.
bool IsBlank(char c);
std::string Trim(std::string_view s);
std::string TrimRight(std::string_view s);
std::string ToLowerAscii(std::string_view s);
// Line breaks: the editors use \n, stored texts CR LF.
std::string ToCrLf(std::string_view s);
std::string FromCrLf(std::string_view s);
