// Searches, numbers and conversions on arbitrary bytes: no crash, and the results keep their
// promises (a match lies on a character start and really matches; conversions round-trip).
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "host/qt_text.h"
#include "host/text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

unsigned char Fold(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

bool IsCharacterStart(const Text& text, size_t at) {
  size_t i = 0;
  while (i < at) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      i += 1;
    } else if (i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x30 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x39) {
      i += 4;
    } else {
      i += 2;
    }
  }
  return i == at;
}

void CheckSearch(const Text& text, const Text& pattern, int32_t start, bool ignoreCase) {
  const int32_t found = FindTextPos(text, pattern, start, ignoreCase);
  if (found == -1) return;
  Check(found >= 1 && found >= start);
  const auto at = static_cast<size_t>(found - 1);
  Check(at + pattern.size() <= text.size());
  Check(at == text.size() || IsCharacterStart(text, at));
  for (size_t k = 0; k < pattern.size(); ++k) {
    auto a = static_cast<unsigned char>(text[at + k]);
    auto b = static_cast<unsigned char>(pattern[k]);
    Check(ignoreCase ? Fold(a) == Fold(b) : a == b);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t split = data[0] % size;
  const int32_t start = static_cast<int8_t>(data[1]);
  const Text text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const Text pattern = text.substr(0, split);
  const Text haystack = text.substr(split < text.size() ? split : text.size());
  CheckSearch(haystack, pattern, start, (data[0] & 1) != 0);

  const double number = TextToNumber(text);
  const Text printed = NumberToText(number);
  Check(!printed.empty());
  if (number == number && number - number == 0 && (number > 1e-300 || number < -1e-300)) {
    // A finite number prints to a text that reads back within the 13 digits printed.
    const double again = TextToNumber(printed);
    const double scale = number < 0 ? -number : number;
    Check(again - number <= scale * 1e-12 && number - again <= scale * 1e-12);
  }

  const QString decoded = ToQString(text);
  const Text encoded = FromQString(decoded);
  Check(ToQString(encoded) == decoded);
  Check(TextByteLength(text) == static_cast<int32_t>(text.size()));
  return 0;
}
