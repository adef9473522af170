#include "host/window_frame.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QScreen>

// Resources of a static library need a reference to be linked in.
static void InitWindowIconResource() { Q_INIT_RESOURCE(window_icon); }

namespace {

// The platform reports the frame only once the window is on the screen, so the client area is
// fitted then: outer size minus the frame, or the whole outer size where there is no frame.
class OuterSizeKeeper : public QObject {
 public:
  OuterSizeKeeper(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer) {}

  bool eventFilter(QObject*, QEvent* e) override {
    switch (e->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
        fit();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void fit() {
    const QSize frame = window_->frameGeometry().size() - window_->size();
    const QSize client = outer_ - frame;
    if (client.isValid() && client != window_->size()) window_->setFixedSize(client);
  }

  QWidget* window_;
  QSize outer_;
};

}  // namespace

void SetFixedFrame(QWidget* window, QSize outer) {
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setFixedSize(outer);
  window->installEventFilter(new OuterSizeKeeper(window, outer));
}

void CentreOnScreen(QWidget* window, QSize outer) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize area = screen ? screen->geometry().size() : outer;
  window->move((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2);
}

void SetWindowIconFrom(QWidget* window, const char* name) {
  InitWindowIconResource();
  const QImage picture(QStringLiteral(":/icons/%1.png").arg(QString::fromUtf8(name)));
  if (picture.isNull()) return;
  QIcon icon;
  for (const int side : {32, 16}) {
    icon.addPixmap(QPixmap::fromImage(
        picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  }
  window->setWindowIcon(icon);
}
