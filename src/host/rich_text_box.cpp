#include "host/rich_text_box.h"

#include <QKeyEvent>
#include <QPointer>
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

constexpr int FACE_HASH_KEY = QTextFormat::UserProperty + 0x100;

QColor ColourOf(int32_t bgr) {
  const auto value = static_cast<uint32_t>(bgr);
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// The plain form of text as the document holds it once inserted: every break ("\r\n", "\r",
// "\n", the Unicode paragraph and line separators, frame marks) reads as "\r\n" and a no-break
// space as a space, as QTextDocument::toPlainText() reads them.
QString PlainForm(const QString& text) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    switch (text[i].unicode()) {
      case u'\r':
        if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        [[fallthrough]];
      case u'\n':
      case QChar::ParagraphSeparator:
      case QChar::LineSeparator:
      case 0xfdd0:  // frame start
      case 0xfdd1:  // frame end
        out += u"\r\n";
        break;
      case QChar::Nbsp:
        out += u' ';
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

bool ShowsOrTakesInput(QEvent::Type type) {
  switch (type) {
    case QEvent::Paint:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

// The preview calls the box several times per line, and finding a control by its name costs as
// much as a write; the box found last is kept while it lives in the current main window.
RichTextBoxWidget* BoxOf(const RichTextBox& handle) {
  static QPointer<RichTextBoxWidget> box;
  if (!box || box->window() != MainWindowWidget() || box->objectName() != handle.name) {
    box = FindControl<RichTextBoxWidget>(handle.name);
  }
  return box;
}

}  // namespace

QTextCharFormat CharFormatOf(const 字符格式& record) {
  const uint32_t effects = record.effects & 0x1F;
  const int size = std::clamp(record.pointSize, MIN_DISPLAY_POINTS, MAX_DISPLAY_POINTS);
  const int offset = std::clamp(record.baselineOffset, -MAX_DISPLAY_POINTS, MAX_DISPLAY_POINTS);
  QTextCharFormat f;
  const QString face = ToQString(record.faceName);
  f.setFontFamilies(QStringList{face});
  // Qt hashes a format's list and byte-array values by their type alone, so formats that differ
  // only in the face would all collide in the document's format table; this string tells them
  // apart.
  f.setProperty(FACE_HASH_KEY, face);
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
    closeBatch();
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
  // Clearing also drops the character formats the old text used, which the document would
  // otherwise keep for its whole life.
  openBatch();
  ownEdit_ = true;
  document()->clear();
  ownEdit_ = false;
  plain_.clear();
  plainValid_ = true;
  if (!text.empty()) replaceSelection(ToQString(text));
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
  if (!selection().hasSelection()) return;
  openBatch();
  selection_.setCharFormat(lastFormat_);
}

void RichTextBoxWidget::copySelection() {
  closeBatch();  // the clipboard copy reads the widget's selection
  const QTextCursor cursor = textCursor();
  PutRichTextOnClipboard(*document(), cursor.selectionStart(), cursor.selectionEnd());
}

void RichTextBoxWidget::scrollByLines(int32_t lines) {
  closeBatch();
  QScrollBar* bar = verticalScrollBar();
  const int64_t target = int64_t{bar->value()} + int64_t{lines} * bar->singleStep();
  bar->setValue(static_cast<int>(std::clamp<int64_t>(target, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max())));
}

bool RichTextBoxWidget::event(QEvent* e) {
  if (ShowsOrTakesInput(e->type())) closeBatch();
  // Enter belongs to the box, not to a default button or a window shortcut.
  if (e->type() == QEvent::ShortcutOverride && IsEnter(static_cast<QKeyEvent*>(e))) {
    e->accept();
    return true;
  }
  return QTextEdit::event(e);
}

bool RichTextBoxWidget::viewportEvent(QEvent* e) {
  if (ShowsOrTakesInput(e->type())) closeBatch();
  return QTextEdit::viewportEvent(e);
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
  setSelection(cursor);
}

QTextCursor RichTextBoxWidget::selection() const { return batch_ ? selection_ : textCursor(); }

void RichTextBoxWidget::setSelection(const QTextCursor& cursor) {
  if (batch_) {
    selection_ = cursor;
  } else {
    setTextCursor(cursor);
  }
}

void RichTextBoxWidget::replaceSelection(const QString& text) {
  openBatch();
  const int from = selection_.selectionStart();
  const int to = selection_.selectionEnd();
  const int end = endPosition();
  selection_.insertText(text, lastFormat_);
  if (from == 0 && to == end) {
    plain_.clear();
    plainValid_ = true;
  }
  if (plainValid_ && (from == end || (from == 0 && to == end))) {
    plain_ += FromQString(PlainForm(text));
  } else {
    plainValid_ = false;
  }
}

// Laying out and placing the view after every write would make a long series of writes
// quadratic in practice. Writes wait in a batch instead: the document holds back its change
// notices and the selection lives beside the widget until the box is next drawn or used, or
// the event loop comes round; then the document is laid out once and the selection shown.
void RichTextBoxWidget::openBatch() {
  if (batch_) return;
  selection_ = textCursor();
  // While the vertical scroll bar comes and goes, QTextEdit lays the whole document out anew
  // for each change of the viewport's width, although unwrapped lines do not depend on it.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  batch_.emplace(document());
  batch_->beginEditBlock();
  QMetaObject::invokeMethod(this, &RichTextBoxWidget::closeBatch, Qt::QueuedConnection);
}

void RichTextBoxWidget::closeBatch() {
  if (!batch_) return;
  QTextCursor batch = *batch_;
  batch_.reset();
  ownEdit_ = true;  // the plain form already follows every change of the batch
  batch.endEditBlock();
  ownEdit_ = false;
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextCursor(selection_);
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
