#pragma once
// The main window as data: the ui folder describes it, the host realises it with widgets.
#include <cstdint>
#include <vector>

#include "host/text.h"

enum class ControlKind {
  FileDialog,
  Button,
  Label,
  CheckBox,
  EditBox,
  BalloonTip,
  ColourPicker,
  Spinner,
  RichTextBox,
};

struct FontSpec {
  bool defaultGuiFont = true;  // the platform's stock font for controls; the rest is unused
  Text faceName;               // empty: the platform's default face
  int32_t pixelHeight = 0;     // character height in pixels
  int32_t weight = 400;
};

enum class Align { Left, Centre };

// Key state bits delivered with mouse and wheel events.
inline constexpr int32_t KEY_STATE_CTRL = 1;
inline constexpr int32_t KEY_STATE_SHIFT = 2;
inline constexpr int32_t KEY_STATE_ALT = 4;

using ClickHandler = void (*)();
using StepHandler = void (*)(int32_t step);
using MouseHandler = void (*)(uint16_t x, uint16_t y, int32_t keyState);
using WheelHandler = void (*)(int32_t distance, int32_t keyState);

struct ControlSpec {
  const char* name;
  ControlKind kind;
  int32_t left, top, width, height;
  Text text;
  FontSpec font;
  bool tabStop = false;
  Align align = Align::Left;
  // Edit boxes: characters the user may type (empty: any) and how many (0: no limit). Text the
  // program sets is neither filtered nor limited.
  const char* typedCharacters = "";
  int32_t typedLimit = 0;
  bool handCursor = false;
  // Buttons drawn with the default frame; Enter clicks them (see KeyRules).
  bool defaultButton = false;
  // The control keeps Enter for itself while it has the focus.
  bool takesEnter = false;
  // Events; null where the control's event has no handler. Mouse and wheel handlers run before
  // the control's own handling of the input, which always follows.
  ClickHandler clicked = nullptr;
  StepHandler stepped = nullptr;
  MouseHandler mouseMoved = nullptr;
  MouseHandler leftButtonDown = nullptr;
  WheelHandler wheelTurned = nullptr;
};

// Keys the window looks at before the focused control does.
struct KeyRules {
  bool escapeCloses = false;
  // Tab and Shift+Tab cycle through the tab-stop controls in reverse list order, wrapping.
  bool tabCycles = false;
  // Enter: a control that takes Enter keeps it; else the focused default button is clicked;
  // else the first default button in list order. Enter never moves the focus.
  bool enterClicksDefaultButton = false;
  bool helpKeyIgnored = false;
};

struct WindowSpec {
  Text caption;
  // Frame included where the platform draws one; centred on the screen at start.
  int32_t outerWidth = 0;
  int32_t outerHeight = 0;
  const char* icon = "";  // a 48 x 48 picture among the program's resources
  KeyRules keys;
  ClickHandler created = nullptr;
  std::vector<ControlSpec> controls;  // in list order
};
