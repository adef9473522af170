#pragma once
// The main window's frame: fixed outer size, centred start position and icon.
#include <QSize>
#include <QWidget>

// Frame flags: caption with system menu and close button only, no resizing.
void SetFixedFrame(QWidget* window, QSize outer);

// The frame's position (screen - outer) / 2 on the primary screen, truncated toward zero.
void CentreOnScreen(QWidget* window, QSize outer);

// The picture of that name among the resources, as a large 32 x 32 and a small 16 x 16 icon.
void SetWindowIconFrom(QWidget* window, const char* name);
