#pragma once
// "一键浏览": narrows the catalogue through three filters and writes one preview line per font.
#include <cstdint>

#include "catalogue/char_format.h"

// Byte width of the name column of a labelled line.
inline constexpr int32_t NAME_COLUMN_BYTES = 20;

// Handler of the click of 按钮1.
void BuildPreview();

// 1 when the record's face name holds none of the letters a to z in either case, else 0.
int32_t HasNoLatinLetter(const 字符格式& record);

// A new text of `count` spaces; empty for a count of 0 or less.
Text MakeSpaces(int32_t count);
