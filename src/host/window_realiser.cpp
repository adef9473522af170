#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"

namespace {

QWidget* CreateControl(const ControlSpec& c, QWidget* window) {
  const QString text = ToQString(c.text);
  switch (c.kind) {
    case ControlKind::Button:
      return new QPushButton(text, window);
    case ControlKind::Label:
      return new QLabel(text, window);
    case ControlKind::CheckBox:
      return new QCheckBox(text, window);
    case ControlKind::EditBox:
      return new QLineEdit(text, window);
    case ControlKind::RichTextBox:
      return CreateRichTextBox(window);
    default:
      return new QWidget(window);
  }
}

}  // namespace

QWidget* RealiseWindow(const WindowSpec& spec) {
  auto* window = new QWidget(nullptr);
  window->setObjectName("主窗口");
  window->setWindowTitle(ToQString(spec.caption));
  window->setFixedSize(spec.outerWidth, spec.outerHeight);
  for (const ControlSpec& c : spec.controls) {
    if (c.kind == ControlKind::FileDialog || c.kind == ControlKind::BalloonTip) {
      // Components have no window of their own; they keep their settings as properties.
      auto* component = new QObject(window);
      component->setObjectName(QString::fromUtf8(c.name));
      continue;
    }
    QWidget* widget = CreateControl(c, window);
    widget->setObjectName(QString::fromUtf8(c.name));
    widget->setGeometry(c.left, c.top, c.width, c.height);
  }
  return window;
}
