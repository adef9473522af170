#pragma once
// The preview's working lists: per-press copies of catalogue records.
#include <cstdint>
#include <vector>

#include "catalogue/char_format.h"

using WorkList = std::vector<字符格式>;

// A list of default records, as many slots as the catalogue has (never fewer than
// CATALOGUE_SLOTS), so that every catalogued font can reach the preview.
WorkList NewWorkList();

// The filters of one press, in the order they run. Each reads the valid records of its input,
// fills its output in place when its control switches it on (only the face name is copied),
// or replaces the whole output by a deep copy of the whole input when it is off, and returns
// the output's count.
int32_t FilterVerticalFonts(WorkList& workListA);
int32_t FilterKeyword(const WorkList& workListA, int32_t countAfterVertical, WorkList& workListB);
int32_t FilterLatinLetters(const WorkList& workListB, int32_t countAfterKeyword,
                           WorkList& workListA);

// Empties the preview box and writes the first `count` records of the list into it.
void WritePreview(WorkList& workListA, int32_t count);
