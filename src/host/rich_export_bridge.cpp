// Stand-ins for the preview box's rich-text export until the RTF writer and the clipboard copy
// provide the real ones; this file goes away when they do.
#include <QTextDocument>

#include "host/text.h"

Bytes RichContentOf(const QTextDocument&) { return Bytes(); }

void CopyRichSelection(const QTextDocument&, int, int) {}
