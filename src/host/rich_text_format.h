#pragma once
// How the preview box keeps the record that formatted each run of its text: the record's values
// travel verbatim as user properties of the QTextCharFormat, beside the Qt font the box shows,
// so that the RTF form reproduces exactly what the program applied (a GB18030 face name that
// Qt cannot match, a size beyond what Qt can draw).
#include <QTextFormat>

namespace richtext {
enum RecordProperty : int {
  FaceNameBytes = QTextFormat::UserProperty + 1,  // QByteArray, the GB18030 face name
  PointSize,                                      // int, as applied
  BaselineOffset,                                 // int, points
  Effects,                                        // int, the five effect bits
  TextColor,                                      // int, 0x00BBGGRR or DEFAULT_COLOR
};
}  // namespace richtext
