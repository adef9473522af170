// The preview box's RTF form: the bytes it writes, and what LibreOffice reads from them.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <climits>

#include "catalogue/char_format.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"
#include "host/rtf_writer.h"
#include "libreoffice_reader.h"

namespace {

字符格式 Record(const char* faceUtf8, int32_t size = 15, int32_t colour = DEFAULT_COLOR) {
  字符格式 r;
  r.faceName = FromUtf8(faceUtf8);
  r.pointSize = size;
  r.textColor = colour;
  return r;
}

// Appends text (UTF-8, "\r\n" ends a line) in the record's format, as the preview writer does.
void Append(QTextDocument& doc, const std::string& utf8, const 字符格式& r) {
  QTextCursor cursor(&doc);
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(QString::fromStdString(utf8), CharFormatOf(r));
}

std::string Rtf(const QTextDocument& doc) { return WriteRtf(doc); }

std::string RtfOfLine(const std::string& utf8, const 字符格式& r) {
  QTextDocument doc;
  Append(doc, utf8, r);
  return Rtf(doc);
}

// The body after the tables: everything from the first paragraph on.
std::string Body(const std::string& rtf) {
  const std::string start = "\\pard\\plain\n";
  const size_t at = rtf.find(start);
  return at == std::string::npos ? "" : rtf.substr(at + start.size());
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// True when the groups of the document nest and close: escaped braces do not count.
bool GroupsBalance(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth < 0) return false;
    if (depth == 0 && i + 1 < rtf.size()) return false;  // text after the document's group
  }
  return depth == 0;
}

TEST(RtfWriter, WritesOneAsciiDocumentWithOneParagraphPerLine) {
  QTextDocument doc;
  Append(doc, "Line one\r\n", Record("Arial"));
  Append(doc, "第二行\r\n", Record("宋体"));
  const std::string rtf = Rtf(doc);

  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg936\\deff0\\stshfdbch0\\uc1\n{\\fonttbl", 0), 0u)
      << rtf;
  EXPECT_TRUE(GroupsBalance(rtf)) << rtf;
  EXPECT_EQ(Count(rtf, "\\par\n"), 2u) << rtf;
  for (const char c : rtf) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << rtf;
  EXPECT_EQ(Body(rtf),
            "{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs30\\cf0 Line one\\par\n}"
            "{\\loch\\f1\\hich\\af1\\dbch\\af1\\fs30\\cf0 \\u31532?\\u20108?\\u-30644?\\par\n}}");
}

TEST(RtfWriter, EscapesBodyText) {
  const struct {
    const char* text;
    const char* written;
  } cases[] = {
      {"a\\b{c}d", "a\\\\b\\{c\\}d"}, {"测", "\\u27979?"},       {"é", "\\u233?"},
      {"가", "\\u-21504?"},           // above U+7FFF: signed 16-bit
      {"𠀀", "\\u-10176?\\u-9216?"},  // above U+FFFF: a surrogate pair
      {"a\tb", "a\\tab b"},           {"a\u2028b", "a\\line b"}, {"x ?y", "x ?y"},
      {"a\177b", "a\\u127?b"},  // DEL is a control character, not text
  };
  for (const auto& c : cases) {
    const std::string body = Body(RtfOfLine(c.text, Record("Arial")));
    EXPECT_EQ(body, std::string("{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs30\\cf0 ") + c.written + "}}")
        << c.text;
  }
}

TEST(RtfWriter, FontTableNamesEveryFaceSafely) {
  const struct {
    const char* face;
    const char* entry;
  } cases[] = {
      {"Arial", "{\\f0\\fnil\\fcharset0 Arial;}"},
      {"宋体", "{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"},
      // Trail bytes 5C, 7B and 7D are a backslash and braces in ASCII.
      {"乗亄亇", "{\\f0\\fnil\\fcharset134 \\'81\\'5c\\'81\\'7b\\'81\\'7d;}"},
      // Four-byte GB18030 characters have no GBK bytes.
      {"À体", "{\\f0\\fnil\\fcharset134 \\u192?\\u20307?;}"},
      {"𠀀字体", "{\\f0\\fnil\\fcharset134 \\u-10176?\\u-9216?\\u23383?\\u20307?;}"},
      {"x{y}z\\w", "{\\f0\\fnil\\fcharset0 x\\{y\\}z\\\\w;}"},
      {"Semi;Colon", "{\\f0\\fnil\\fcharset0 Semi\\'3bColon;}"},
      {"宋;体", "{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'3b\\'cc\\'e5;}"},
      {"Tab\tName", "{\\f0\\fnil\\fcharset0 Tab\\'09Name;}"},
      {"", "{\\f0\\fnil\\fcharset0 ;}"},
  };
  for (const auto& c : cases) {
    const std::string rtf = RtfOfLine("text\r\n", Record(c.face));
    EXPECT_NE(rtf.find(std::string("{\\fonttbl") + c.entry + "}"), std::string::npos)
        << c.face << "\n"
        << rtf;
    EXPECT_TRUE(GroupsBalance(rtf)) << rtf;
  }
}

TEST(RtfWriter, DeclaresEachFaceAndColourOnce) {
  QTextDocument doc;
  Append(doc, "a\r\n", Record("Arial", 15, 0x0000ff));
  Append(doc, "b\r\n", Record("宋体"));
  Append(doc, "c\r\n", Record("Arial", 15, 0x336699));
  Append(doc, "d\r\n", Record("Arial", 15, 0x0000ff));
  const std::string rtf = Rtf(doc);
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset134 "
                     "\\'cb\\'ce\\'cc\\'e5;}}"),
            std::string::npos)
      << rtf;
  // The empty first entry is the automatic colour; colours are 0x00BBGGRR.
  EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green0\\blue0;\\red153\\green102\\blue51;}"),
            std::string::npos)
      << rtf;
  const std::string body = Body(rtf);
  EXPECT_NE(body.find("\\cf1 a\\par"), std::string::npos) << body;
  EXPECT_NE(body.find("\\cf0 b\\par"), std::string::npos) << body;
  EXPECT_NE(body.find("\\cf2 c\\par"), std::string::npos) << body;
  EXPECT_NE(body.find("\\cf1 d\\par"), std::string::npos) << body;
}

