// The preview box: stored selection, plain content, formats applied from records, scrolling and
// the keys it keeps for itself.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <vector>

#include "catalogue/char_format.h"
#include "host/qt_text.h"
#include "host/rich_text_format.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

class RichTextBoxTest : public testing::Test {
 protected:
  void SetUp() override {
    UseFonts({"Noto Sans", "WenQuanYi Zen Hei"});
    LoadFreshWindow();
    edit = Find<QTextEdit>("超级编辑框1");
    ASSERT_NE(edit, nullptr);
  }

  QTextDocument* doc() const { return edit->document(); }

  // The document's own text in the box's plain form.
  Text DocumentText() const {
    return FromQString(doc()->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
  }

  // The format of the character just before position `pos`.
  QTextCharFormat FormatBefore(int pos) const {
    QTextCursor cursor(doc());
    cursor.setPosition(pos);
    return cursor.charFormat();
  }

  QTextEdit* edit = nullptr;
};

struct SelectionOp {
  enum Kind { Start, Length } kind;
  int32_t value;
};

TEST_F(RichTextBoxTest, AppliesTheStoredStartAndLength) {
  // "abc" + break + "def": positions 0 to 7, 7 being the end.
  const struct {
    const char* what;
    std::vector<SelectionOp> ops;
    int from, to;
  } cases[] = {
      {"start alone, length still 0", {{SelectionOp::Start, 2}}, 2, 2},
      {"start then length", {{SelectionOp::Start, 2}, {SelectionOp::Length, 3}}, 2, 5},
      {"length -1 selects all whatever the start",
       {{SelectionOp::Start, 4}, {SelectionOp::Length, -1}},
       0,
       7},
      {"length below -1 is raised to -1", {{SelectionOp::Length, -9}}, 0, 7},
      {"negative start is raised to 0", {{SelectionOp::Start, -3}}, 0, 0},
      {"start past the end means the end", {{SelectionOp::Start, 100}}, 7, 7},
      {"start at the end", {{SelectionOp::Start, 7}}, 7, 7},
      {"a range running past the end stops there",
       {{SelectionOp::Start, 5}, {SelectionOp::Length, 10}},
       5,
       7},
      {"length 0 goes back to the last start written, not the caret",
       {{SelectionOp::Start, 4}, {SelectionOp::Length, -1}, {SelectionOp::Length, 0}},
       4,
       4},
      {"a huge length does not overflow",
       {{SelectionOp::Start, 3}, {SelectionOp::Length, 2147483647}},
       3,
       7},
  };
  for (const auto& c : cases) {
    LoadFreshWindow();
    edit = Find<QTextEdit>("超级编辑框1");
    超级编辑框1.setContent("abc\r\ndef");
    for (const SelectionOp& op : c.ops) {
      if (op.kind == SelectionOp::Start) 超级编辑框1.setSelectionStart(op.value);
      if (op.kind == SelectionOp::Length) 超级编辑框1.setSelectionLength(op.value);
    }
    QApplication::processEvents();  // the box shows what was written
    const QTextCursor cursor = edit->textCursor();
    EXPECT_EQ(cursor.selectionStart(), c.from) << c.what;
    EXPECT_EQ(cursor.selectionEnd(), c.to) << c.what;
  }
}

TEST_F(RichTextBoxTest, ContentReadsBackWhatWasWritten) {
  const struct {
    std::string written;  // UTF-8
    std::string read;
  } cases[] = {
      {"", ""},
      {"abc", "abc"},
      {"宋体：     测试汉字\r\n", "宋体：     测试汉字\r\n"},
      {"a\r\n\r\nb", "a\r\n\r\nb"},
      {"한글 𠀀", "한글 𠀀"},  // four-byte GB18030 sequences
      {"a\nb\rc", "a\r\nb\r\nc"},
  };
  for (const auto& c : cases) {
    超级编辑框1.setContent(FromUtf8(c.written));
    EXPECT_EQ(ToUtf8(超级编辑框1.content()), c.read) << c.written;
    EXPECT_EQ(超级编辑框1.content(), DocumentText()) << c.written;
  }
  超级编辑框1.setContent("");
  EXPECT_TRUE(doc()->isEmpty());
}

TEST_F(RichTextBoxTest, SelectedTextReplacesTheSelectionAndContentFollows) {
  超级编辑框1.setContent("hello world");
  超级编辑框1.setSelectionStart(6);
  超级编辑框1.setSelectionLength(5);
  超级编辑框1.setSelectedText(FromUtf8("宋体"));
  EXPECT_EQ(ToUtf8(超级编辑框1.content()), "hello 宋体");

  // Appending at the end, one "\r\n" per paragraph break.
  超级编辑框1.setSelectionLength(0);
  超级编辑框1.setSelectionStart(TextByteLength(超级编辑框1.content()));
  超级编辑框1.setSelectedText("\r\nx\r\n");
  EXPECT_EQ(ToUtf8(超级编辑框1.content()), "hello 宋体\r\nx\r\n");
  EXPECT_EQ(doc()->blockCount(), 3);

  // Inserting in the middle, then appending again.
  超级编辑框1.setSelectionStart(0);
  超级编辑框1.setSelectedText(">");
  超级编辑框1.setSelectionStart(1000);
  超级编辑框1.setSelectedText("end");
  EXPECT_EQ(ToUtf8(超级编辑框1.content()), ">hello 宋体\r\nx\r\nend");

  // Replacing everything.
  超级编辑框1.setSelectionLength(-1);
  超级编辑框1.setSelectedText("new");
  EXPECT_EQ(超级编辑框1.content(), "new");
  EXPECT_EQ(超级编辑框1.content(), DocumentText());
}

TEST_F(RichTextBoxTest, WritesDoNotDependOnTheTextFormatBeingRead) {
  const struct { int32_t written, read; } cases[] = {{1, 1}, {0, 0}, {7, 1}, {-3, 0}};
  for (const auto& c : cases) {
    超级编辑框1.setTextFormat(c.written);
    EXPECT_EQ(超级编辑框1.textFormat(), c.read) << c.written;
  }
}

TEST_F(RichTextBoxTest, InsertedTextTakesTheRecordLastApplied) {
  字符格式 record;
  record.faceName = FromUtf8("Noto Sans");
  record.pointSize = 15;
  record.baselineOffset = 3;
  record.effects = EFFECT_BOLD | EFFECT_UNDERLINE | 64;  // 64 is not an effect
  record.textColor = 0x00FF8040;                         // blue FF, green 80, red 40
  超级编辑框1.SetSelectionFormat(record);
  超级编辑框1.setSelectedText("ab\r\n");

  const QTextCharFormat f = FormatBefore(1);
  EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{"Noto Sans"});
  EXPECT_EQ(f.fontPointSize(), 15);
  EXPECT_DOUBLE_EQ(f.baselineOffset(), 20.0);  // 3 of 15 points, in percent
  EXPECT_EQ(f.fontWeight(), QFont::Bold);
  EXPECT_FALSE(f.fontItalic());
  EXPECT_TRUE(f.fontUnderline());
  EXPECT_FALSE(f.fontStrikeOut());
  EXPECT_EQ(f.foreground().color(), QColor(0x40, 0x80, 0xFF));
  using namespace richtext;
  EXPECT_EQ(f.property(FaceNameBytes).toByteArray(), QByteArray("Noto Sans"));
  EXPECT_EQ(f.property(PointSize).toInt(), 15);
  EXPECT_EQ(f.property(BaselineOffset).toInt(), 3);
  EXPECT_EQ(f.property(Effects).toInt(), 5);
  EXPECT_EQ(f.property(TextColor).toInt(), 0x00FF8040);

