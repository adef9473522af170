#include "host/rtf_writer.h"

#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <charconv>
#include <limits>
#include <unordered_map>
#include <vector>

#include "catalogue/char_format.h"
#include "host/qt_text.h"
#include "host/rich_text_format.h"

namespace {

// The values a run is written with: the record the box applied, or what Qt knows of a run
// that never went through a record.
struct RunStyle {
  Bytes face;
  int64_t pointSize = 9;
  int64_t baselineOffset = 0;
  uint32_t effects = 0;
  int32_t textColor = DEFAULT_COLOR;
};

int32_t ColourFromQt(const QBrush& brush) {
  if (brush.style() == Qt::NoBrush) return DEFAULT_COLOR;
  const QColor c = brush.color();
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

uint32_t EffectsFromQt(const QFont& font) {
  uint32_t effects = 0;
  if (font.bold()) effects |= EFFECT_BOLD;
  if (font.italic()) effects |= EFFECT_ITALIC;
  if (font.underline()) effects |= EFFECT_UNDERLINE;
  if (font.strikeOut()) effects |= EFFECT_STRIKE_OUT;
  return effects;
}

// A run that never went through a record is written as Qt shows it.
RunStyle StyleFromQt(const QTextCharFormat& format, const QFont& defaultFont) {
  const QFont font = format.font().resolve(defaultFont);
  RunStyle style;
  style.face = FromQString(font.families().value(0, font.family()));
  style.pointSize = std::max(1, font.pointSize());
  style.effects = EffectsFromQt(font);
  style.textColor = ColourFromQt(format.foreground());
  return style;
}

RunStyle ReadRunStyle(const QTextCharFormat& format, const QFont& defaultFont) {
  using namespace richtext;
  if (!format.hasProperty(FaceNameBytes)) return StyleFromQt(format, defaultFont);
  const QByteArray face = format.property(FaceNameBytes).toByteArray();
  RunStyle style;
  style.face.assign(face.constData(), static_cast<size_t>(face.size()));
  style.pointSize = format.intProperty(PointSize);
  style.baselineOffset = format.intProperty(BaselineOffset);
  style.effects = static_cast<uint32_t>(format.intProperty(Effects));
  style.textColor = format.intProperty(TextColor);
  return style;
}

void AppendNumber(std::string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

void AppendHexByte(std::string& out, unsigned char byte) {
  static constexpr char HEX[] = "0123456789abcdef";
  out += "\\'";
  out += HEX[byte >> 4];
  out += HEX[byte & 15];
}

// The longest form of one UTF-16 unit: \u-32768?
constexpr size_t MAX_UNIT_BYTES = 9;

// One UTF-16 unit as \uN with the signed 16-bit value RTF asks for and a "?" for readers
// that do not know \u; a character above U+FFFF is thus a surrogate pair of two of these.
char* WriteUnicodeUnit(char* p, char16_t unit) {
  *p++ = '\\';
  *p++ = 'u';
  p = std::to_chars(p, p + 6, static_cast<int16_t>(unit)).ptr;
  *p++ = '?';
  return p;
}

void AppendUnicodeUnit(std::string& out, char16_t unit) {
  char form[MAX_UNIT_BYTES];
  out.append(form, WriteUnicodeUnit(form, unit));
}

// An ASCII byte inside a font table entry: ";" ends an entry and braces or a backslash would
// end the group, so these and control bytes go as hex escapes or symbols.
void AppendNameAscii(std::string& out, unsigned char byte) {
  if (byte == '\\' || byte == '{' || byte == '}') {
    out += '\\';
    out += static_cast<char>(byte);
  } else if (byte == ';' || byte < 0x20 || byte == 0x7f) {
    AppendHexByte(out, byte);
  } else {
    out += static_cast<char>(byte);
  }
}

enum class NameForm { Ascii, Gbk, Unicode };

// Word processors read \'xx bytes of a \fcharset134 font as GBK; a name that GBK cannot hold
// byte for byte (four-byte GB18030 sequences) goes as \uN instead.
NameForm ClassifyName(const Bytes& face) {
  if (std::all_of(face.begin(), face.end(), [](char c) { return (c & 0x80) == 0; }))
    return NameForm::Ascii;
  QStringEncoder gbk("GBK");
  const QByteArray bytes = gbk.encode(ToQString(face));
  const bool same = !gbk.hasError() && bytes.size() == static_cast<qsizetype>(face.size()) &&
                    std::equal(face.begin(), face.end(), bytes.begin());
  return same ? NameForm::Gbk : NameForm::Unicode;
}

void AppendFontName(std::string& out, const Bytes& face, NameForm form) {
  if (form == NameForm::Unicode) {
    for (const QChar c : ToQString(face)) {
      if (c.unicode() < 0x80)
        AppendNameAscii(out, static_cast<unsigned char>(c.unicode()));
      else
        AppendUnicodeUnit(out, c.unicode());
    }
    return;
  }
  for (size_t i = 0; i < face.size(); ++i) {
    const auto byte = static_cast<unsigned char>(face[i]);
    if (byte < 0x80) {
      AppendNameAscii(out, byte);
      continue;
    }
    AppendHexByte(out, byte);
    if (i + 1 < face.size()) AppendHexByte(out, static_cast<unsigned char>(face[++i]));
  }
}

void AppendFontEntry(std::string& out, int index, const Bytes& face) {
  const NameForm form = ClassifyName(face);
  out += "{\\f";
  AppendNumber(out, index);
  out += form == NameForm::Ascii ? "\\fnil\\fcharset0 " : "\\fnil\\fcharset134 ";
  AppendFontName(out, face, form);
  out += ";}";
}

void AppendColourEntry(std::string& out, int32_t colour) {
  out += "\\red";
  AppendNumber(out, colour & 0xff);
  out += "\\green";
  AppendNumber(out, (colour >> 8) & 0xff);
  out += "\\blue";
  AppendNumber(out, (colour >> 16) & 0xff);
  out += ';';
}

// Characters that a document holds but a reader should not see: frame markers and the object
// replacement character of Qt.
bool IsHiddenCharacter(char16_t unit) { return unit == 0xfdd0 || unit == 0xfdd1 || unit == 0xfffc; }

char* WriteLiteral(char* p, std::string_view literal) {
  return std::copy(literal.begin(), literal.end(), p);
}

// The hot loop of the writer: it fills room reserved for the worst case through a plain pointer.
void AppendBodyText(std::string& out, QStringView text) {
  const size_t used = out.size();
  out.resize(used + static_cast<size_t>(text.size()) * MAX_UNIT_BYTES);
  char* p = out.data() + used;
  for (const QChar qc : text) {
    const char16_t c = qc.unicode();
    if (c >= 0x20 && c < 0x7f) {  // DEL is a control character and goes as \u127
      if (c == '\\' || c == '{' || c == '}') *p++ = '\\';
      *p++ = static_cast<char>(c);
    } else if (c == '\t') {
      p = WriteLiteral(p, "\\tab ");
    } else if (c == QChar::LineSeparator) {
      p = WriteLiteral(p, "\\line ");
    } else if (!IsHiddenCharacter(c)) {
      p = WriteUnicodeUnit(p, c);
    }
  }
  out.resize(static_cast<size_t>(p - out.data()));
}

// Symmetric, so that the magnitude written after \up or \dn fits 32 bits as well.
int64_t Clamp32(int64_t value) {
  return std::clamp<int64_t>(value, -std::numeric_limits<int32_t>::max(),
                             std::numeric_limits<int32_t>::max());
}

class RtfBuilder {
 public:
  explicit RtfBuilder(const QTextDocument& doc) : defaultFont_(doc.defaultFont()) {
    body_.reserve(static_cast<size_t>(doc.characterCount()) * 8 + 256);
  }

  template <typename GetFormat>
  void AppendRun(QStringView text, int formatIndex, GetFormat getFormat) {
    SwitchTo(formatIndex, getFormat);
    AppendBodyText(body_, text);
  }

  template <typename GetFormat>
  void AppendParagraphEnd(int formatIndex, GetFormat getFormat) {
    SwitchTo(formatIndex, getFormat);
    body_ += "\\par\n";
  }

  Bytes Finish() {
    if (openFormat_ >= 0) body_ += '}';
    Bytes out;
    out.reserve(body_.size() + 64 * faces_.size() + 32 * colours_.size() + 128);
    out += "{\\rtf1\\ansi\\ansicpg936";
    // A default East Asian face other than Word's 31505 also tells LibreOffice not to imitate
    // old Word's wider runs of spaces by inserting six-per-em spaces into the text.
    if (!faces_.empty()) out += "\\deff0\\stshfdbch0";
    out += "\\uc1\n{\\fonttbl";
    for (size_t i = 0; i < faces_.size(); ++i) AppendFontEntry(out, static_cast<int>(i), faces_[i]);
    out += "}\n{\\colortbl;";  // the empty first entry is the automatic colour
    for (const int32_t colour : colours_) AppendColourEntry(out, colour);
    out += "}\n\\pard\\plain\n";
    out += body_;
    out += '}';
    return out;
  }

 private:
  template <typename GetFormat>
  void SwitchTo(int formatIndex, GetFormat getFormat) {
    if (formatIndex == openFormat_) return;
    if (openFormat_ >= 0) body_ += '}';
    openFormat_ = formatIndex;
    body_ += Prefix(formatIndex, getFormat);
  }

  // The control words of a run format, made once per format of the document.
  template <typename GetFormat>
  const std::string& Prefix(int formatIndex, GetFormat getFormat) {
    const auto index = static_cast<size_t>(formatIndex);
    if (index >= prefixSlots_.size()) prefixSlots_.resize(index + 1, -1);
    if (prefixSlots_[index] < 0) {
      prefixSlots_[index] = static_cast<int>(prefixes_.size());
      prefixes_.push_back(MakePrefix(ReadRunStyle(getFormat(), defaultFont_)));
    }
    return prefixes_[static_cast<size_t>(prefixSlots_[index])];
  }

  std::string MakePrefix(const RunStyle& style) {
    std::string p = "{\\loch\\f";
    const int font = FontIndex(style.face);
    AppendNumber(p, font);
    p += "\\hich\\af";
    AppendNumber(p, font);
    p += "\\dbch\\af";
    AppendNumber(p, font);
    p += "\\fs";
    AppendNumber(p, Clamp32(std::max<int64_t>(style.pointSize, 1) * 2));
    const int64_t offset = Clamp32(style.baselineOffset * 2);
    if (offset != 0) {
      p += offset > 0 ? "\\up" : "\\dn";
      AppendNumber(p, offset > 0 ? offset : -offset);
    }
    if (style.effects & EFFECT_BOLD) p += "\\b";
    if (style.effects & EFFECT_ITALIC) p += "\\i";
    if (style.effects & EFFECT_UNDERLINE) p += "\\ul";
    if (style.effects & EFFECT_STRIKE_OUT) p += "\\strike";
    if (style.effects & EFFECT_PROTECTED) p += "\\protect";
    p += "\\cf";
    AppendNumber(p, ColourIndex(style.textColor));
    p += ' ';
    return p;
  }

  int FontIndex(const Bytes& face) {
    const auto [it, added] = fontIndex_.try_emplace(face, static_cast<int>(faces_.size()));
    if (added) faces_.push_back(face);
    return it->second;
  }

  int ColourIndex(int32_t colour) {
    if (colour == DEFAULT_COLOR) return 0;
    const int32_t rgb = colour & 0xffffff;
    const auto [it, added] = colourIndex_.try_emplace(rgb, static_cast<int>(colours_.size()) + 1);
    if (added) colours_.push_back(rgb);
    return it->second;
  }

  QFont defaultFont_;
  std::string body_;
  int openFormat_ = -1;
  std::vector<int> prefixSlots_;
  std::vector<std::string> prefixes_;
  std::vector<Bytes> faces_;
  std::unordered_map<Bytes, int> fontIndex_;
  std::vector<int32_t> colours_;
  std::unordered_map<int32_t, int> colourIndex_;
};

void AppendBlockRuns(RtfBuilder& builder, const QTextBlock& block, int from, int to) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int start = fragment.position();
    const int first = std::max(start, from);
    const int last = std::min(start + fragment.length(), to);
    if (first >= last) continue;
    const QString text = fragment.text();
    builder.AppendRun(QStringView(text).mid(first - start, last - first),
                      fragment.charFormatIndex(), [&] { return fragment.charFormat(); });
  }
}

}  // namespace

Bytes WriteRtf(const QTextDocument& doc, int from, int to) {
  RtfBuilder builder(doc);
  for (QTextBlock block = doc.findBlock(std::max(from, 0));
       block.isValid() && block.position() < to; block = block.next()) {
    AppendBlockRuns(builder, block, from, to);
    // The break that ends a block carries the format of the block after it (Qt stores a
    // block's format on the break before it).
    const QTextBlock next = block.next();
    const int breakPosition = block.position() + block.length() - 1;
    if (next.isValid() && breakPosition >= from && breakPosition < to)
      builder.AppendParagraphEnd(next.charFormatIndex(), [&] { return next.charFormat(); });
  }
  return builder.Finish();
}

Bytes WriteRtf(const QTextDocument& doc) { return WriteRtf(doc, 0, doc.characterCount() - 1); }
