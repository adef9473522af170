// Time of one press of "一键浏览" over catalogues of 500, 2,000 and 4,000 fonts (the installed
// families, cycled), measured until the preview is fully laid out, against a baseline: the same
// lines and formats built in one offline QTextDocument, set on the same kind of widget and laid
// out. Prints the medians; the last line is the ratio at 2,000 fonts and the growth to 4,000.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "catalogue/catalogue.h"
#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"
#include "host/runtime.h"
#include "host/seam.h"
#include "preview/build_preview.h"
#include "ui/main_window.h"

namespace {

constexpr int RUNS = 7;  // the median of these, after one untimed run

std::vector<Text> InstalledFamilies() {
  std::vector<Text> names;
  for (const QString& family : QFontDatabase::families()) names.push_back(FromQString(family));
  return names;
}

std::vector<Text> Cycled(const std::vector<Text>& families, size_t count) {
  std::vector<Text> names;
  for (size_t i = 0; i < count; ++i) names.push_back(families[i % families.size()]);
  return names;
}

// A fresh main window whose catalogue holds `names`.
void LoadWindowWith(const std::vector<Text>& names) {
  Seam().enumerateFonts = [names] { return names; };
  UnloadMainWindow();
  ReleaseCatalogue();
  InitCatalogue();
  LoadMainWindow();
  QApplication::processEvents();
}

// Lays out the whole document and lets the widget catch up, as it does before it is drawn.
void FinishLayout(QTextEdit* edit) {
  QApplication::processEvents();
  edit->document()->documentLayout()->documentSize();
  QApplication::processEvents();
}

double Milliseconds(const std::function<void()>& work) {
  QElapsedTimer timer;
  timer.start();
  work();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QTextEdit* PreviewEdit() { return FindControl<QTextEdit>(超级编辑框1.name); }

double Press() {
  auto* button = FindControl<QPushButton>(按钮1.name);
  return Milliseconds([button] {
    button->click();
    FinishLayout(PreviewEdit());
  });
}

// The lines and records one press writes with the window's start values.
QTextDocument* BuildOffline(const std::vector<Text>& names) {
  auto* doc = new QTextDocument;
  QTextCursor cursor(doc);
  const Text sample = 编辑框_文本输入.text();
  for (const Text& name : names) {
    字符格式 record;
    record.faceName = name;
    record.pointSize = 15;
    record.textColor = 0x000000;
    const Text line = name + MakeSpaces(NAME_COLUMN_BYTES - TextByteLength(name)) +
                      FromUtf8("：     ") + sample + "\r\n";
    cursor.insertText(ToQString(line), CharFormatOf(record));
  }
  return doc;
}

// A window like the main one holding a box of the preview's kind and place.
struct BaselineView {
  std::unique_ptr<QWidget> window{new QWidget};
  QTextEdit* edit;
  BaselineView() {
    window->resize(605, 628);
    edit = static_cast<QTextEdit*>(CreateRichTextBox(window.get()));
    edit->setGeometry(PreviewEdit()->geometry());
    window->show();
    QApplication::processEvents();
  }
};

double Baseline(BaselineView& view, const std::vector<Text>& names) {
  const QPointer<QTextDocument> old = view.edit->document();
  return Milliseconds([&] {
    QTextDocument* doc = BuildOffline(names);
    doc->setParent(view.edit);
    view.edit->setDocument(doc);
    delete old.data();  // unless the editor already deleted it with the switch
    FinishLayout(view.edit);
  });
}

struct Result {
  double press, baseline;
};

Result Measure(const std::vector<Text>& names) {
  LoadWindowWith(names);
  BaselineView view;
  Press();
  Baseline(view, names);
  std::vector<double> presses, baselines;
  for (int run = 0; run < RUNS; ++run) {
    presses.push_back(Press());
    baselines.push_back(Baseline(view, names));
  }
  return {Median(presses), Median(baselines)};
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("LANG", "C.UTF-8");
  StartHostRuntime(argc, argv);
  const std::vector<Text> families = InstalledFamilies();
  if (families.empty()) {
    std::fprintf(stderr, "no installed fonts\n");
    return 1;
  }
  std::printf("installed_families=%zu\n", families.size());

  LoadWindowWith(Cycled(families, 2000));
  std::printf("cold_first_press_2000_ms=%.1f\n", Press());

  double press2000 = 0, baseline2000 = 0, press4000 = 0;
  for (const size_t n : {500, 2000, 4000}) {
    const Result r = Measure(Cycled(families, n));
    std::printf("fonts=%zu press_median_ms=%.1f baseline_median_ms=%.1f ratio=%.2f\n", n, r.press,
                r.baseline, r.press / r.baseline);
    std::fflush(stdout);
    if (n == 2000) press2000 = r.press, baseline2000 = r.baseline;
    if (n == 4000) press4000 = r.press;
  }
  UnloadMainWindow();
  std::printf("preview_ratio_2000=%.2f growth_4000_over_2000=%.2f\n", press2000 / baseline2000,
              press4000 / press2000);
  return 0;
}
