#include <algorithm>

#include "catalogue/catalogue.h"
#include "preview/build_preview.h"
#include "preview/work_list.h"
#include "ui/main_window.h"

namespace {

const Text& VerticalMark() {
  static const Text mark = FromUtf8("@");
  return mark;
}

bool Contains(const Text& name, const Text& pattern) {
  return FindTextPos(name, pattern, 1, true) != -1;
}

// A switched-on filter: the names of the input's valid records that pass go, in order, into
// the next positions of the output; only the face name of an output record is replaced. Returns
// how many passed. A list's valid records never run past its slots.
template <typename Passes>
int32_t Narrow(const WorkList& input, int32_t count, WorkList& output, Passes passes) {
  int32_t kept = 0;
  const int32_t bound = std::min(count, static_cast<int32_t>(input.size()));
  for (int32_t i = 0; i < bound; ++i) {
    const 字符格式& record = input[static_cast<size_t>(i)];
    if (passes(record)) output[static_cast<size_t>(kept++)].faceName = record.faceName;
  }
  return kept;
}

}  // namespace

WorkList NewWorkList() {
  return WorkList(std::max(fontCatalogue.size(), static_cast<size_t>(CATALOGUE_SLOTS)));
}

int32_t FilterVerticalFonts(WorkList& workListA) {
  if (选择框_不显纵向.state() != 1) {
    workListA = fontCatalogue;
    return fontCount;
  }
  return Narrow(fontCatalogue, fontCount, workListA,
                [](const 字符格式& record) { return !Contains(record.faceName, VerticalMark()); });
}

int32_t FilterKeyword(const WorkList& workListA, int32_t countAfterVertical, WorkList& workListB) {
  if (编辑框_关键字.text().empty()) {
    workListB = workListA;
    return countAfterVertical;
  }
  // The keyword is read afresh for every name.
  return Narrow(workListA, countAfterVertical, workListB, [](const 字符格式& record) {
    return Contains(record.faceName, 编辑框_关键字.text());
  });
}

int32_t FilterLatinLetters(const WorkList& workListB, int32_t countAfterKeyword,
                           WorkList& workListA) {
  if (选择框_不显不显示英文字体.state() != 1) {
    workListA = workListB;
    return countAfterKeyword;
  }
  return Narrow(workListB, countAfterKeyword, workListA,
                [](const 字符格式& record) { return HasNoLatinLetter(record) == 1; });
}

int32_t HasNoLatinLetter(const 字符格式& record) {
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (Contains(record.faceName, Text(1, letter))) return 0;
  }
  return 1;
}
