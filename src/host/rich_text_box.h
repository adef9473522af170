#pragma once
// The preview box: a read-only rich-text control written only by the program.
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <optional>

#include "host/text.h"

struct 字符格式;

QWidget* CreateRichTextBox(QWidget* parent);

// The Qt format that shows a record, with the record itself kept beside it (see
// host/rich_text_format.h). Sizes and offsets Qt cannot draw are clamped for display only.
QTextCharFormat CharFormatOf(const 字符格式& record);

inline constexpr int MIN_DISPLAY_POINTS = 1;
inline constexpr int MAX_DISPLAY_POINTS = 1638;

class RichTextBoxWidget : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextBoxWidget(QWidget* parent);

  void setTextFormat(int32_t format);
  int32_t textFormat() const { return format_; }
  const Text& content();
  void setContent(const Text& text);
  void setSelectionStart(int32_t start);
  void setSelectionLength(int32_t length);
  void setSelectedText(const Text& text);
  void setSelectionFormat(const 字符格式& record);
  void copySelection();
  void scrollByLines(int32_t lines);

 protected:
  bool event(QEvent* e) override;
  bool viewportEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  int endPosition() const;
  void applySelection();
  void replaceSelection(const QString& text);
  QTextCursor selection() const;
  void setSelection(const QTextCursor& cursor);
  void openBatch();
  void closeBatch();

  int32_t format_ = 0;
  int32_t start_ = 0;
  int32_t length_ = 0;
  QTextCharFormat lastFormat_;
  // The plain form, kept up to date as lines are appended so that reading it stays cheap.
  Text plain_;
  bool plainValid_ = true;
  Text rich_;
  bool ownEdit_ = false;
  std::optional<QTextCursor> batch_;  // open while writes wait to be laid out
  QTextCursor selection_;             // the selection while a batch is open
};
