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
  // Edit boxes: characters the user may type (empty: any) and how many (0: no limit).
  const char* typedCharacters = "";
  int32_t typedLimit = 0;
  bool handCursor = false;
  // Events; null where the control's event has no handler.
  ClickHandler clicked = nullptr;
  StepHandler stepped = nullptr;
  MouseHandler mouseMoved = nullptr;
  MouseHandler leftButtonDown = nullptr;
  WheelHandler wheelTurned = nullptr;
};

struct WindowSpec {
  Text caption;
  int32_t outerWidth = 0;
  int32_t outerHeight = 0;
  ClickHandler created = nullptr;
  std::vector<ControlSpec> controls;  // in list order
};
