#include "host/spinner.h"

#include <QToolButton>

namespace {

QToolButton* Arrow(Qt::ArrowType type, const char* name, QWidget* parent) {
  auto* arrow = new QToolButton(parent);
  arrow->setObjectName(QString::fromLatin1(name));
  arrow->setArrowType(type);
  arrow->setAutoRaise(false);  // no hot-tracking
  arrow->setAutoRepeat(true);
  arrow->setFocusPolicy(Qt::NoFocus);
  return arrow;
}

}  // namespace

SpinnerWidget::SpinnerWidget(QWidget* parent)
    : QWidget(parent),
      up_(Arrow(Qt::UpArrow, "up", this)),
      down_(Arrow(Qt::DownArrow, "down", this)) {
  setFocusPolicy(Qt::NoFocus);
  // A step happens as the arrow goes down and again at every repeat while it is held.
  connect(up_, &QToolButton::pressed, this, [this] { emit stepped(1); });
  connect(down_, &QToolButton::pressed, this, [this] { emit stepped(-1); });
}

void SpinnerWidget::resizeEvent(QResizeEvent*) {
  const int upper = height() / 2;
  up_->setGeometry(0, 0, width(), upper);
  down_->setGeometry(0, upper, width(), height() - upper);
}