  // The paragraph break carries the record too: the block it opens starts in that format.
  EXPECT_EQ(doc()->lastBlock().charFormat().property(PointSize).toInt(), 15);
}

TEST_F(RichTextBoxTest, EachEffectBitSetsOneAttribute) {
  const struct {
    uint32_t effects;
    bool bold, italic, underline, strikeOut;
  } cases[] = {
      {0, false, false, false, false},
      {EFFECT_BOLD, true, false, false, false},
      {EFFECT_ITALIC, false, true, false, false},
      {EFFECT_UNDERLINE, false, false, true, false},
      {EFFECT_STRIKE_OUT, false, false, false, true},
      {EFFECT_PROTECTED, false, false, false, false},
      {0xFFFFFFFF, true, true, true, true},
  };
  for (const auto& c : cases) {
    字符格式 record;
    record.effects = c.effects;
    超级编辑框1.setContent("");
    超级编辑框1.SetSelectionFormat(record);
    超级编辑框1.setSelectedText("x");
    const QTextCharFormat f = FormatBefore(1);
    EXPECT_EQ(f.fontWeight() == QFont::Bold, c.bold) << c.effects;
    EXPECT_EQ(f.fontItalic(), c.italic) << c.effects;
    EXPECT_EQ(f.fontUnderline(), c.underline) << c.effects;
    EXPECT_EQ(f.fontStrikeOut(), c.strikeOut) << c.effects;
    EXPECT_EQ(f.property(richtext::Effects).toUInt(), c.effects & 0x1F) << c.effects;
  }
}

std::vector<QString>& Warnings() {
  static std::vector<QString> warnings;
  return warnings;
}

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg) Warnings().push_back(message);
}

TEST_F(RichTextBoxTest, SizesItCannotShowAreClampedForDisplayOnly) {
  const struct {
    int32_t pointSize;
    int shown;
  } cases[] = {{9, 9}, {0, 1}, {-2, 1}, {1638, 1638}, {5000, 1638}, {2147483647, 1638}};
  Warnings().clear();
  const QtMessageHandler previous = qInstallMessageHandler(RecordWarning);
  for (const auto& c : cases) {
    字符格式 record;
    record.pointSize = c.pointSize;
    record.baselineOffset = -2147483647;
    超级编辑框1.setContent("");
    超级编辑框1.SetSelectionFormat(record);
    超级编辑框1.setSelectedText(FromUtf8("测试"));
    doc()->documentLayout()->documentSize();  // lay it out, as drawing would
    edit->grab();
    const QTextCharFormat f = FormatBefore(1);
    EXPECT_EQ(f.fontPointSize(), c.shown) << c.pointSize;
    EXPECT_EQ(f.property(richtext::PointSize).toInt(), c.pointSize);
    EXPECT_EQ(f.property(richtext::BaselineOffset).toInt(), -2147483647);
  }
  qInstallMessageHandler(previous);
  EXPECT_TRUE(Warnings().empty()) << Warnings().front().toStdString();
}

