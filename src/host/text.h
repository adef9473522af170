#pragma once
// Text services. Every text of the program is a byte string in the GB18030 code page (the
// superset of GBK), so lengths, widths and search positions count bytes as GBK does.
#include <cstdint>
#include <string>
#include <string_view>

using Text = std::string;
using Bytes = std::string;

// Literals are kept as UTF-8 in the sources and converted once where they are defined.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(const Text& text);

// Bytes of the character that starts at byte `at`: a byte of 0x80 or above takes the next byte
// with it, and a GB18030 four-byte sequence (its second byte a digit) is one character. Near the
// end of a truncated text the answer may reach past the end.
size_t CharacterByteLength(const Text& text, size_t at);

// 1-based byte position of the first match of pattern at or after start, or -1. Matches begin
// only at character starts (a byte of 0x80 or above takes its next byte with it); ignoreCase
// folds A-Z only. An empty pattern matches at the first character start from start on.
int32_t FindTextPos(const Text& text, const Text& pattern, int32_t start = 1,
                    bool ignoreCase = false);

// Full-width ASCII and the full-width space count as ASCII; leading white space is skipped and
// the longest numeric prefix is read. No number gives 0.
double TextToNumber(const Text& text);

// "%.13g" form.
Text NumberToText(double value);

Bytes TextToBytes(const Text& text);
int32_t TextByteLength(const Text& text);
