#pragma once
// Conversion between the program's GB18030 texts and Qt's strings; host code only.
#include <QString>

#include "host/text.h"

QString ToQString(const Text& text);
Text FromQString(const QString& text);
