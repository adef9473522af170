#pragma once
// A small reader of the RTF the preview box writes, strict enough to reject anything a word
// processor could misread: unbalanced groups, unknown control words, bad escapes, raw bytes that
// need a code page, references to fonts or colours that the tables do not hold. It also decodes
// the body text and the font names so that callers can check that nothing was lost.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rtfcheck {

struct FontEntry {
  std::string bytes;     // literal ASCII and \'xx bytes, as a code page reader takes them
  std::u16string units;  // literal ASCII and \uN units, as a Unicode reader takes them
};

struct Document {
  std::string error;  // empty when the document is well formed
  std::vector<FontEntry> fonts;
  int colours = 0;      // colour table entries, the automatic first one included
  int paragraphs = 0;   // \par in the body
  std::u16string body;  // the text: \tab is U+0009, \line U+2028, \par U+2029
};

namespace detail {

struct Word {
  const char* name;
  bool takesNumber;
};

// Every word the writer may emit, and whether it carries a number.
inline constexpr Word KNOWN_WORDS[] = {
    {"rtf", true},       {"ansi", false},    {"ansicpg", true},   {"deff", true},
    {"stshfdbch", true}, {"uc", true},       {"fonttbl", false},  {"f", true},
    {"fnil", false},     {"fcharset", true}, {"colortbl", false}, {"red", true},
    {"green", true},     {"blue", true},     {"pard", false},     {"plain", false},
    {"loch", false},     {"hich", false},    {"af", true},        {"dbch", false},
    {"fs", true},        {"up", true},       {"dn", true},        {"b", false},
    {"i", false},        {"ul", false},      {"strike", false},   {"protect", false},
    {"cf", true},        {"par", false},     {"line", false},     {"tab", false},
    {"u", true},
};

inline const Word* FindWord(std::string_view name) {
  for (const Word& w : KNOWN_WORDS)
    if (name == w.name) return &w;
  return nullptr;
}

inline bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : in_(rtf) {}

  Document Read() {
    if (in_.substr(0, 6) != "{\\rtf1") {
      Fail("does not open with {\\rtf1");
      return doc_;
    }
    while (at_ < in_.size() && doc_.error.empty()) Step();
    if (doc_.error.empty() && depth_ != 0) Fail("groups left open at the end");
    if (doc_.error.empty() && in_.back() != '}') Fail("text after the last group");
    return doc_;
  }

 private:
  enum class Place { Body, FontTable, FontEntry, ColourTable };

  void Fail(const std::string& what) {
    if (doc_.error.empty()) doc_.error = what + " at byte " + std::to_string(at_);
  }

  void Step() {
    const char c = in_[at_++];
    if (c == '{') return Open();
    if (c == '}') return Close();
    if (c == '\\') return Escape();
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\n') return;
    if (byte < 0x20 || byte >= 0x7f) return Fail("raw byte " + std::to_string(byte));
    Literal(c);
  }

  void Open() {
    ++depth_;
    if (place_ == Place::FontTable && depth_ == tableDepth_ + 1) {
      place_ = Place::FontEntry;
      doc_.fonts.emplace_back();
      entryClosed_ = false;
    }
  }

  void Close() {
    if (--depth_ < 0) return Fail("a group closes below depth 0");
    if (depth_ == 0 && at_ != in_.size()) return Fail("the document ends before its text");
    if (place_ == Place::FontEntry && depth_ == tableDepth_) {
      if (!entryClosed_) return Fail("a font entry without its ';'");
      place_ = Place::FontTable;
    } else if ((place_ == Place::FontTable || place_ == Place::ColourTable) &&
               depth_ < tableDepth_) {
      place_ = Place::Body;
    }
  }

  void Literal(char c) {
    switch (place_) {
      case Place::Body:
        doc_.body += static_cast<char16_t>(c);
        break;
      case Place::FontEntry:
        if (entryClosed_) return Fail("text after a font entry's ';'");
        if (c == ';') {
          entryClosed_ = true;
        } else {
          doc_.fonts.back().bytes += c;
          doc_.fonts.back().units += static_cast<char16_t>(c);
        }
        break;
      case Place::ColourTable:
        if (c != ';') return Fail("text in the colour table");
        ++doc_.colours;
        break;
      case Place::FontTable:
        return Fail("text between font entries");
    }
  }

  void Escape() {
    if (at_ >= in_.size()) return Fail("a backslash ends the document");
    const char c = in_[at_];
    if (c == '\\' || c == '{' || c == '}') {
      ++at_;
      return EscapedLiteral(c);
    }
    if (c == '\'') return HexByte();
    if (!IsLower(c)) return Fail(std::string("unknown control symbol \\") + c);
    ControlWord();
  }

