// Text services: searches, numbers and the GB18030 conversions.
#include <gtest/gtest.h>

#include <cmath>

#include "host/qt_text.h"
#include "host/text.h"

namespace {

struct FindCase {
  const char* text;  // UTF-8, converted to GB18030
  const char* pattern;
  int32_t start;
  bool ignoreCase;
  int32_t expected;
};

TEST(FindTextPos, FindsByteFirstMatchAtCharacterStarts) {
  const FindCase cases[] = {
      {"Arial", "ri", 1, false, 2},
      {"Arial", "RI", 1, false, -1},
      {"Arial", "RI", 1, true, 2},
      {"arial", "AR", 1, true, 1},
      {"@宋体", "@", 1, true, 1},
      {"宋体@", "@", 1, true, 5},
      {"宋体", "@", 1, true, -1},
      {"宋体", "体", 1, true, 3},
      {"a宋b", "b", 1, true, 4},
      {"aXbX", "x", 3, true, 4},
      {"abc", "abcd", 1, false, -1},
      {"", "a", 1, true, -1},
      {"", "", 1, true, 1},
      {"abc", "", 2, true, 2},
      {"abc", "c", 0, false, 3},
      {"abc", "c", 5, false, -1},
      // Full-width letters are double-byte characters, not ASCII letters.
      {"ＡＢＣ", "a", 1, true, -1},
      // A Korean name keeps its 4-byte GB18030 sequences; an ASCII digit inside one is no hit.
      {"맑은 고딕", "고", 1, true, 10},
      {"맑은", "1", 1, true, -1},
  };
  for (const FindCase& c : cases) {
    EXPECT_EQ(FindTextPos(FromUtf8(c.text), FromUtf8(c.pattern), c.start, c.ignoreCase), c.expected)
        << c.text << " / " << c.pattern << " from " << c.start;
  }
}

TEST(FindTextPos, NeverMatchesAcrossTwoDoubleByteCharacters) {
  // Built from bytes: the pair across the boundary of two characters is itself a character.
  const Text name = "\xB0\xA1\xB0\xA1";  // two characters B0A1 B0A1
  const Text across = "\xA1\xB0";        // the bytes across their boundary
  ASSERT_NE(name.find(across), Text::npos);
  EXPECT_EQ(FindTextPos(name, across, 1, true), -1);
  EXPECT_EQ(FindTextPos(name, "\xB0\xA1", 1, true), 1);
}

TEST(FindTextPos, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(FindTextPos("\xC0", "\xE0", 1, true), -1);  // Latin-1 style case pairs stay apart
  EXPECT_EQ(FindTextPos("[", "{", 1, true), -1);
}

TEST(TextToNumber, ReadsTheLongestNumericPrefix) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"15", 15}, {"12.9", 12.9}, {"-2.5", -2.5}, {" 12.5e1x", 125}, {"１２", 12},  {"　７", 7},
      {"-", 0},   {"--1", 0},     {"", 0},        {"abc", 0},        {".5", 0.5},   {"5.", 5},
      {"+3", 3},  {"1e", 1},      {"1e+2", 100},  {"2E-1", 0.2},     {"\t\n 8", 8}, {"nan", 0},
      {"inf", 0}, {"0x10", 0},    {"99abc", 99},  {"－３", -3},      {"1,5", 1},    {"1e-400", 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(TextToNumber(FromUtf8(c.text)), c.expected) << c.text;
  }
  EXPECT_TRUE(std::isinf(TextToNumber("1e400")));
  EXPECT_LT(TextToNumber("-1e400"), 0);
}

TEST(NumberToText, UsesThirteenSignificantDigits) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {
      {16, "16"},      {15.5, "15.5"},   {-1, "-1"},
      {0, "0"},        {100, "100"},     {1.0 / 3, "0.3333333333333"},
      {1e20, "1e+20"}, {-0.25, "-0.25"}, {1234567890123.0, "1234567890123"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
}

TEST(TextByteLength, CountsGbkBytes) {
  EXPECT_EQ(TextByteLength(FromUtf8("宋体")), 4);
  EXPECT_EQ(TextByteLength(FromUtf8("Arial")), 5);
  EXPECT_EQ(TextByteLength(FromUtf8("：     ")), 7);
  EXPECT_EQ(TextByteLength(FromUtf8("맑")), 4);
  EXPECT_EQ(TextByteLength(""), 0);
  EXPECT_EQ(TextToBytes(FromUtf8("宋体")), "\xCB\xCE\xCC\xE5");
}

TEST(Gb18030, RoundTripsEveryUnicodeName) {
  for (const char* name : {"宋体", "Arial", "맑은 고딕", "𠀀𠀁", "Ｍｓ　Ｍｉｎｃｈｏ", "é{}\\;"}) {
    EXPECT_EQ(ToUtf8(FromUtf8(name)), name);
  }
  EXPECT_EQ(FromUtf8("：     "), "\xA3\xBA     ");
}

TEST(Gb18030, KeepsATrailingLoneLeadByteVisible) {
  const QString decoded = ToQString(Text("ab\xB0"));
  ASSERT_EQ(decoded.size(), 3);
  EXPECT_EQ(decoded[2], QChar::ReplacementCharacter);
}

}  // namespace
