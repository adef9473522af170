#include "ui/main_window.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "catalogue/catalogue.h"
#include "export/export.h"
#include "preview/build_preview.h"
#include "ui/aux_handlers.h"

namespace {

FontSpec GuiFont() { return FontSpec{}; }

FontSpec Font(const char* face, int32_t pixelHeight) {
  return FontSpec{false, FromUtf8(face), pixelHeight, 400};
}

Text AuthorLine() { return FromUtf8(std::string("作者信息：") + AUTHOR_ADDRESS + " 欢迎提出建议"); }

void AddControls(WindowSpec& w) {
  using K = ControlKind;
  // clang-format off
  w.controls = {
    {通用对话框1.name, K::FileDialog, 552, 456, 40, 24, {}, GuiFont()},
    {按钮3.name, K::Button, 426, 542, 112, 32, FromUtf8("输出到doc文件"), Font("汉仪综艺体简", 14), true, Align::Centre},
    {标签5.name, K::Label, 354, 578, 234, 16, AuthorLine(), GuiFont()},
    {选择框_不显不显示英文字体.name, K::CheckBox, 8, 512, 112, 24, FromUtf8("不显示英文字体"), GuiFont(), true},
    {按钮2.name, K::Button, 426, 506, 112, 32, FromUtf8("复制到剪切板"), Font("汉仪综艺体简", 16), true, Align::Centre},
    {气球提示框1.name, K::BalloonTip, 250, 546, 56, 40, {}, GuiFont()},
    {编辑框_关键字.name, K::EditBox, 329, 519, 71, 24, {}, Font("", 16), true},
    {标签4.name, K::Label, 260, 518, 65, 24, FromUtf8("字体关键字："), GuiFont()},
    {标签3.name, K::Label, 127, 560, 57, 24, FromUtf8("字体色泽："), GuiFont()},
    {颜色选择器1.name, K::ColourPicker, 184, 557, 56, 32, {}, GuiFont(), true},
    {标签2.name, K::Label, 128, 517, 56, 24, FromUtf8("字体大小："), GuiFont()},
    {调节器_字体大小.name, K::Spinner, 217, 514, 24, 32, {}, GuiFont()},
    {编辑框_字体大小.name, K::EditBox, 184, 515, 32, 31, FromUtf8("15"), GuiFont(), true, Align::Centre},
    {选择框_不显字体名.name, K::CheckBox, 8, 562, 112, 24, FromUtf8("不显示字体名称"), GuiFont(), true},
    {选择框_不显纵向.name, K::CheckBox, 8, 538, 104, 24, FromUtf8("不显示纵向字体"), GuiFont(), true},
    {标签1.name, K::Label, 12, 440, 162, 16, FromUtf8("在下方输入文本，查看效果"), GuiFont()},
    {编辑框_文本输入.name, K::EditBox, 8, 456, 408, 40, FromUtf8("测试汉字"), Font("", 19), true},
    {超级编辑框1.name, K::RichTextBox, 8, 8, 560, 432, {}, GuiFont(), true},
    {按钮1.name, K::Button, 426, 453, 112, 50, FromUtf8("一键浏览"), Font("汉仪综艺体简", 20), true, Align::Centre},
  };
  // clang-format on
}

ControlSpec& At(WindowSpec& w, const Control& control) {
  for (ControlSpec& c : w.controls) {
    if (std::strcmp(c.name, control.name) == 0) return c;
  }
  throw std::logic_error(std::string("no control ") + control.name);
}

void AddSettings(WindowSpec& w) {
  for (const Button& b : {按钮1, 按钮2, 按钮3}) At(w, b).defaultButton = true;
  At(w, 超级编辑框1).takesEnter = true;
  At(w, 编辑框_字体大小).typedCharacters = "0123456789-";
  At(w, 编辑框_字体大小).typedLimit = 2;
  At(w, 标签5).handCursor = true;
}

void AddBindings(WindowSpec& w) {
  w.created = LoadFontCatalogue;
  At(w, 按钮1).clicked = BuildPreview;
  At(w, 按钮2).clicked = CopyPreview;
  At(w, 按钮3).clicked = SavePreviewAsDoc;
  At(w, 调节器_字体大小).stepped = StepFontSize;
  At(w, 标签4).mouseMoved = ShowKeywordHint;
  At(w, 标签5).leftButtonDown = OpenAuthorPage;
  At(w, 超级编辑框1).wheelTurned = ScrollPreviewOnWheel;
}

WindowSpec BuildSpec() {
  WindowSpec w;
  w.caption = FromUtf8("Quorvane~字体浏览器V1.20");
  w.outerWidth = 605;
  w.outerHeight = 628;
  w.icon = "DEFAULT_ICON";
  w.keys = KeyRules{true, true, true, true};
  AddControls(w);
  AddSettings(w);
  AddBindings(w);
  return w;
}

}  // namespace

const WindowSpec& MainWindowSpec() {
  static const WindowSpec windowSpec = BuildSpec();
  return windowSpec;
}
