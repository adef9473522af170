#pragma once
// The main window's small handlers: the size spinner, the keyword hint, the preview's wheel and
// the author's page.
#include <cstdint>

// The author's contact address shown in 标签5 and the page that 标签5 opens.
inline constexpr const char* AUTHOR_ADDRESS = "qv@example.org";
inline constexpr const char* AUTHOR_PAGE = "https://example.org/quorvane/";

inline constexpr const char* KEYWORD_HINT =
    "在此输入你想显示在上面的字体的关键字，如果此处为空，默认显示全部字体！";

// 1 raises 编辑框_字体大小 by one, -1 lowers it; any other step changes nothing.
void StepFontSize(int32_t step);

// Pops the keyword hint just below 编辑框_关键字.
void ShowKeywordHint(uint16_t x, uint16_t y, int32_t keyState);

// One extra line towards the end before the box scrolls as usual.
void ScrollPreviewOnWheel(int32_t distance, int32_t keyState);

void OpenAuthorPage(uint16_t x, uint16_t y, int32_t keyState);
