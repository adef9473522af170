#include "host/colour_picker.h"

#include <qdrawutil.h>
#include <QColorDialog>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ARROW_WIDTH = 12;
constexpr int SWATCH_SIZE = 16;
constexpr int PALETTE_COLUMNS = 8;

// Forty opaque colours, darkest row first.
constexpr QRgb PALETTE[] = {
    0x000000, 0x993300, 0x333300, 0x003300, 0x003366, 0x000080, 0x333399, 0x333333,
    0x800000, 0xFF6600, 0x808000, 0x008000, 0x008080, 0x0000FF, 0x666699, 0x808080,
    0xFF0000, 0xFF9900, 0x99CC00, 0x339966, 0x33CCCC, 0x3366FF, 0x800080, 0x969696,
    0xFF00FF, 0xFFCC00, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x00CCFF, 0x993366, 0xC0C0C0,
    0xFF99CC, 0xFFCC99, 0xFFFF99, 0xCCFFCC, 0xCCFFFF, 0x99CCFF, 0xCC99FF, 0xFFFFFF,
};

QToolButton* Swatch(const QColor& colour, QWidget* parent) {
  auto* swatch = new QToolButton(parent);
  swatch->setObjectName(colour.name());
  swatch->setFixedSize(SWATCH_SIZE + 4, SWATCH_SIZE + 4);
  swatch->setAutoRaise(true);
  swatch->setToolTip(colour.name().toUpper());
  QPixmap fill(SWATCH_SIZE, SWATCH_SIZE);
  fill.fill(colour);
  swatch->setIcon(QIcon(fill));
  swatch->setIconSize(QSize(SWATCH_SIZE, SWATCH_SIZE));
  return swatch;
}

}  // namespace

int32_t BgrOf(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QColor ColourOfBgr(int32_t bgr) {
  const auto v = static_cast<uint32_t>(bgr);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

ColourPickerButton::ColourPickerButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QAbstractButton::clicked, this, &ColourPickerButton::openPalette);
}

void ColourPickerButton::setColour(int bgr) {
  if (bgr == colour_) return;
  colour_ = bgr;
  update();
  emit colourChanged(bgr);
}

QSize ColourPickerButton::sizeHint() const { return QSize(56, 32); }

void ColourPickerButton::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionButton button;
  button.initFrom(this);
  button.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  p.drawControl(QStyle::CE_PushButtonBevel, button);

  const QRect inner = rect().adjusted(4, 4, -4, -4);
  const QRect swatch = inner.adjusted(0, 0, -ARROW_WIDTH - 2, 0);
  const QBrush fill(ColourOfBgr(colour_));
  qDrawShadePanel(&p, swatch, palette(), true, 1, &fill);

  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = QRect(swatch.right() + 2, inner.top(), ARROW_WIDTH, inner.height());
  p.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(2, 2, -2, -2);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void ColourPickerButton::openPalette() {
  if (popup_) popup_->close();
  popup_ = new QFrame(this, Qt::Popup);
  popup_->setAttribute(Qt::WA_DeleteOnClose);
  popup_->setFrameShape(QFrame::StyledPanel);
  auto* column = new QVBoxLayout(popup_);
  column->setContentsMargins(4, 4, 4, 4);
  auto* grid = new QGridLayout;
  grid->setSpacing(1);
  int i = 0;
  for (const QRgb rgb : PALETTE) {
    const QColor colour(rgb);
    QToolButton* swatch = Swatch(colour, popup_);
    connect(swatch, &QToolButton::clicked, this, [this, colour] { choose(colour); });
    grid->addWidget(swatch, i / PALETTE_COLUMNS, i % PALETTE_COLUMNS);
    ++i;
  }
  column->addLayout(grid);
  auto* other = new QPushButton(QStringLiteral("其他颜色…"), popup_);
  other->setAutoDefault(false);
  connect(other, &QPushButton::clicked, this, &ColourPickerButton::chooseOther);
  column->addWidget(other);
  popup_->adjustSize();
  popup_->move(mapToGlobal(rect().bottomLeft()));
  popup_->show();
}

void ColourPickerButton::choose(const QColor& colour) {
  if (popup_) popup_->close();
  setColour(BgrOf(colour));
}

void ColourPickerButton::chooseOther() {
  if (popup_) popup_->close();
  // Without the alpha option the dialog offers opaque colours only.
  const QColor chosen = QColorDialog::getColor(ColourOfBgr(colour_), window());
  if (chosen.isValid()) setColour(BgrOf(chosen));
}