  void EscapedLiteral(char c) {
    if (place_ == Place::Body) doc_.body += static_cast<char16_t>(c);
    if (place_ == Place::FontEntry && !entryClosed_) {
      doc_.fonts.back().bytes += c;
      doc_.fonts.back().units += static_cast<char16_t>(c);
    }
  }

  void HexByte() {
    ++at_;
    if (at_ + 2 > in_.size()) return Fail("\\' without two hex digits");
    const int high = HexValue(in_[at_]);
    const int low = HexValue(in_[at_ + 1]);
    if (high < 0 || low < 0) return Fail("\\' without two hex digits");
    at_ += 2;
    if (place_ != Place::FontEntry || entryClosed_) return Fail("\\'xx outside a font name");
    const int byte = high * 16 + low;
    doc_.fonts.back().bytes += static_cast<char>(byte);
    // An ASCII byte reads the same in every code page, so a Unicode reader takes it too.
    if (byte < 0x80) doc_.fonts.back().units += static_cast<char16_t>(byte);
  }

  void ControlWord() {
    const size_t start = at_;
    while (at_ < in_.size() && IsLower(in_[at_])) ++at_;
    const std::string_view name = in_.substr(start, at_ - start);
    const Word* word = FindWord(name);
    if (!word) return Fail("unknown control word \\" + std::string(name));
    bool hasNumber = false;
    int64_t number = 0;
    if (!ReadNumber(hasNumber, number)) return;
    if (hasNumber != word->takesNumber)
      return Fail("\\" + std::string(name) + (hasNumber ? " with" : " without") + " number");
    if (at_ < in_.size() && in_[at_] == ' ') ++at_;
    Apply(name, number);
  }

  bool ReadNumber(bool& hasNumber, int64_t& number) {
    const bool negative = at_ < in_.size() && in_[at_] == '-';
    if (negative) ++at_;
    size_t digits = 0;
    while (at_ < in_.size() && IsDigit(in_[at_])) {
      number = number * 10 + (in_[at_++] - '0');
      if (++digits > 10) {
        Fail("a number of more than ten digits");
        return false;
      }
    }
    if (negative && digits == 0) {
      Fail("a lone '-' after a control word");
      return false;
    }
    if (negative) number = -number;
    if (number < INT32_MIN || number > INT32_MAX) {
      Fail("a number beyond 32 bits");
      return false;
    }
    hasNumber = digits > 0;
    return true;
  }

  void Apply(std::string_view name, int64_t n) {
    if (name == "fonttbl" || name == "colortbl") return OpenTable(name);
    if (name == "u") return Unicode(n);
    if (place_ == Place::FontEntry) {
      if (name == "f" && n != static_cast<int64_t>(doc_.fonts.size()) - 1)
        Fail("font entries out of order");
      return;
    }
    if (place_ != Place::Body) {
      if (name == "par" || name == "line" || name == "tab") Fail("a break inside a table");
      return;
    }
    if ((name == "f" || name == "af") && (n < 0 || n >= static_cast<int64_t>(doc_.fonts.size())))
      return Fail("a font that the table does not hold");
    if (name == "cf" && (n < 0 || n >= doc_.colours))
      return Fail("a colour that the table does not hold");
    if (name == "fs" && n <= 0) return Fail("a size of no points");
    if (name == "par") {
      ++doc_.paragraphs;
      doc_.body += u'\u2029';
    }
    if (name == "line") doc_.body += u'\u2028';
    if (name == "tab") doc_.body += u'\t';
  }

  void OpenTable(std::string_view name) {
    if (place_ != Place::Body || depth_ != 2) return Fail("a table inside a table");
    place_ = name == "fonttbl" ? Place::FontTable : Place::ColourTable;
    tableDepth_ = depth_;
  }

  // \uN takes the signed 16-bit value and skips the one fallback character "?" after it.
  void Unicode(int64_t n) {
    if (n < -32768 || n > 32767) return Fail("\\u beyond 16 bits");
    if (at_ >= in_.size() || in_[at_] != '?') return Fail("\\u without its '?'");
    ++at_;
    const auto unit = static_cast<char16_t>(static_cast<uint16_t>(n));
    if (place_ == Place::Body) doc_.body += unit;
    if (place_ == Place::FontEntry && !entryClosed_) doc_.fonts.back().units += unit;
    if (place_ == Place::FontTable || place_ == Place::ColourTable) Fail("\\u between entries");
  }

  std::string_view in_;
  size_t at_ = 0;
  int depth_ = 0;
  Place place_ = Place::Body;
  int tableDepth_ = 0;
  bool entryClosed_ = false;
  Document doc_;
};

}  // namespace detail

// Reads rtf; Document::error names the first fault.
inline Document Read(std::string_view rtf) { return detail::Reader(rtf).Read(); }

}  // namespace rtfcheck
