#include "catalogue/catalogue.h"

#include <algorithm>

#include "host/platform.h"

std::vector<Text> systemFontNames;
std::vector<字符格式> fontCatalogue;
int32_t fontCount = 0;

void InitCatalogue() {
  systemFontNames.assign(CATALOGUE_SLOTS, Text());
  fontCatalogue.assign(CATALOGUE_SLOTS, 字符格式());
}

void LoadFontCatalogue() {
  std::vector<Text> names = EnumerateFontNames();
  systemFontNames = std::move(names);
  fontCount = static_cast<int32_t>(systemFontNames.size());
  // Grow rather than drop fonts past the fixed slot count; new slots hold the default record.
  if (fontCatalogue.size() < systemFontNames.size()) {
    fontCatalogue.resize(systemFontNames.size());
  }
  const int32_t count = fontCount;
  for (int32_t i = 0; i < count; ++i) {
    fontCatalogue[static_cast<size_t>(i)].faceName = systemFontNames[static_cast<size_t>(i)];
  }
  SetVisualStyle(3);
}

void ReleaseCatalogue() {
  std::vector<Text>().swap(systemFontNames);
  std::vector<字符格式>().swap(fontCatalogue);
}
