#include "host/text.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "host/qt_text.h"

Text FromUtf8(std::string_view utf8) {
  return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string ToUtf8(const Text& text) { return ToQString(text).toStdString(); }

size_t CharacterByteLength(const Text& text, size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return 1;
  if (at + 1 < text.size()) {
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second >= 0x30 && second <= 0x39) return 4;
  }
  return 2;
}

namespace {

unsigned char FoldAsciiUpper(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool MatchesAt(const Text& text, size_t at, const Text& pattern, bool ignoreCase) {
  if (text.size() - at < pattern.size()) return false;
  for (size_t k = 0; k < pattern.size(); ++k) {
    auto a = static_cast<unsigned char>(text[at + k]);
    auto b = static_cast<unsigned char>(pattern[k]);
    if (ignoreCase) {
      a = FoldAsciiUpper(a);
      b = FoldAsciiUpper(b);
    }
    if (a != b) return false;
  }
  return true;
}

}  // namespace

int32_t FindTextPos(const Text& text, const Text& pattern, int32_t start, bool ignoreCase) {
  const size_t first = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (first > text.size()) return -1;
  for (size_t i = 0; i < text.size(); i += CharacterByteLength(text, i)) {
    if (i >= first && MatchesAt(text, i, pattern, ignoreCase)) return static_cast<int32_t>(i) + 1;
  }
  // The end of the text is a character start too, where only the empty pattern matches.
  return pattern.empty() ? static_cast<int32_t>(text.size()) + 1 : -1;
}

namespace {

// The text with full-width ASCII (A3 A1..A3 FE) and the full-width space (A1 A1) turned into
// their ASCII forms; other characters are kept as they are.
std::string NarrowFullWidth(const Text& text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t n = CharacterByteLength(text, i);
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = n == 2 && i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      narrow += static_cast<char>(trail - 0x80);
    } else if (lead == 0xA1 && trail == 0xA1) {
      narrow += ' ';
    } else {
      narrow.append(text, i, n);
    }
    i += n;
  }
  return narrow;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(const std::string& s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

}  // namespace

double TextToNumber(const Text& text) {
  const std::string s = NarrowFullWidth(text);
  size_t i = s.find_first_not_of(" \t\r\n\v\f");
  if (i == std::string::npos) return 0;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  const size_t mantissa = i;
  size_t end = SkipDigits(s, i);
  bool anyDigit = end > mantissa;
  if (end < s.size() && s[end] == '.') {
    const size_t fraction = end + 1;
    const size_t afterFraction = SkipDigits(s, fraction);
    if (anyDigit || afterFraction > fraction) {
      anyDigit = true;
      end = afterFraction;
    }
  }
  if (!anyDigit) return 0;
  if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
    size_t e = end + 1;
    if (e < s.size() && (s[e] == '+' || s[e] == '-')) ++e;
    const size_t exponentEnd = SkipDigits(s, e);
    if (exponentEnd > e) end = exponentEnd;
  }
  double value = 0;
  const auto [ptr, ec] = std::from_chars(s.data() + mantissa, s.data() + end, value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone; tell overflow from underflow by the exponent's sign.
    const size_t e = s.find_first_of("eE", mantissa);
    const bool tiny = e < end && e + 1 < end && s[e + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return negative ? -value : value;
}

Text NumberToText(double value) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 13);
  if (ec != std::errc()) return Text();
  return Text(buffer, end);
}

Bytes TextToBytes(const Text& text) { return text; }

int32_t TextByteLength(const Text& text) {
  constexpr auto most = static_cast<size_t>(std::numeric_limits<int32_t>::max());
  return text.size() > most ? std::numeric_limits<int32_t>::max()
                            : static_cast<int32_t>(text.size());
}
