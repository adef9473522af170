#pragma once
// Handles of the main window's controls. A handle names its control; the host finds the widget
// of that name in the current main window. Reading a control that does not exist gives the
// empty value and writing it does nothing, so a handler never crashes on a missing control.
#include <cstdint>

#include "host/text.h"

struct 字符格式;

struct Control {
  const char* name;
  int32_t left() const;    // relative to the window's client area
  int32_t top() const;     // relative to the window's client area
  int32_t height() const;  // outer height
};

struct Button : Control {};
struct Label : Control {};
struct Spinner : Control {};

struct EditBox : Control {
  Text text() const;
  void setText(const Text& text) const;
};

struct CheckBox : Control {
  int32_t state() const;  // 1 exactly when ticked
};

struct ColourPicker : Control {
  int32_t colour() const;  // 0x00BBGGRR
};

struct FileDialog : Control {
  Text fileName() const;
  void setFileName(const Text& name) const;
  Text filter() const;
  void setFilter(const Text& filter) const;
  Text initialDirectory() const;
  void setInitialDirectory(const Text& directory) const;
};

struct BalloonTip : Control {};

inline constexpr int32_t TEXT_FORMAT_PLAIN = 0;
inline constexpr int32_t TEXT_FORMAT_RICH = 1;

struct RichTextBox : Control {
  void setTextFormat(int32_t format) const;  // clamped to plain or rich
  int32_t textFormat() const;
  // The whole text: plain text with "\r\n" between paragraphs, or an RTF document. The
  // reference stays valid until the box changes; reading the plain form is cheap.
  const Text& content() const;
  void setContent(const Text& text) const;
  void setSelectionStart(int32_t start) const;    // raised to 0
  void setSelectionLength(int32_t length) const;  // raised to -1; -1 selects everything
  void setSelectedText(const Text& text) const;
  void SetSelectionFormat(const 字符格式& format) const;
  void CopySelection() const;
  void ScrollByLines(int32_t lines) const;
};

struct MainWindowHandle {
  int32_t left() const;  // the frame's position on the screen
  int32_t top() const;
};

// True when the user confirms a file; the dialog's file name is then the chosen full path and
// the current directory is the chosen folder. Cancel: false, file name unchanged.
bool RunFileDialog(const FileDialog& dialog);

// Shows text in a balloon anchored at screen point (x, y); iconIndex -1 shows no icon.
void PopBalloonTip(const BalloonTip& tip, int32_t x, int32_t y, const Text& text,
                   int32_t iconIndex);
