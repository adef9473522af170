#pragma once
// The main window: its controls by name and its description as data.
#include "host/controls.h"
#include "host/window_model.h"

inline constexpr FileDialog 通用对话框1{{"通用对话框1"}};
inline constexpr Button 按钮3{{"按钮3"}};
inline constexpr Label 标签5{{"标签5"}};
inline constexpr CheckBox 选择框_不显不显示英文字体{{"选择框_不显不显示英文字体"}};
inline constexpr Button 按钮2{{"按钮2"}};
inline constexpr BalloonTip 气球提示框1{{"气球提示框1"}};
inline constexpr EditBox 编辑框_关键字{{"编辑框_关键字"}};
inline constexpr Label 标签4{{"标签4"}};
inline constexpr Label 标签3{{"标签3"}};
inline constexpr ColourPicker 颜色选择器1{{"颜色选择器1"}};
inline constexpr Label 标签2{{"标签2"}};
inline constexpr Spinner 调节器_字体大小{{"调节器_字体大小"}};
inline constexpr EditBox 编辑框_字体大小{{"编辑框_字体大小"}};
inline constexpr CheckBox 选择框_不显字体名{{"选择框_不显字体名"}};
inline constexpr CheckBox 选择框_不显纵向{{"选择框_不显纵向"}};
inline constexpr Label 标签1{{"标签1"}};
inline constexpr EditBox 编辑框_文本输入{{"编辑框_文本输入"}};
inline constexpr RichTextBox 超级编辑框1{{"超级编辑框1"}};
inline constexpr Button 按钮1{{"按钮1"}};
inline constexpr MainWindowHandle 主窗口{};

// Built once; the host realises it when the window is loaded.
const WindowSpec& MainWindowSpec();
