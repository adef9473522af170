// "一键浏览": the three filters over the catalogue and the lines written into the preview box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "host/qt_text.h"
#include "host/rich_text_format.h"
#include "preview/build_preview.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

using Names = std::vector<std::string>;  // UTF-8

struct Inputs {
  std::string sample = "测试汉字";
  std::string size = "15";
  int32_t colour = 0x000000;
  bool noVertical = false;
  std::string keyword;
  bool noLatin = false;
  bool noNames = false;
};

void SetInputs(const Inputs& in) {
  编辑框_文本输入.setText(FromUtf8(in.sample));
  编辑框_字体大小.setText(FromUtf8(in.size));
  编辑框_关键字.setText(FromUtf8(in.keyword));
  Find<QObject>("颜色选择器1")->setProperty("colour", in.colour);
  Find<QCheckBox>("选择框_不显纵向")->setChecked(in.noVertical);
  Find<QCheckBox>("选择框_不显不显示英文字体")->setChecked(in.noLatin);
  Find<QCheckBox>("选择框_不显字体名")->setChecked(in.noNames);
}

// Loads a window over these installed fonts, sets the controls and presses the button.
void Press(const Names& fonts, const Inputs& in = {}) {
  UseFonts(fonts);
  LoadFreshWindow();
  SetInputs(in);
  BuildPreview();
}

QTextDocument* PreviewDocument() { return Find<QTextEdit>("超级编辑框1")->document(); }