TEST(RtfWriter, WritesSizeOffsetAndEffectsOfTheRecord) {
  const struct {
    int32_t size, offset;
    uint32_t effects;
    const char* words;  // between the face and the colour
  } cases[] = {
      {15, 0, 0, "\\fs30"},
      {1, 0, 0, "\\fs2"},
      {1000, 0, 0, "\\fs2000"},
      {0, 0, 0, "\\fs2"},  // no reader shows a size below one point
      {-5, 0, 0, "\\fs2"},
      {INT32_MAX, 0, 0, "\\fs2147483647"},
      {12, 3, 0, "\\fs24\\up6"},
      {12, -2, 0, "\\fs24\\dn4"},
      // The magnitude after \dn fits 32 bits even for the lowest offset.
      {12, INT32_MIN, 0, "\\fs24\\dn2147483647"},
      {12, INT32_MAX, 0, "\\fs24\\up2147483647"},
      {12, 0, 31, "\\fs24\\b\\i\\ul\\strike\\protect"},
      {12, 0, 4 | 16, "\\fs24\\ul\\protect"},
      {12, 0, 0xffffffe0u | 2, "\\fs24\\i"},  // bits above the five are ignored
  };
  for (const auto& c : cases) {
    字符格式 r = Record("Arial", c.size);
    r.baselineOffset = c.offset;
    r.effects = c.effects;
    const std::string body = Body(RtfOfLine("x", r));
    EXPECT_EQ(body, std::string("{\\loch\\f0\\hich\\af0\\dbch\\af0") + c.words + "\\cf0 x}}")
        << c.size << " " << c.offset << " " << c.effects;
  }
}

TEST(RtfWriter, ParagraphsFollowTheBlocksOfTheRange) {
  const std::string arial = "{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs30\\cf0 ";
  QTextDocument lines;
  Append(lines, "ab\r\ncd\r\n", Record("Arial"));
  QTextDocument unended;
  Append(unended, "ab\r\ncd", Record("Arial"));
  QTextDocument breaks;
  Append(breaks, "\r\n\r\n", Record("Arial"));
  const QTextDocument empty;

  EXPECT_EQ(Body(Rtf(lines)), arial + "ab\\par\ncd\\par\n}}");
  EXPECT_EQ(Body(Rtf(unended)), arial + "ab\\par\ncd}}");
  EXPECT_EQ(Body(Rtf(breaks)), arial + "\\par\n\\par\n}}");
  EXPECT_EQ(Body(Rtf(empty)), "}");
  EXPECT_TRUE(GroupsBalance(Rtf(empty))) << Rtf(empty);
  // Positions: a=0 b=1 break=2 c=3 d=4 break=5.
  EXPECT_EQ(Body(WriteRtf(lines, 1, 4)), arial + "b\\par\nc}}");
  EXPECT_EQ(Body(WriteRtf(lines, 3, 6)), arial + "cd\\par\n}}");
}

TEST(RtfWriter, LineBreakTakesTheFormatOfItsLine) {
  QTextDocument doc;
  Append(doc, "a", Record("Arial"));
  Append(doc, "\r\n", Record("宋体", 20));
  Append(doc, "b", Record("Arial"));
  EXPECT_EQ(Body(Rtf(doc)),
            "{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs30\\cf0 a}"
            "{\\loch\\f1\\hich\\af1\\dbch\\af1\\fs40\\cf0 \\par\n}"
            "{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs30\\cf0 b}}");
}

