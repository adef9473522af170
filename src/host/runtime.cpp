#include "host/runtime.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "host/main_window_qt.h"
#include "ui/main_window.h"

namespace {

QPointer<QWidget>& CurrentWindow() {
  static QPointer<QWidget> window;
  return window;
}

void (*&ExitRoutine())() {
  static void (*routine)() = nullptr;
  return routine;
}

void LoadChineseTranslations(QApplication& app) {
  static QTranslator translator;
  if (translator.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(&translator);
  }
}

}  // namespace

void StartHostRuntime(int& argc, char** argv) {
  // Never destroyed: input devices that Qt creates on first use are children of the
  // application but live in a registry that static destruction tears down first.
  static QApplication* app = new QApplication(argc, argv);
  LoadChineseTranslations(*app);
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

void RegisterExitRoutine(void (*routine)()) { ExitRoutine() = routine; }

void LoadMainWindow() {
  UnloadMainWindow();
  const WindowSpec& windowSpec = MainWindowSpec();
  CurrentWindow() = RealiseWindow(windowSpec);
  if (windowSpec.created) windowSpec.created();
  CurrentWindow()->show();
  CurrentWindow()->activateWindow();
}

int RunMessageLoop() {
  const int code = QApplication::exec();
  UnloadMainWindow();
  if (ExitRoutine()) ExitRoutine()();
  return code;
}

void UnloadMainWindow() { delete CurrentWindow().data(); }

QWidget* MainWindowWidget() { return CurrentWindow().data(); }

QObject* FindControlObject(const char* name) {
  QWidget* window = MainWindowWidget();
  if (!window) return nullptr;
  return window->findChild<QObject*>(QString::fromUtf8(name));
}
