#include <algorithm>
#include <cmath>
#include <limits>

#include "preview/build_preview.h"
#include "preview/work_list.h"
#include "ui/main_window.h"

namespace {

const Text& Separator() {
  static const Text separator = FromUtf8("：     ");
  return separator;
}

const Text& LineEnd() {
  static const Text end = "\r\n";
  return end;
}

// Truncated toward zero; a value beyond the 32-bit range takes the nearest bound.
int32_t PointSizeOf(const Text& sizeText) {
  const double value = std::trunc(TextToNumber(sizeText));
  if (std::isnan(value)) return 0;
  if (value <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (value >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

Text LabelledLine(const 字符格式& record, const Text& sample) {
  return record.faceName + MakeSpaces(NAME_COLUMN_BYTES - TextByteLength(record.faceName)) +
         Separator() + sample + LineEnd();
}

Text LineOf(const 字符格式& record) {
  const Text sample = 编辑框_文本输入.text();
  if (选择框_不显字体名.state() == 1) return sample + LineEnd();
  return LabelledLine(record, sample);
}

void WriteLine(字符格式& record) {
  超级编辑框1.setSelectionStart(TextByteLength(超级编辑框1.content()));
  record.pointSize = PointSizeOf(编辑框_字体大小.text());
  record.textColor = 颜色选择器1.colour();
  超级编辑框1.SetSelectionFormat(record);
  超级编辑框1.setSelectedText(LineOf(record));
}

}  // namespace

void WritePreview(WorkList& workListA, int32_t count) {
  if (!超级编辑框1.content().empty()) 超级编辑框1.setContent(Text());
  const int32_t bound = std::min(count, static_cast<int32_t>(workListA.size()));
  for (int32_t k = 0; k < bound; ++k) WriteLine(workListA[static_cast<size_t>(k)]);
}

Text MakeSpaces(int32_t count) {
  return count > 0 ? Text(static_cast<size_t>(count), ' ') : Text();
}
