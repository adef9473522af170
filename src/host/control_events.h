#pragma once
// Connects a control's events to the handlers its description names.
#include <QWidget>

#include "host/window_model.h"

// Ctrl 1, Shift 2, Alt 4.
int32_t KeyStateOf(Qt::KeyboardModifiers modifiers);

// Wheel notches: the signed delta divided by 120, truncated toward zero.
int32_t WheelDistanceOf(int angleDelta);

void BindControlEvents(QWidget* widget, const ControlSpec& controlSpec);
