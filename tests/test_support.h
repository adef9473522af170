#pragma once
// Shared set-up of the suites: fonts from a fixture, modal answers and a freshly loaded window.
#include <QByteArray>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "host/text.h"

struct MessageRecord {
  std::string text;  // UTF-8
  int flags;
  std::string title;  // UTF-8
};

// Records every message box and answers with `answer`; records shell and web opens and balloon
// tips; the file dialog answers with `dialogAnswer` (a UTF-8 path, or nothing for Cancel).
struct SeamRecorder {
  SeamRecorder();
  ~SeamRecorder();
  int answer = 0;
  std::optional<std::string> dialogAnswer;
  std::vector<MessageRecord> messages;
  std::vector<std::string> shellOpens;
  std::vector<std::string> webOpens;
  struct Tip {
    int x, y;
    std::string text;
    int icon;
  };
  std::vector<Tip> tips;
  struct DialogCall {
    std::string fileName, filter, initialDirectory;
  };
  std::vector<DialogCall> dialogCalls;
};

// Fonts the platform reports from now on (UTF-8 names).
void UseFonts(const std::vector<std::string>& utf8Names);
// The same, with names already in GB18030.
void UseFontTexts(const std::vector<Text>& names);

// Starts afresh as the program does: new catalogue, window loaded (created event included).
QWidget* LoadFreshWindow();

QWidget* LoadedWindow();

// The whole file, or nothing when it cannot be read.
QByteArray ReadFile(const QString& path);

// A control of the loaded window by its name.
template <typename T>
T* Find(const char* name) {
  QWidget* window = LoadedWindow();
  return window ? window->findChild<T*>(QString::fromUtf8(name)) : nullptr;
}
