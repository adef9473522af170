#include "host/rich_text_box.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <limits>

#include "catalogue/char_format.h"
#include "host/clipboard.h"
#include "host/controls.h"
#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/rich_text_format.h"
#include "host/rtf_writer.h"

namespace {

QColor ColourOf(int32_t bgr) {
  const auto value = static_cast<uint32_t>(bgr);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// The plain form of raw document text: every paragraph or line break reads as "\r\n" and a
// no-break space as a space, as QTextDocument::toPlainText() reads them.
QString PlainForm(const QString& raw) {
  QString out;
  out.reserve(raw.size() + 8);
  for (const QChar c : raw) {
    switch (c.unicode()) {
      case 0xfdd0:  // frame start
      case 0xfdd1:  // frame end
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator:
      case u'\n':
        out += u"\r\n";
        break;
      case QChar::Nbsp:
        out += u' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

RichTextBoxWidget* BoxOf(const RichTextBox& handle) {
  return FindControl<RichTextBoxWidget>(handle.name);
}

}  // namespace

QTextCharFormat CharFormatOf(const 字符格式& record) {
  const uint32_t effects = record.effects & 0x1F;
  const int size = std::clamp(record.pointSize, MIN_DISPLAY_POINTS, MAX_DISPLAY_POINTS);
  const int offset = std::clamp(record.baselineOffset, -MAX_DISPLAY_POINTS, MAX_DISPLAY_POINTS);
  QTextCharFormat f;
  f.setFontFamilies(QStringList{ToQString(record.faceName)});
  f.setFontPointSize(size);
  // Qt measures the offset in percent of the font's height.
  f.setBaselineOffset(100.0 * offset / size);
  f.setFontWeight((effects & EFFECT_BOLD) ? QFont::Bold : QFont::Normal);
  f.setFontItalic(effects & EFFECT_ITALIC);
  f.setFontUnderline(effects & EFFECT_UNDERLINE);
  f.setFontStrikeOut(effects & EFFECT_STRIKE_OUT);
  if (record.textColor != DEFAULT_COLOR) f.setForeground(ColourOf(record.textColor));
  f.setProperty(richtext::FaceNameBytes,
                QByteArray(record.faceName.data(), static_cast<qsizetype>(record.faceName.size())));
  f.setProperty(richtext::PointSize, record.pointSize);
  f.setProperty(richtext::BaselineOffset, record.baselineOffset);
  f.setProperty(richtext::Effects, static_cast<int>(effects));
  f.setProperty(richtext::TextColor, record.textColor);
  return f;
}

QWidget* CreateRichTextBox(QWidget* parent) { return new RichTextBoxWidget(parent); }

RichTextBoxWidget::RichTextBoxWidget(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setLineWrapMode(QTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Nothing is ever undone; keeping the history would only cost time and memory per line.
  setUndoRedoEnabled(false);
  const 字符格式 defaults;
  setFont(QFont(ToQString(defaults.faceName), defaults.pointSize));
  lastFormat_ = CharFormatOf(defaults);
  connect(document(), &QTextDocument::contentsChange, this, [this](int, int, int) {
    if (!ownEdit_) plainValid_ = false;
  });
}

void RichTextBoxWidget::setTextFormat(int32_t format) {
  format_ = std::clamp(format, TEXT_FORMAT_PLAIN, TEXT_FORMAT_RICH);
}

const Text& RichTextBoxWidget::content() {
  if (format_ == TEXT_FORMAT_RICH) {
    rich_ = WriteRtf(*document());
    return rich_;
  }
  if (!plainValid_) {
    plain_ = FromQString(PlainForm(document()->toPlainText()));
    plainValid_ = true;
  }
  return plain_;
}

// No RTF reader exists here: a rich write is taken as its plain text, as the program only ever
// writes "" to clear the box.
void RichTextBoxWidget::setContent(const Text& text) {
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  setTextCursor(all);
  replaceSelection(ToQString(text));
}

void RichTextBoxWidget::setSelectionStart(int32_t start) {
  start_ = std::max(start, 0);
  applySelection();
}

void RichTextBoxWidget::setSelectionLength(int32_t length) {
  length_ = std::max(length, -1);
  applySelection();
}

void RichTextBoxWidget::setSelectedText(const Text& text) { replaceSelection(ToQString(text)); }

void RichTextBoxWidget::setSelectionFormat(const 字符格式& record) {
  lastFormat_ = CharFormatOf(record);
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return;
  ownEdit_ = true;  // a format change leaves the plain form as it is
  cursor.setCharFormat(lastFormat_);
  ownEdit_ = false;
}

void RichTextBoxWidget::copySelection() {
  const QTextCursor cursor = textCursor();
  PutRichTextOnClipboard(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void RichTextBoxWidget::scrollByLines(int32_t lines) {
  QScrollBar* bar = verticalScrollBar();
  const int64_t target = int64_t{bar->value()} + int64_t{lines} * bar->singleStep();
  bar->setValue(static_cast<int>(std::clamp<int64_t>(target, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max())));
}

bool RichTextBoxWidget::event(QEvent* e) {
  // Enter belongs to the box, not to a default button or a window shortcut.
  if (e->type() == QEvent::ShortcutOverride && IsEnter(static_cast<QKeyEvent*>(e))) {
    e->accept();
    return true;
  }
  return QTextEdit::event(e);
}

void RichTextBoxWidget::keyPressEvent(QKeyEvent* e) {
  if (IsEnter(e)) {
    e->accept();
    return;
  }
  QTextEdit::keyPressEvent(e);
}

int RichTextBoxWidget::endPosition() const { return document()->characterCount() - 1; }

void RichTextBoxWidget::applySelection() {
  const int end = endPosition();
  int from = 0;
  int to = end;
  if (length_ != -1) {
    from = std::min(start_, end);
    to = static_cast<int>(std::min<int64_t>(int64_t{start_} + length_, end));
  }
  QTextCursor cursor(document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void RichTextBoxWidget::replaceSelection(const QString& text) {
  QTextCursor cursor = textCursor();
  const int from = cursor.selectionStart();
  const int to = cursor.selectionEnd();
  const int end = endPosition();
  const bool whole = from == 0 && to == end;
  const bool append = from == end;
  ownEdit_ = true;
  cursor.insertText(text, lastFormat_);
  ownEdit_ = false;
  setTextCursor(cursor);
  if (whole) {
    plain_.clear();
    plainValid_ = true;
  }
  if ((whole || append) && plainValid_) {
    appendToPlain(from, cursor.position());
  } else {
    plainValid_ = false;
  }
}

void RichTextBoxWidget::appendToPlain(int from, int to) {
  if (from == to) return;
  QTextCursor inserted(document());
  inserted.setPosition(from);
  inserted.setPosition(to, QTextCursor::KeepAnchor);
  plain_ += FromQString(PlainForm(inserted.selectedText()));
}

// ---- The handle ---------------------------------------------------------------------------------

void RichTextBox::setTextFormat(int32_t format) const {
  if (auto* box = BoxOf(*this)) box->setTextFormat(format);
}

int32_t RichTextBox::textFormat() const {
  auto* box = BoxOf(*this);
  return box ? box->textFormat() : TEXT_FORMAT_PLAIN;
}

const Text& RichTextBox::content() const {
  static const Text empty;
  auto* box = BoxOf(*this);
  return box ? box->content() : empty;
}

void RichTextBox::setContent(const Text& text) const {
  if (auto* box = BoxOf(*this)) box->setContent(text);
}

void RichTextBox::setSelectionStart(int32_t start) const {
  if (auto* box = BoxOf(*this)) box->setSelectionStart(start);
}

void RichTextBox::setSelectionLength(int32_t length) const {
  if (auto* box = BoxOf(*this)) box->setSelectionLength(length);
}

void RichTextBox::setSelectedText(const Text& text) const {
  if (auto* box = BoxOf(*this)) box->setSelectedText(text);
}

void RichTextBox::SetSelectionFormat(const 字符格式& format) const {
  if (auto* box = BoxOf(*this)) box->setSelectionFormat(format);
}

void RichTextBox::CopySelection() const {
  if (auto* box = BoxOf(*this)) box->copySelection();
}

void RichTextBox::ScrollByLines(int32_t lines) const {
  if (auto* box = BoxOf(*this)) box->scrollByLines(lines);
}
