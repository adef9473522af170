// Builds the main window and its controls from the window's description.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

#include "host/colour_picker.h"
#include "host/control_events.h"
#include "host/key_rules.h"
#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"
#include "host/spinner.h"
#include "host/typing_filter.h"
#include "host/window_frame.h"

namespace {

QFont FontOf(const FontSpec& fontSpec) {
  QFont font = QApplication::font();
  if (fontSpec.defaultGuiFont) return font;
  // A face that is not installed is replaced through the platform's font matching.
  if (!fontSpec.faceName.empty()) font.setFamilies({ToQString(fontSpec.faceName)});
  font.setPixelSize(fontSpec.pixelHeight);
  font.setWeight(static_cast<QFont::Weight>(fontSpec.weight));
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setStyleStrategy(QFont::PreferQuality);
  return font;
}

// Black text on the button face, as labels and check boxes are drawn.
void UseButtonFace(QWidget* widget) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  widget->setPalette(palette);
  widget->setBackgroundRole(QPalette::Button);
  widget->setAutoFillBackground(true);
}

QWidget* CreateButton(const ControlSpec& c, QWidget* window) {
  auto* button = new QPushButton(ToQString(c.text), window);
  button->setDefault(c.defaultButton);
  button->setAutoDefault(false);
  return button;
}

QWidget* CreateLabel(const ControlSpec& c, QWidget* window) {
  auto* label = new QLabel(ToQString(c.text), window);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setFrameShape(QFrame::NoFrame);
  UseButtonFace(label);
  if (c.handCursor) label->setCursor(Qt::PointingHandCursor);
  return label;
}

QWidget* CreateCheckBox(const ControlSpec& c, QWidget* window) {
  auto* box = new QCheckBox(ToQString(c.text), window);
  box->setChecked(false);
  UseButtonFace(box);
  return box;
}

QWidget* CreateEditBox(const ControlSpec& c, QWidget* window) {
  auto* edit = new QLineEdit(window);
  // A line edit cuts its text at 32767 characters by default, also text the program sets.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setText(ToQString(c.text));
  edit->setAlignment((c.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                     Qt::AlignVCenter);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  edit->setPalette(palette);
  edit->setCursorPosition(0);
  InstallTypingFilter(edit, QString::fromUtf8(c.typedCharacters), c.typedLimit);
  return edit;
}

QWidget* CreateControl(const ControlSpec& c, QWidget* window) {
  switch (c.kind) {
    case ControlKind::Button:
      return CreateButton(c, window);
    case ControlKind::Label:
      return CreateLabel(c, window);
    case ControlKind::CheckBox:
      return CreateCheckBox(c, window);
    case ControlKind::EditBox:
      return CreateEditBox(c, window);
    case ControlKind::ColourPicker:
      return new ColourPickerButton(window);
    case ControlKind::Spinner:
      return new SpinnerWidget(window);
    case ControlKind::RichTextBox:
      return CreateRichTextBox(window);
    case ControlKind::FileDialog:
    case ControlKind::BalloonTip:
      break;
  }
  return nullptr;
}

void PlaceControl(QWidget* widget, const ControlSpec& c) {
  widget->setObjectName(QString::fromUtf8(c.name));
  widget->setGeometry(c.left, c.top, c.width, c.height);
  // The rich-text box keeps its own default character format.
  if (c.kind != ControlKind::RichTextBox) widget->setFont(FontOf(c.font));
  // Labels, the spinner and the components never take the focus; the others take it by Tab and
  // by click.
  widget->setFocusPolicy(c.tabStop ? Qt::StrongFocus : Qt::NoFocus);
}

QWidget* CreateWindow(const WindowSpec& windowSpec) {
  auto* window = new QWidget(nullptr);
  window->setObjectName("主窗口");
  window->setWindowTitle(ToQString(windowSpec.caption));
  const QSize outer(windowSpec.outerWidth, windowSpec.outerHeight);
  SetFixedFrame(window, outer);
  CentreOnScreen(window, outer);
  SetWindowIconFrom(window, windowSpec.icon);
  window->setFont(QApplication::font());
  window->setBackgroundRole(QPalette::Button);
  window->setAutoFillBackground(true);
  return window;
}

// Qt's own focus chain follows the same cycle, for anything that walks it.
void SetTabOrder(const QList<QWidget*>& cycle) {
  for (qsizetype i = 1; i < cycle.size(); ++i) QWidget::setTabOrder(cycle[i - 1], cycle[i]);
}

}  // namespace

QWidget* RealiseWindow(const WindowSpec& windowSpec) {
  QWidget* window = CreateWindow(windowSpec);
  for (const ControlSpec& c : windowSpec.controls) {
    QWidget* widget = CreateControl(c, window);
    if (!widget) {
      // Components have no window of their own; they keep their settings as properties.
      auto* component = new QObject(window);
      component->setObjectName(QString::fromUtf8(c.name));
      continue;
    }
    PlaceControl(widget, c);
    BindControlEvents(widget, c);
  }
  const QList<QWidget*> cycle = TabCycle(window, windowSpec);
  SetTabOrder(cycle);
  if (!cycle.isEmpty()) cycle.first()->setFocus();
  InstallKeyRules(window, windowSpec);
  return window;
}
