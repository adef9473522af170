#include "ui/aux_handlers.h"

#include "host/platform.h"
#include "ui/main_window.h"

namespace {

constexpr double SIZE_STEP = 1.0;
constexpr int32_t NO_ICON = -1;

void AddToFontSize(double amount) {
  const double size = TextToNumber(编辑框_字体大小.text());
  编辑框_字体大小.setText(NumberToText(size + amount));
}

}  // namespace

void StepFontSize(int32_t step) {
  if (step == 1) AddToFontSize(SIZE_STEP);
  if (step == -1) AddToFontSize(-SIZE_STEP);
}

void ShowKeywordHint(uint16_t, uint16_t, int32_t) {
  // A plain sum: the window's frame position plus client coordinates, no frame allowance.
  const int32_t x = 主窗口.left() + 编辑框_关键字.left();
  const int32_t y = 主窗口.top() + 编辑框_关键字.top() + 编辑框_关键字.height();
  PopBalloonTip(气球提示框1, x, y, FromUtf8(KEYWORD_HINT), NO_ICON);
}

void ScrollPreviewOnWheel(int32_t, int32_t) { 超级编辑框1.ScrollByLines(1); }

void OpenAuthorPage(uint16_t, uint16_t, int32_t) { OpenWebAddress(FromUtf8(AUTHOR_PAGE)); }
