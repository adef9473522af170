#include "host/control_events.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "host/spinner.h"

namespace {

constexpr int WHEEL_NOTCH = 120;

// Runs the mouse handlers before the control's own handling, which always follows.
class MouseBinding : public QObject {
 public:
  MouseBinding(QWidget* widget, MouseHandler moved, MouseHandler leftDown)
      : QObject(widget), moved_(moved), leftDown_(leftDown) {}

  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::MouseMove && moved_) run(moved_, static_cast<QMouseEvent*>(e));
    if (e->type() == QEvent::MouseButtonPress && leftDown_) {
      auto* m = static_cast<QMouseEvent*>(e);
      if (m->button() == Qt::LeftButton) run(leftDown_, m);
    }
    return false;
  }

 private:
  static void run(MouseHandler handler, const QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    handler(static_cast<uint16_t>(at.x()), static_cast<uint16_t>(at.y()),
            KeyStateOf(e->modifiers()));
  }

  MouseHandler moved_;
  MouseHandler leftDown_;
};

// Wheel events reach the box's viewport, or its scroll bars when the mouse is over them. The
// viewport hands each event on to a scroll bar itself, so a scroll bar counts only events that
// come straight from the platform.
class WheelBinding : public QObject {
 public:
  WheelBinding(QWidget* viewport, WheelHandler handler)
      : QObject(viewport), viewport_(viewport), handler_(handler) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::Wheel) return false;
    if (watched != viewport_ && !e->spontaneous()) return false;
    auto* w = static_cast<QWheelEvent*>(e);
    // A horizontal wheel is another message than the vertical wheel this event stands for.
    if (w->angleDelta().y() == 0) return false;
    handler_(WheelDistanceOf(w->angleDelta().y()), KeyStateOf(w->modifiers()));
    return false;
  }

 private:
  QWidget* viewport_;
  WheelHandler handler_;
};

void BindWheel(QWidget* widget, WheelHandler handler) {
  auto* area = qobject_cast<QAbstractScrollArea*>(widget);
  QWidget* viewport = area ? area->viewport() : widget;
  auto* binding = new WheelBinding(viewport, handler);
  viewport->installEventFilter(binding);
  if (area) {
    area->verticalScrollBar()->installEventFilter(binding);
    area->horizontalScrollBar()->installEventFilter(binding);
  }
}

}  // namespace

int32_t KeyStateOf(Qt::KeyboardModifiers modifiers) {
  int32_t state = 0;
  if (modifiers & Qt::ControlModifier) state |= KEY_STATE_CTRL;
  if (modifiers & Qt::ShiftModifier) state |= KEY_STATE_SHIFT;
  if (modifiers & Qt::AltModifier) state |= KEY_STATE_ALT;
  return state;
}

int32_t WheelDistanceOf(int angleDelta) { return angleDelta / WHEEL_NOTCH; }

void BindControlEvents(QWidget* widget, const ControlSpec& controlSpec) {
  if (controlSpec.clicked) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QObject::connect(button, &QAbstractButton::clicked, button,
                       [h = controlSpec.clicked] { h(); });
    }
  }
  if (controlSpec.stepped) {
    if (auto* spinner = qobject_cast<SpinnerWidget*>(widget)) {
      QObject::connect(spinner, &SpinnerWidget::stepped, spinner,
                       [h = controlSpec.stepped](int step) { h(step); });
    }
  }
  if (controlSpec.mouseMoved || controlSpec.leftButtonDown) {
    // Moves arrive without a button held only while the widget tracks the mouse.
    if (controlSpec.mouseMoved) widget->setMouseTracking(true);
    widget->installEventFilter(
        new MouseBinding(widget, controlSpec.mouseMoved, controlSpec.leftButtonDown));
  }
  if (controlSpec.wheelTurned) BindWheel(widget, controlSpec.wheelTurned);
}
