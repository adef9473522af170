#pragma once
// The one place where tests replace what would wait for a person or leave the process: modal
// answers, the file dialog, shell and web opens, the balloon tip and the font enumeration.
// An empty function means the real platform.
#include <functional>
#include <optional>
#include <vector>

#include "host/text.h"

struct HostSeam {
  std::function<std::vector<Text>()> enumerateFonts;
  // Receives text, flags and title; returns the answer code.
  std::function<int(const Text&, int, const Text&)> messageBox;
  // Receives the dialog's file name, filter and initial directory; returns the chosen full
  // path, or nothing for a cancelled dialog.
  std::function<std::optional<Text>(const Text&, const Text&, const Text&)> fileDialog;
  std::function<void(const Text&)> openWithShell;
  std::function<void(const Text&)> openWebAddress;
  // Receives x, y, text and icon index.
  std::function<void(int, int, const Text&, int)> balloonTip;
};

HostSeam& Seam();