std::vector<std::string> Lines() {
  std::vector<std::string> lines;
  const std::string content = ToUtf8(超级编辑框1.content());
  size_t begin = 0;
  for (size_t end; (end = content.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
    lines.push_back(content.substr(begin, end - begin));
  }
  EXPECT_EQ(begin, content.size()) << "every line ends in \\r\\n";
  return lines;
}

// The fonts of the preview, one per line in order, read from the formats of the box.
Names PreviewFonts() {
  Names fonts;
  for (QTextBlock b = PreviewDocument()->begin(); b.isValid(); b = b.next()) {
    if (b.length() <= 1) continue;
    const QByteArray face =
        b.begin().fragment().charFormat().property(richtext::FaceNameBytes).toByteArray();
    fonts.push_back(ToUtf8(Text(face.constData(), static_cast<size_t>(face.size()))));
  }
  return fonts;
}

std::string Spaces(size_t n) { return std::string(n, ' '); }

TEST(Filters, KeepTheNamesThatPassEveryActiveFilterInCatalogueOrder) {
  Inputs vertical;
  vertical.noVertical = true;
  Inputs capitalKeyword;
  capitalKeyword.keyword = "SONG";
  Inputs chineseKeyword;
  chineseKeyword.keyword = "宋";
  Inputs latin;
  latin.noLatin = true;
  Inputs spaceKeyword;
  spaceKeyword.keyword = " ";
  Inputs all;
  all.noVertical = true;
  all.keyword = "体";
  all.noLatin = true;
  const struct {
    const char* what;
    Names fonts;
    Inputs inputs;
    Names expected;
  } cases[] = {
      {"all off", {"B", "@A", "", "宋体"}, {}, {"B", "@A", "", "宋体"}},
      // "丂" ends in the byte of "@"; a match never starts inside a character.
      {"vertical: '@' anywhere",
       {"@SimSun", "Sim@Sun", "SimSun@", "Arial", "", "丂体"},
       vertical,
       {"Arial", "", "丂体"}},
      {"keyword in capitals",
       {"Songti SC", "STSONG", "NoSoNgX", "Arial", "", "华文宋体"},
       capitalKeyword,
       {"Songti SC", "STSONG", "NoSoNgX"}},
      // "了为" holds the bytes of "宋" across its two characters.
      {"Chinese keyword matches whole characters",
       {"了为", "宋体", "华文宋体", "Song"},
       chineseKeyword,
       {"宋体", "华文宋体"}},
      {"keyword of spaces",
       {"Noto Sans", "Arial", "Song Ti"},
       spaceKeyword,
       {"Noto Sans", "Song Ti"}},
      // "華" and "體" end in the bytes of "A" and "w".
      {"Latin letters",
       {"宋体", "Arial", "1234", "ＡＢＣ", "한글", "黑体x", "Z", "", "華康標楷體", "12-34 !"},
       latin,
       {"宋体", "1234", "ＡＢＣ", "한글", "", "華康標楷體", "12-34 !"}},
      {"all three in order",
       {"@宋体", "宋体", "Noto体", "黑体", "Arial", "@黑体"},
       all,
       {"宋体", "黑体"}},
      {"nothing left", {"Arial", "Noto Sans"}, latin, {}},
  };
  for (const auto& c : cases) {
    Press(c.fonts, c.inputs);
    EXPECT_EQ(PreviewFonts(), c.expected) << c.what;
    EXPECT_EQ(Lines().size(), c.expected.size()) << c.what;
  }
}

TEST(Filters, EveryCataloguedFontReachesThePreviewPastFiveHundred) {
  Names fonts;
  for (int i = 0; i < 600; ++i) fonts.push_back("F" + std::to_string(i));
  Press(fonts);
  EXPECT_EQ(PreviewFonts(), fonts);
  Inputs vertical;
  vertical.noVertical = true;
  SetInputs(vertical);
  BuildPreview();
  EXPECT_EQ(PreviewFonts(), fonts);
}

TEST(Filters, LeaveTheCatalogueAsItWas) {
  Inputs in;
  in.noVertical = true;
  in.keyword = "a";
  in.noLatin = true;
  Press({"Arial", "@宋体", "宋体"}, in);
  const std::vector<字符格式> before = fontCatalogue;
  BuildPreview();
  EXPECT_EQ(fontCatalogue, before);
  EXPECT_EQ(fontCount, 3);
}

TEST(HasNoLatinLetter, LooksOnlyAtSingleByteLetters) {
  const struct {
    std::string name;
    int32_t expected;
  } cases[] = {{"宋体", 1}, {"", 1},  {"0123", 1},  {"ＡＢＣ", 1}, {"華", 1},
               {"a", 0},    {"Z", 0}, {"宋体m", 0}, {"한글", 1}};
  for (const auto& c : cases) {
    字符格式 record;
    record.faceName = FromUtf8(c.name);
    EXPECT_EQ(HasNoLatinLetter(record), c.expected) << c.name;
  }
}

TEST(MakeSpaces, GivesThatManySpacesOrNone) {
  EXPECT_EQ(MakeSpaces(3), "   ");
  EXPECT_EQ(MakeSpaces(1), " ");
  EXPECT_EQ(MakeSpaces(0), "");
  EXPECT_EQ(MakeSpaces(-5), "");
}

TEST(Writer, PadsNamesToTheTwentyByteColumn) {
  const std::string separator = "：     ";
  const std::string tail = separator + "测试汉字";
  Press({"宋体", "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRSTUVWXY", "", "方正兰亭黑简体",
         "ABCDEFGHIJKLMN", "한"});
  const std::vector<std::string> expected = {
      "宋体" + Spaces(16) + tail,
      "ABCDEFGHIJKLMNOPQRST" + tail,
      "ABCDEFGHIJKLMNOPQRSTUVWXY" + tail,
      Spaces(20) + tail,
      "方正兰亭黑简体" + Spaces(6) + tail,
      "ABCDEFGHIJKLMN" + Spaces(6) + tail,
      "한" + Spaces(16) + tail,  // four bytes in GB18030
  };
  EXPECT_EQ(Lines(), expected);
  EXPECT_EQ(TextByteLength(FromUtf8(Lines()[0])), 20 + 7 + 8);
}

TEST(Writer, WithoutNamesEachLineIsTheSampleAlone) {
  Inputs in;
  in.sample = "  样 ";
  in.noNames = true;
  Press({"宋体", "Arial"}, in);
  EXPECT_EQ(ToUtf8(超级编辑框1.content()), "  样 \r\n  样 \r\n");
  EXPECT_EQ(PreviewFonts(), (Names{"宋体", "Arial"}));
}

TEST(Writer, SetsEveryLineInItsFontSizeAndColour) {
  const struct {
    std::string size;
    int32_t colour;
    int32_t pointSize;  // as applied
    int shown;          // as Qt draws it
  } cases[] = {
      {"15", 0x0000FF, 15, 15},
      {"12.9", 0x123456, 12, 12},
      {"-2.5", DEFAULT_COLOR, -2, 1},
      {"abc", 0x000000, 0, 1},
      {"99999999999", 0xFFFFFF, 2147483647, 1638},
  };
  for (const auto& c : cases) {
    Inputs in;
    in.size = c.size;
    in.colour = c.colour;
    Press({"Noto Sans", "宋体"}, in);
    const Names faces = {"Noto Sans", "宋体"};
    QTextBlock block = PreviewDocument()->begin();
    for (const std::string& face : faces) {
      ASSERT_TRUE(block.isValid());
      // Every fragment of the line, name, padding, separator and sample, and the paragraph break
      // (the format the next block opens with) carries the line's record.
      std::vector<QTextCharFormat> formats;
      for (auto it = block.begin(); !it.atEnd(); ++it)
        formats.push_back(it.fragment().charFormat());
      block = block.next();
      formats.push_back(block.charFormat());
      for (const QTextCharFormat& f : formats) {
        EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{QString::fromStdString(face)});
        EXPECT_EQ(f.fontPointSize(), c.shown) << c.size;
        EXPECT_EQ(f.property(richtext::PointSize).toInt(), c.pointSize) << c.size;
        EXPECT_EQ(f.property(richtext::TextColor).toInt(), c.colour);
        EXPECT_EQ(f.property(richtext::BaselineOffset).toInt(), 0);
        EXPECT_EQ(f.property(richtext::Effects).toInt(), 0);
        if (c.colour == DEFAULT_COLOR) {
          EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
        } else {
          const auto bgr = static_cast<uint32_t>(c.colour);
          EXPECT_EQ(f.foreground().color(), QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, bgr >> 16));
        }
      }
    }
  }
}

