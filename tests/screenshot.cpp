// Saves a picture of the main window: `quorvane-screenshot FILE` loads the window as the program
// does and grabs it; `--screen FILE` grabs the whole screen, where another process shows it.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "catalogue/catalogue.h"
#include "host/main_window_qt.h"
#include "host/runtime.h"

int main(int argc, char** argv) {
  StartHostRuntime(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() == 3 && args[1] == "--screen") {
    return QGuiApplication::primaryScreen()->grabWindow(0).save(args[2]) ? 0 : 1;
  }
  if (args.size() != 2) return 2;
  InitCatalogue();
  LoadMainWindow();
  QApplication::processEvents();
  const bool saved = MainWindowWidget()->grab().save(args[1]);
  UnloadMainWindow();
  ReleaseCatalogue();
  return saved ? 0 : 1;
}
