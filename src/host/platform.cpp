#include "host/platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QUrl>

#include "host/qt_text.h"
#include "host/seam.h"
#include "host/visual_style.h"

const Text PATH_SEPARATOR = FromQString(QString(QDir::separator()));

std::vector<Text> EnumerateFontNames() {
  if (Seam().enumerateFonts) return Seam().enumerateFonts();
  // Names fontconfig answers for without their being installed families.
  static const QStringList generic = {"Serif", "Sans Serif", "Monospace"};
  const QStringList families = QFontDatabase::families();
  std::vector<Text> names;
  names.reserve(static_cast<size_t>(families.size()));
  for (auto it = families.crbegin(); it != families.crend(); ++it) {
    if (generic.contains(*it)) continue;
    Text name = FromQString(*it);
    if (!names.empty() && names.back() == name) continue;
    names.push_back(std::move(name));
  }
  return names;
}

namespace {

QMessageBox::StandardButtons ButtonsOf(int flags) {
  switch (flags & 0x7) {
    case 1:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case 2:
      return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case 3:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case 4:
      return QMessageBox::Yes | QMessageBox::No;
    case 5:
      return QMessageBox::Retry | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::Icon IconOf(int flags) {
  switch (flags & 0x70) {
    case 0x10:
      return QMessageBox::Critical;
    case 0x20:
      return QMessageBox::Question;
    case 0x30:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return ANSWER_CANCEL;
    case QMessageBox::Abort:
      return ANSWER_ABORT;
    case QMessageBox::Retry:
      return ANSWER_RETRY;
    case QMessageBox::Ignore:
      return ANSWER_IGNORE;
    case QMessageBox::Yes:
      return ANSWER_YES;
    case QMessageBox::No:
      return ANSWER_NO;
    default:
      return ANSWER_OK;
  }
}

}  // namespace

int ShowMessageBox(const Text& text, int flags, const Text& title) {
  if (Seam().messageBox) return Seam().messageBox(text, flags, title);
  QMessageBox box(IconOf(flags), ToQString(title), ToQString(text), ButtonsOf(flags));
  return AnswerOf(box.exec());
}

bool WriteBytesToFile(const Text& name, const Bytes& bytes) {
  if (name.empty()) return false;
  QSaveFile file(ToQString(name));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

Text GetProgramDirectory() {
  return FromQString(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

void OpenWithShell(const Text& path) {
  if (Seam().openWithShell) return Seam().openWithShell(path);
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

void OpenWebAddress(const Text& address) {
  if (Seam().openWebAddress) return Seam().openWebAddress(address);
  QDesktopServices::openUrl(QUrl(ToQString(address)));
}

void SetVisualStyle(int scheme) { ApplyVisualStyle(scheme); }