TEST(Press, TwiceGivesTheSameContent) {
  Press({"宋体", "Arial", "黑体"});
  const Text first = 超级编辑框1.content();
  const int blocks = PreviewDocument()->blockCount();
  BuildPreview();
  EXPECT_EQ(超级编辑框1.content(), first);
  EXPECT_EQ(PreviewDocument()->blockCount(), blocks);
  EXPECT_EQ(Lines().size(), 3u);
}

TEST(Press, WithOtherInputsReplacesTheOldPreview) {
  Press({"宋体", "Arial"});
  Inputs in;
  in.noLatin = true;
  in.sample = "新";
  SetInputs(in);
  BuildPreview();
  EXPECT_EQ(Lines(), std::vector<std::string>{"宋体" + Spaces(16) + "：     新"});
}

TEST(Press, AnEmptySampleOnlyComplainsAndKeepsTheOldPreview) {
  SeamRecorder recorder;
  Press({"宋体", "Arial"});
  const Text before = 超级编辑框1.content();
  ASSERT_FALSE(before.empty());
  Inputs in;
  in.sample = "";
  in.noLatin = true;
  SetInputs(in);
  BuildPreview();
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, "你还没输入东西");
  EXPECT_EQ(recorder.messages[0].flags, 0);
  EXPECT_EQ(recorder.messages[0].title, " = =");
  EXPECT_EQ(超级编辑框1.content(), before);

  // A sample of spaces is not empty.
  in.sample = " ";
  SetInputs(in);
  BuildPreview();
  EXPECT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(Lines(), std::vector<std::string>{"宋体" + Spaces(16) + "：      "});
}

TEST(Press, IsWhatTheFirstButtonDoes) {
  for (const ControlSpec& c : MainWindowSpec().controls) {
    if (std::string(c.name) == 按钮1.name) {
      EXPECT_EQ(c.clicked, &BuildPreview);
    }
  }
}

}  // namespace
