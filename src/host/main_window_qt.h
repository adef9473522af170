#pragma once
// The realised main window, for host code and tests.
#include <QObject>
#include <QWidget>

#include "host/window_model.h"

// The current main window, or null before it is loaded and after it is unloaded.
QWidget* MainWindowWidget();

// The widget or component of that name in the current main window, or null.
QObject* FindControlObject(const char* name);

template <typename T>
T* FindControl(const char* name) {
  return qobject_cast<T*>(FindControlObject(name));
}

// Builds the window and its controls from the description, hidden.
QWidget* RealiseWindow(const WindowSpec& windowSpec);
