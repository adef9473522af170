#pragma once
// The preview box's RTF form. Each run is written with the record values that the box stored
// beside its Qt format (host/rich_text_format.h), so a word processor sees the face, size,
// offset, effects and colour that the program applied, also where Qt itself could not show them.
#include "host/text.h"

class QTextDocument;

// The characters of doc from position `from` up to, not including, `to` as an RTF document. A
// paragraph break inside the range becomes a paragraph end; the document's final, implicit
// break is never written, so the whole text of "a\r\nb\r\n" gives exactly two paragraphs.
Bytes WriteRtf(const QTextDocument& doc, int from, int to);

// The whole text of doc.
Bytes WriteRtf(const QTextDocument& doc);
