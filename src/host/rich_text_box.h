#pragma once
// The preview box: a read-only rich-text control written only by the program.
#include <QWidget>

QWidget* CreateRichTextBox(QWidget* parent);
