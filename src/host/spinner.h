#pragma once
// A stand-alone vertical pair of arrows, up above down. Each step of an arrow, repeated while it
// is held, raises stepped with 1 for the up arrow and -1 for the down arrow.
#include <QWidget>

class QToolButton;

class SpinnerWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SpinnerWidget(QWidget* parent);

  QToolButton* upArrow() const { return up_; }
  QToolButton* downArrow() const { return down_; }

 signals:
  void stepped(int step);

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};
