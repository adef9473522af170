#include "host/rich_text_box.h"

#include <QTextEdit>

QWidget* CreateRichTextBox(QWidget* parent) {
  auto* box = new QTextEdit(parent);
  box->setReadOnly(true);
  box->setLineWrapMode(QTextEdit::NoWrap);
  return box;
}
