// The RTF form of the preview box on arbitrary documents built as the box builds them: the
// output is always a well-formed document that holds exactly the text of the range, with one
// \par per paragraph break.
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string>

#include "catalogue/char_format.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"
#include "host/rtf_writer.h"
#include "rtf_structure.h"

namespace {

// Takes the fuzz input front to back; past its end every read gives zeros.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Done() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Unit() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  int32_t Int() { return static_cast<int32_t>(uint32_t{Unit()} | uint32_t{Unit()} << 16); }

  std::string Chunk() {
    const size_t length = std::min<size_t>(Byte(), size_ - std::min(at_, size_));
    std::string bytes(reinterpret_cast<const char*>(data_) + at_, length);
    at_ += length;
    return bytes;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void Check(bool condition, const char* what, const Bytes& rtf) {
  if (condition) return;
  std::cerr << what << "\n" << rtf << "\n";
  std::abort();
}

// Faces that have tripped font tables: RTF specials, code page trouble and long names.
const char* const FACES[] = {
    "",
    "宋体",
    "𠀀字体",  // four bytes in GB18030, not GBK
    "{",
    "}",
    "\\",
    ";",
    "a;b{c}d\\e f",
    "\\rtf1{\\fonttbl}",
    "方正兰亭黑简体方正兰亭黑简体方正兰亭黑",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdef",
    "\x81",      // a lead byte alone
    "\x81\x30",  // a four-byte sequence cut short
    "\xff\xfe",
    "\x80",
    "x\x7fy\x01z",
};

Text Face(Input& in) {
  const uint8_t pick = in.Byte();
  if (pick < std::size(FACES)) return FromUtf8(FACES[pick]);
  if (pick < 0xf0) return in.Chunk();  // raw bytes, valid GB18030 or not
  return FromUtf8(FACES[pick % std::size(FACES)]) + in.Chunk();
}

int32_t Number(Input& in) {
  static constexpr int32_t EDGES[] = {0, -1, 1, 9, 15, 1638, 1639, -5, INT_MIN, INT_MAX};
  const uint8_t pick = in.Byte();
  return pick < std::size(EDGES) ? EDGES[pick] : in.Int();
}

int32_t Colour(Input& in) {
  const uint8_t pick = in.Byte();
  if (pick < 0x40) return DEFAULT_COLOR;
  if (pick < 0x80) return pick & 1 ? 0xffffff : 0;
  return in.Int();
}

字符格式 Record(Input& in) {
  字符格式 record;
  record.faceName = Face(in);
  record.pointSize = Number(in);
  record.baselineOffset = Number(in);
  record.effects = static_cast<uint32_t>(in.Int());
  record.textColor = Colour(in);
  return record;
}

QString EveryControlCharacter() {
  QString text;
  for (char16_t c = 0; c < 0x20; ++c) text += QChar(c);
  return text + QChar(0x7f) + QChar(0x85) + QChar(0x2028) + QChar(0x2029) + QChar(0xa0);
}

QString Sample(Input& in) {
  switch (in.Byte() % 5) {
    case 0:  // the program's own way in: GB18030 bytes, whatever they hold
      return ToQString(in.Chunk());
    case 1: {  // any UTF-16 units, lone and paired surrogates included
      QString text;
      for (int n = in.Byte() % 32; n > 0; --n) text += QChar(in.Unit());
      return text;
    }
    case 2:
      return EveryControlCharacter();
    case 3:
      return QString::fromUtf8("{}\\;\r\n测试\t𠀀") + QChar(0xd800) + QChar(0xdc00) + QChar(0xdfff);
    default:
      return QStringLiteral("\r\n");
  }
}

// One of the box's writes: text inserted in a record's format, text without one, or a record
// applied to a stretch of what is there.
void Write(Input& in, QTextCursor& end) {
  const uint8_t op = in.Byte() % 4;
  if (op == 3) {
    QTextCursor range(end.document());
    const int count = end.document()->characterCount();
    range.setPosition(in.Unit() % count);
    range.setPosition(in.Unit() % count, QTextCursor::KeepAnchor);
    range.setCharFormat(CharFormatOf(Record(in)));
    return;
  }
  end.movePosition(QTextCursor::End);
  if (op == 2) return end.insertText(Sample(in));
  const 字符格式 record = Record(in);
  end.insertText(Sample(in), CharFormatOf(record));
}

// The text a reader should find for [from, to): the document's characters, paragraph breaks as
// U+2029, without the object marker that stands for no text.
std::u16string TextOf(const QTextDocument& doc, int from, int to) {
  std::u16string text;
  for (int i = std::max(from, 0); i < std::min(to, doc.characterCount() - 1); ++i) {
    const char16_t c = doc.characterAt(i).unicode();
    if (c != 0xfffc) text += c;
  }
  return text;
}

void CheckRange(const QTextDocument& doc, int from, int to, const Bytes& rtf) {
  const rtfcheck::Document read = rtfcheck::Read(rtf);
  if (!read.error.empty()) Check(false, read.error.c_str(), rtf);
  const std::u16string expected = TextOf(doc, from, to);
  Check(read.body == expected, "the text differs from the document's", rtf);
  const auto breaks = std::count(expected.begin(), expected.end(), u'\u2029');
  Check(read.paragraphs == breaks, "not one \\par per paragraph break", rtf);
}

void EnsureApplication() {
  static QGuiApplication* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_rtf";
    static char* argv[] = {name, nullptr};
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  EnsureApplication();
  Input in(data, size);
  const uint16_t rangeFrom = in.Unit();
  const uint16_t rangeTo = in.Unit();
  QTextDocument doc;
  doc.setUndoRedoEnabled(false);
  doc.setDefaultFont(QFont(ToQString(DefaultFaceName()), 9));
  QTextCursor end(&doc);
  for (int writes = 0; !in.Done() && writes < 64; ++writes) Write(in, end);

  CheckRange(doc, 0, doc.characterCount() - 1, WriteRtf(doc));
  const int count = doc.characterCount();
  const int from = rangeFrom % (count + 6) - 3;
  const int to = rangeTo % (count + 6) - 3;
  CheckRange(doc, from, to, WriteRtf(doc, from, to));
  return 0;
}
