#include "test_support.h"

#include <QFile>

#include "catalogue/catalogue.h"
#include "host/main_window_qt.h"
#include "host/runtime.h"
#include "host/seam.h"

SeamRecorder::SeamRecorder() {
  HostSeam& seam = Seam();
  seam.messageBox = [this](const Text& text, int flags, const Text& title) {
    messages.push_back({ToUtf8(text), flags, ToUtf8(title)});
    return answer;
  };
  seam.fileDialog = [this](const Text& fileName, const Text& filter,
                           const Text& dir) -> std::optional<Text> {
    dialogCalls.push_back({ToUtf8(fileName), ToUtf8(filter), ToUtf8(dir)});
    if (!dialogAnswer) return std::nullopt;
    return FromUtf8(*dialogAnswer);
  };
  seam.openWithShell = [this](const Text& path) { shellOpens.push_back(ToUtf8(path)); };
  seam.openWebAddress = [this](const Text& address) { webOpens.push_back(ToUtf8(address)); };
  seam.balloonTip = [this](int x, int y, const Text& text, int icon) {
    tips.push_back({x, y, ToUtf8(text), icon});
  };
}

SeamRecorder::~SeamRecorder() {
  HostSeam& seam = Seam();
  seam.messageBox = nullptr;
  seam.fileDialog = nullptr;
  seam.openWithShell = nullptr;
  seam.openWebAddress = nullptr;
  seam.balloonTip = nullptr;
}

void UseFontTexts(const std::vector<Text>& names) {
  Seam().enumerateFonts = [names] { return names; };
}

void UseFonts(const std::vector<std::string>& utf8Names) {
  std::vector<Text> names;
  for (const std::string& name : utf8Names) names.push_back(FromUtf8(name));
  UseFontTexts(names);
}

QWidget* LoadFreshWindow() {
  UnloadMainWindow();
  ReleaseCatalogue();
  InitCatalogue();
  LoadMainWindow();
  return MainWindowWidget();
}

QWidget* LoadedWindow() { return MainWindowWidget(); }

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
