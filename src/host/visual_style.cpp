#include "host/visual_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace {

struct Scheme {
  QColor face;
  QColor frame;
  QColor highlight;
};

// Scheme 3 keeps the frames at RGB 198,197,215.
const Scheme kSchemes[] = {
    {QColor(236, 233, 216), QColor(0, 60, 116), QColor(49, 106, 197)},
    {QColor(224, 223, 227), QColor(85, 98, 112), QColor(147, 160, 112)},
    {QColor(240, 240, 240), QColor(198, 197, 215), QColor(51, 153, 255)},
};

QString& PlatformStyleName() {
  static QString name;
  return name;
}

}  // namespace

void ApplyVisualStyle(int scheme) {
  if (PlatformStyleName().isEmpty()) PlatformStyleName() = QApplication::style()->name();
  if (scheme < 1 || scheme > 3) {
    QApplication::setStyle(QStyleFactory::create(PlatformStyleName()));
    QApplication::setPalette(QApplication::style()->standardPalette());
    return;
  }
  const Scheme& s = kSchemes[scheme - 1];
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QPalette palette = QApplication::style()->standardPalette();
  palette.setColor(QPalette::Window, s.face);
  palette.setColor(QPalette::Button, s.face);
  palette.setColor(QPalette::Mid, s.frame);
  palette.setColor(QPalette::Dark, s.frame);
  palette.setColor(QPalette::Highlight, s.highlight);
  QApplication::setPalette(palette);
}