TEST(RtfWriter, RunWithoutRecordUsesItsQtFormat) {
  QTextDocument doc;
  QTextCharFormat f;
  f.setFontFamilies(QStringList{"DejaVu Sans"});
  f.setFontPointSize(12);
  f.setFontWeight(QFont::Bold);
  f.setForeground(QColor(0x11, 0x22, 0x33));
  QTextCursor(&doc).insertText("q", f);
  const std::string rtf = Rtf(doc);
  EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 DejaVu Sans;}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\red17\\green34\\blue51;"), std::string::npos) << rtf;
  EXPECT_EQ(Body(rtf), "{\\loch\\f0\\hich\\af0\\dbch\\af0\\fs24\\b\\cf1 q}}");
}

// What a word processor makes of a preview: every line with its text, face, size and colour.
TEST(RtfInLibreOffice, EveryLineKeepsTextFaceSizeAndColour) {
  REQUIRE_LIBREOFFICE();
  const struct {
    const char* face;
    int32_t size;
    int32_t colour;
    const char* text;
    const char* color;  // as LibreOffice writes it; "" is the automatic colour
  } lines[] = {
      {"宋体", 15, DEFAULT_COLOR, "宋体                ：     测试汉字", ""},
      {"Arial", 1, 0x0000ff, "Arial Latin text", "#ff0000"},
      {"À黑体", 1000, 0x336699, "四字节 À 名", "#996633"},
      {"𠀀字体", 12, DEFAULT_COLOR, "𠀀 and \\{braces} 測", ""},
      {"x{y}z\\w", 72, 0x00ff00, "brace face", "#00ff00"},
      {"DejaVu Sans", 9, 0x000000, "after the odd names", "#000000"},
  };
  QTextDocument doc;
  for (const auto& line : lines)
    Append(doc, std::string(line.text) + "\r\n", Record(line.face, line.size, line.colour));

  QTemporaryDir dir;
  const QString path = dir.filePath("preview.rtf");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const std::string rtf = Rtf(doc);
  file.write(rtf.data(), static_cast<qint64>(rtf.size()));
  file.close();

  const auto paragraphs = libreoffice::ReadDocument(path);
  ASSERT_EQ(paragraphs.size(), std::size(lines)) << rtf;
  for (size_t i = 0; i < std::size(lines); ++i) {
    ASSERT_EQ(paragraphs[i].size(), 1u) << "line " << i;
    const libreoffice::Run& run = paragraphs[i][0];
    EXPECT_EQ(run.text, lines[i].text);
    EXPECT_EQ(run.properties.fontFamily, lines[i].face);
    EXPECT_EQ(run.properties.fontFamilyAsian, lines[i].face);
    EXPECT_EQ(run.properties.fontSize, std::to_string(lines[i].size) + "pt");
    EXPECT_EQ(run.properties.color, lines[i].color) << "line " << i;
  }
}

// A ";" cannot stand in a font table entry; the name and every line around it survive.
TEST(RtfInLibreOffice, OddNamesAndEffectsLeaveTheDocumentIntact) {
  REQUIRE_LIBREOFFICE();
  QTextDocument doc;
  Append(doc, "semicolon face\r\n", Record("Semi;Colon"));
  字符格式 styled = Record("Arial", 20);
  styled.effects = 31;
  styled.baselineOffset = 4;
  Append(doc, "styled\r\n", styled);
  Append(doc, "no name\r\n", Record(""));
  Append(doc, "last\r\n", Record("Arial", 11));

  QTemporaryDir dir;
  QFile file(dir.filePath("odd.rtf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  const std::string rtf = Rtf(doc);
  file.write(rtf.data(), static_cast<qint64>(rtf.size()));
  file.close();

  const auto paragraphs = libreoffice::ReadDocument(file.fileName());
  ASSERT_EQ(paragraphs.size(), 4u) << rtf;
  const char* texts[] = {"semicolon face", "styled", "no name", "last"};
  for (size_t i = 0; i < 4; ++i) {
    ASSERT_EQ(paragraphs[i].size(), 1u) << "line " << i;
    EXPECT_EQ(paragraphs[i][0].text, texts[i]);
  }
  // LibreOffice keeps the whole name and reads ";" as its list of alternative faces.
  EXPECT_EQ(paragraphs[0][0].properties.fontFamily, "Semi, Colon");
  const libreoffice::RunProperties& p = paragraphs[1][0].properties;
  EXPECT_TRUE(p.bold && p.italic && p.underline && p.strikeOut);
  EXPECT_EQ(p.textPosition, "20% 100%");  // 4 points up at 20 points
  EXPECT_EQ(paragraphs[3][0].properties.fontFamily, "Arial");
  EXPECT_EQ(paragraphs[3][0].properties.fontSize, "11pt");
}

}  // namespace
