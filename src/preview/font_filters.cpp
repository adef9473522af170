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

// A list's valid records never run past its slots.
int32_t Bounded(int32_t count, const WorkList& list) {
  return std::min(count, static_cast<int32_t>(list.size()));
}

void Keep(const 字符格式& record, int32_t& count, WorkList& output) {
  ++count;
  output[static_cast<size_t>(count - 1)].faceName = record.faceName;
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
  int32_t countAfterVertical = 0;
  const int32_t bound = Bounded(fontCount, fontCatalogue);
  for (int32_t i = 0; i < bound; ++i) {
    const 字符格式& record = fontCatalogue[static_cast<size_t>(i)];
    if (!Contains(record.faceName, VerticalMark())) Keep(record, countAfterVertical, workListA);
  }
  return countAfterVertical;
}

int32_t FilterKeyword(const WorkList& workListA, int32_t countAfterVertical, WorkList& workListB) {
  if (编辑框_关键字.text().empty()) {
    workListB = workListA;
    return countAfterVertical;
  }
  int32_t countAfterKeyword = 0;
  const int32_t bound = Bounded(countAfterVertical, workListA);
  for (int32_t i = 0; i < bound; ++i) {
    const Text keyword = 编辑框_关键字.text();
    const 字符格式& record = workListA[static_cast<size_t>(i)];
    if (Contains(record.faceName, keyword)) Keep(record, countAfterKeyword, workListB);
  }
  return countAfterKeyword;
}

int32_t FilterLatinLetters(const WorkList& workListB, int32_t countAfterKeyword,
                           WorkList& workListA) {
  if (选择框_不显不显示英文字体.state() != 1) {
    workListA = workListB;
    return countAfterKeyword;
  }
  int32_t countAfterLatin = 0;
  const int32_t bound = Bounded(countAfterKeyword, workListB);
  for (int32_t i = 0; i < bound; ++i) {
    const 字符格式& record = workListB[static_cast<size_t>(i)];
    if (HasNoLatinLetter(record) == 1) Keep(record, countAfterLatin, workListA);
  }
  return countAfterLatin;
}

int32_t HasNoLatinLetter(const 字符格式& record) {
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    if (Contains(record.faceName, Text(1, letter))) return 0;
  }
  return 1;
}
