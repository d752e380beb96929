// Text files the program reads and writes are Shift_JIS (code page 932); the program works in UTF-8.
#pragma once

#include <string>

// UTF-8 to code page 932; a character with no Shift_JIS form becomes "?".
std::string to_sjis(const std::string& utf8);
// Code page 932 to UTF-8; a byte sequence that is not Shift_JIS becomes U+FFFD.
std::string from_sjis(const std::string& sjis);
