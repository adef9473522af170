#include "host/controls.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolTip>

#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/seam.h"

namespace {

QWidget* WidgetOf(const Control& c) { return FindControl<QWidget>(c.name); }

Text BytesProperty(const Control& c, const char* property) {
  QObject* object = FindControlObject(c.name);
  if (!object) return Text();
  const QByteArray bytes = object->property(property).toByteArray();
  return Text(bytes.constData(), static_cast<size_t>(bytes.size()));
}

void SetBytesProperty(const Control& c, const char* property, const Text& value) {
  if (QObject* object = FindControlObject(c.name)) {
    object->setProperty(property, QByteArray(value.data(), static_cast<qsizetype>(value.size())));
  }
}

}  // namespace

int32_t Control::left() const {
  QWidget* w = WidgetOf(*this);
  return w ? w->x() : 0;
}

int32_t Control::top() const {
  QWidget* w = WidgetOf(*this);
  return w ? w->y() : 0;
}

int32_t Control::height() const {
  QWidget* w = WidgetOf(*this);
  return w ? w->height() : 0;
}

Text EditBox::text() const {
  auto* edit = FindControl<QLineEdit>(name);
  return edit ? FromQString(edit->text()) : Text();
}

void EditBox::setText(const Text& text) const {
  if (auto* edit = FindControl<QLineEdit>(name)) edit->setText(ToQString(text));
}

int32_t CheckBox::state() const {
  auto* box = FindControl<QCheckBox>(name);
  return box && box->isChecked() ? 1 : 0;
}

int32_t ColourPicker::colour() const {
  QObject* picker = FindControlObject(name);
  return picker ? picker->property("colour").toInt() : 0;
}

Text FileDialog::fileName() const { return BytesProperty(*this, "fileName"); }
void FileDialog::setFileName(const Text& v) const { SetBytesProperty(*this, "fileName", v); }
Text FileDialog::filter() const { return BytesProperty(*this, "filter"); }
void FileDialog::setFilter(const Text& v) const { SetBytesProperty(*this, "filter", v); }
Text FileDialog::initialDirectory() const { return BytesProperty(*this, "initialDirectory"); }
void FileDialog::setInitialDirectory(const Text& v) const {
  SetBytesProperty(*this, "initialDirectory", v);
}

int32_t MainWindowHandle::left() const {
  QWidget* w = MainWindowWidget();
  return w ? w->x() : 0;
}

int32_t MainWindowHandle::top() const {
  QWidget* w = MainWindowWidget();
  return w ? w->y() : 0;
}

namespace {

// "*.doc" alone is one entry whose description is its own pattern.
QString QtFilter(const Text& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString pattern =
        i + 1 < parts.size() && !parts[i + 1].isEmpty() ? parts[i + 1] : parts[i];
    entries << QStringLiteral("%1 (%2)").arg(parts[i], pattern);
  }
  return entries.join(";;");
}

std::optional<Text> AskForSaveName(const Text& fileName, const Text& filter, const Text& dir) {
  if (Seam().fileDialog) return Seam().fileDialog(fileName, filter, dir);
  const QString start = QDir(ToQString(dir)).filePath(ToQString(fileName));
  const QString chosen = QFileDialog::getSaveFileName(nullptr, QString(), start, QtFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return FromQString(QDir::toNativeSeparators(chosen));
}

}  // namespace

bool RunFileDialog(const FileDialog& dialog) {
  const std::optional<Text> chosen =
      AskForSaveName(dialog.fileName(), dialog.filter(), dialog.initialDirectory());
  if (!chosen) return false;
  dialog.setFileName(*chosen);
  // The dialog leaves the process in the folder the user chose.
  QDir::setCurrent(QFileInfo(ToQString(*chosen)).absolutePath());
  return true;
}

void PopBalloonTip(const BalloonTip&, int32_t x, int32_t y, const Text& text, int32_t iconIndex) {
  if (Seam().balloonTip) return Seam().balloonTip(x, y, text, iconIndex);
  QToolTip::showText(QPoint(x, y), ToQString(text));
}
