#pragma once
// The preview box's clipboard copy: rich text for word processors, HTML and plain text.
class QTextDocument;

// Puts the characters of doc from position `from` up to `to` on the system clipboard as RTF,
// HTML and plain text.
void PutRichTextOnClipboard(const QTextDocument& doc, int from, int to);
