// Saves a picture of the main window:
//   quorvane-screenshot FILE            the window as the program opens it
//   quorvane-screenshot --preview FILE  after a press of 一键浏览 with the start values
//   quorvane-screenshot --screen FILE   the whole screen, where another process shows the window
#include <QApplication>
#include <QPushButton>
#include <QScreen>

#include "catalogue/catalogue.h"
#include "host/main_window_qt.h"
#include "host/runtime.h"

int main(int argc, char** argv) {
  StartHostRuntime(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() == 3 && args[1] == "--screen") {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(args[2]) ? 0 : 1;
  }
  const bool preview = args.size() == 3 && args[1] == "--preview";
  if (args.size() != 2 && !preview) return 2;
  InitCatalogue();
  LoadMainWindow();
  QApplication::processEvents();
  if (preview) {
    MainWindowWidget()->findChild<QPushButton*>("按钮1")->click();
    QApplication::processEvents();
  }
  const bool saved = MainWindowWidget()->grab().save(args.back());
  UnloadMainWindow();
  ReleaseCatalogue();
  return saved ? 0 : 1;
}
