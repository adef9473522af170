#include "host/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <algorithm>

#include "host/rtf_writer.h"

namespace {

// LibreOffice on X11 reads "text/rtf" and "text/richtext". On Windows Qt would publish
// "text/rtf" under that literal name, which Word ignores; the native clipboard format is
// "Rich Text Format".
const char* const RTF_FORMATS[] = {
    "text/rtf",
    "text/richtext",
    "application/x-qt-windows-mime;value=\"Rich Text Format\"",
};

QMimeData* RichTextMimeData(const QTextDocument& doc, int from, int to) {
  const int end = doc.characterCount() - 1;
  from = std::clamp(from, 0, end);
  to = std::clamp(to, from, end);
  const Bytes rtf = WriteRtf(doc, from, to);
  const QByteArray rtfBytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
  QTextCursor selection(doc.begin());
  selection.setPosition(from);
  selection.setPosition(to, QTextCursor::KeepAnchor);
  const QTextDocumentFragment fragment = selection.selection();

  auto* data = new QMimeData;
  for (const char* format : RTF_FORMATS) data->setData(QString::fromLatin1(format), rtfBytes);
  data->setHtml(fragment.toHtml());
  data->setText(fragment.toPlainText());
  return data;
}

}  // namespace

void PutRichTextOnClipboard(const QTextDocument& doc, int from, int to) {
  QGuiApplication::clipboard()->setMimeData(RichTextMimeData(doc, from, to));
}
