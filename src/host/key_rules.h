#pragma once
// The keys the main window looks at before the focused control: Tab and Shift+Tab, Enter, Esc
// and F1, as the window's description sets them.
#include <QWidget>

#include "host/window_model.h"

// The controls reached by Tab, in cycle order: the tab-stop controls in reverse list order.
QList<QWidget*> TabCycle(QWidget* window, const WindowSpec& windowSpec);

// Watches the application's key presses for this window's controls; lives as long as the window.
void InstallKeyRules(QWidget* window, const WindowSpec& windowSpec);
