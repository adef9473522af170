#pragma once
// A drop-down colour button: a sunken swatch of the current colour with an arrow at its right
// end; pressing it opens a palette of fixed colours (no transparent choice).
#include <QAbstractButton>
#include <QColor>
#include <QPointer>

class QFrame;

// 0x00BBGGRR, red in the low byte.
int32_t BgrOf(const QColor& colour);
QColor ColourOfBgr(int32_t bgr);

class ColourPickerButton : public QAbstractButton {
  Q_OBJECT
  // Read by the program as 0x00BBGGRR.
  Q_PROPERTY(int colour READ colour WRITE setColour NOTIFY colourChanged)

 public:
  explicit ColourPickerButton(QWidget* parent);

  int colour() const { return colour_; }
  void setColour(int bgr);
  QSize sizeHint() const override;
  // The palette while it is open, or null.
  QFrame* palettePopup() const { return popup_.data(); }

 signals:
  void colourChanged(int bgr);

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void openPalette();
  void choose(const QColor& colour);
  void chooseOther();

  int colour_ = 0;
  QPointer<QFrame> popup_;
};
