#pragma once
// The preview box's clipboard copy: rich text for word processors, HTML and plain text.
class QMimeData;
class QTextDocument;

// The characters of doc from position `from` up to `to`, in every form the clipboard offers.
QMimeData* RichTextMimeData(const QTextDocument& doc, int from, int to);

// Puts those forms on the system clipboard.
void PutRichTextOnClipboard(const QTextDocument& doc, int from, int to);