TEST_F(RichTextBoxTest, DefaultColourMeansTheAutomaticColour) {
  for (const int32_t colour : {0x000000, DEFAULT_COLOR}) {
    字符格式 record;
    record.textColor = colour;
    超级编辑框1.setContent("");
    超级编辑框1.SetSelectionFormat(record);
    超级编辑框1.setSelectedText("x");
    const QTextCharFormat f = FormatBefore(1);
    EXPECT_EQ(f.hasProperty(QTextFormat::ForegroundBrush), colour != DEFAULT_COLOR) << colour;
    EXPECT_EQ(f.property(richtext::TextColor).toInt(), colour);
  }
}

TEST_F(RichTextBoxTest, FormatOnASelectionRestylesItWithoutChangingTheText) {
  超级编辑框1.setContent("abcd");
  字符格式 record;
  record.pointSize = 30;
  超级编辑框1.setSelectionStart(1);
  超级编辑框1.setSelectionLength(2);
  超级编辑框1.SetSelectionFormat(record);
  EXPECT_EQ(超级编辑框1.content(), "abcd");
  EXPECT_NE(FormatBefore(1).fontPointSize(), 30);
  EXPECT_EQ(FormatBefore(2).fontPointSize(), 30);
  EXPECT_EQ(FormatBefore(3).fontPointSize(), 30);
  EXPECT_NE(FormatBefore(4).fontPointSize(), 30);
}

TEST_F(RichTextBoxTest, TextBeforeAnyRecordTakesTheDefaultRecord) {
  超级编辑框1.setSelectedText("x");
  const QTextCharFormat f = FormatBefore(1);
  EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{QString::fromUtf8("宋体")});
  EXPECT_EQ(f.fontPointSize(), 9);
  EXPECT_EQ(f.property(richtext::TextColor).toInt(), DEFAULT_COLOR);
}

TEST_F(RichTextBoxTest, ScrollsByWholeLineSteps) {
  Text lines;
  for (int i = 0; i < 200; ++i) lines += "line\r\n";
  超级编辑框1.setContent(lines);
  QApplication::processEvents();  // the box shows what was written
  QScrollBar* bar = edit->verticalScrollBar();
  bar->setValue(0);
  ASSERT_GT(bar->maximum(), 10 * bar->singleStep());
  超级编辑框1.ScrollByLines(3);
  EXPECT_EQ(bar->value(), 3 * bar->singleStep());
  超级编辑框1.ScrollByLines(-1);
  EXPECT_EQ(bar->value(), 2 * bar->singleStep());
  超级编辑框1.ScrollByLines(-2147483647);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(RichTextBoxTest, ShowsScrollBarsOnlyWhenNeededOnceWritten) {
  QScrollBar* bar = edit->verticalScrollBar();
  Text many;
  for (int i = 0; i < 100; ++i) many += "line\r\n";
  for (const Text& text : {many, Text("one line"), many, Text()}) {
    超级编辑框1.setContent(text);
    QApplication::processEvents();
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(bar->isVisible(), text == many) << text.size();
    EXPECT_EQ(bar->maximum() > 0, text == many) << text.size();
  }
}

TEST_F(RichTextBoxTest, EmptyingTheBoxForgetsTheFormatsItUsed) {
  for (int32_t size = 1; size <= 200; ++size) {
    字符格式 record;
    record.pointSize = size;
    超级编辑框1.SetSelectionFormat(record);
    超级编辑框1.setSelectedText("x\r\n");
  }
  ASSERT_GT(doc()->allFormats().size(), 200);
  超级编辑框1.setContent("");
  EXPECT_LT(doc()->allFormats().size(), 10);
}

TEST_F(RichTextBoxTest, KeepsEnterAndRefusesTyping) {
  超级编辑框1.setContent("abc");
  edit->setFocus();
  int keysReachingTheWindow = 0;
  struct Counter : QObject {
    int* count;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress) ++*count;
      return false;
    }
  } counter;
  counter.count = &keysReachingTheWindow;
  LoadedWindow()->installEventFilter(&counter);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    QKeyEvent override(QEvent::ShortcutOverride, key, Qt::NoModifier);
    override.ignore();
    QApplication::sendEvent(edit, &override);
    EXPECT_TRUE(override.isAccepted()) << key;
    QTest::keyClick(edit, key);
  }
  LoadedWindow()->removeEventFilter(&counter);
  EXPECT_EQ(keysReachingTheWindow, 0);
  QTest::keyClicks(edit, "xyz");
  EXPECT_EQ(超级编辑框1.content(), "abc");
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->lineWrapMode(), QTextEdit::NoWrap);
}

}  // namespace
