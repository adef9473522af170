// The RTF form of a 2,000-line preview against Qt's own HTML form of the same document.
// Prints the median of several runs of each; the last line is the ratio RTF time / HTML time.
#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/char_format.h"
#include "host/qt_text.h"
#include "host/rich_text_box.h"
#include "host/rtf_writer.h"
#include "host/text.h"

namespace {

constexpr int LINES = 2000;
constexpr int RUNS = 7;

// A preview as 一键浏览 writes it: a labelled line per font, each in its own record, with
// Chinese and Latin names mixed.
void FillPreview(QTextDocument& doc) {
  QTextCursor cursor(&doc);
  const Text sample = FromUtf8("测试汉字");
  const Text separator = FromUtf8("：     ");
  for (int i = 0; i < LINES; ++i) {
    字符格式 record;
    record.faceName =
        FromUtf8(i % 2 ? "Font Family " + std::to_string(i) : "方正字体" + std::to_string(i));
    record.pointSize = 15;
    record.textColor = i % 3 ? DEFAULT_COLOR : 0x336699;
    const int pad = std::max(0, 20 - TextByteLength(record.faceName));
    const Text line =
        record.faceName + std::string(static_cast<size_t>(pad), ' ') + separator + sample + "\r\n";
    cursor.insertText(ToQString(line), CharFormatOf(record));
  }
}

// The median of RUNS timed runs, after one untimed run.
template <typename F>
double MedianMilliseconds(F work) {
  work();
  std::vector<double> times;
  for (int run = 0; run < RUNS; ++run) {
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::nth_element(times.begin(), times.begin() + RUNS / 2, times.end());
  return times[RUNS / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTextDocument doc;
  FillPreview(doc);

  size_t rtfBytes = 0;
  qsizetype htmlChars = 0;
  const double rtf = MedianMilliseconds([&] { rtfBytes = WriteRtf(doc).size(); });
  const double html = MedianMilliseconds([&] { htmlChars = doc.toHtml().size(); });
  std::printf("rtf_2000_ms=%.3f\nrtf_2000_bytes=%zu\n", rtf, rtfBytes);
  std::printf("html_2000_ms=%.3f\nhtml_2000_chars=%lld\n", html, static_cast<long long>(htmlChars));
  std::printf("rtf_over_html_2000=%.3f\n", rtf / html);
  return 0;
}
