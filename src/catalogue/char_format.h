#pragma once
// The character-format record of the rich-text box.
#include <cstdint>

#include "host/text.h"

// Stands for the automatic text colour instead of a colour value.
inline constexpr int32_t DEFAULT_COLOR = -16777216;  // 0xFF000000

// Effect bits; higher bits are ignored when a record is applied.
inline constexpr uint32_t EFFECT_BOLD = 1;
inline constexpr uint32_t EFFECT_ITALIC = 2;
inline constexpr uint32_t EFFECT_UNDERLINE = 4;
inline constexpr uint32_t EFFECT_STRIKE_OUT = 8;
inline constexpr uint32_t EFFECT_PROTECTED = 16;

// The face every record starts with.
const Text& DefaultFaceName();

struct 字符格式 {
  Text faceName = DefaultFaceName();
  int32_t pointSize = 9;
  int32_t baselineOffset = 0;
  uint32_t effects = 0;
  int32_t textColor = DEFAULT_COLOR;  // 0x00BBGGRR

  bool operator==(const 字符格式&) const = default;
};
