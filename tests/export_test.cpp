// "复制到剪切板" and "输出到doc文件" driven through the real window: messages, files, the
// clipboard, the dialog's folder, and what a word processor reads from the exported files.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "catalogue/char_format.h"
#include "host/platform.h"
#include "host/qt_text.h"
#include "libreoffice_reader.h"
#include "test_support.h"
#include "ui/main_window.h"

// Found by argument lookup, so beside MessageRecord rather than in the anonymous namespace.
static bool operator==(const MessageRecord& a, const MessageRecord& b) {
  return a.text == b.text && a.flags == b.flags && a.title == b.title;
}

static void PrintTo(const MessageRecord& m, std::ostream* os) {
  *os << "{\"" << m.text << "\", " << m.flags << ", \"" << m.title << "\"}";
}

namespace {

const char* const COPIED = "已经拷贝到剪辑版，打开word粘贴吧！";
const char* const SAVED = "已经生成doc文档，是否立即打开查看！";
const char* const EMPTY = "还没有预览字体~！";

std::string Utf8(const QString& s) { return s.toStdString(); }

// The lines of the box's plain form, each ended by "\r\n".
std::vector<std::string> Lines(const std::string& plain) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = plain.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(plain.substr(at, end - at));
  return lines;
}

class ExportTest : public testing::Test {
 protected:
  void SetUp() override {
    programDir = QCoreApplication::applicationDirPath();
    // As at start-up: a confirmed dialog of an earlier test moved the current directory.
    QDir::setCurrent(programDir);
    RemoveProgramDirectoryFiles();
    UseFonts({"宋体", "Arial", "DejaVu Sans"});
    LoadFreshWindow();
    QGuiApplication::clipboard()->setText("before");
  }

  void TearDown() override {
    QDir::setCurrent(programDir);
    RemoveProgramDirectoryFiles();
  }

  void RemoveProgramDirectoryFiles() {
    for (const char* name : {"1.", "测试汉字.doc", ".doc"})
      QFile::remove(programDir + "/" + QString::fromUtf8(name));
  }

  static void Click(const char* button) {
    QPushButton* b = Find<QPushButton>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }

  static void SetSample(const char* utf8) { Find<QLineEdit>("编辑框_文本输入")->setText(utf8); }

  // What the box gives while it is in rich text, which both commands write.
  static QByteArray RichContent() {
    超级编辑框1.setTextFormat(TEXT_FORMAT_RICH);
    const Text rtf = 超级编辑框1.content();
    超级编辑框1.setTextFormat(TEXT_FORMAT_PLAIN);
    return QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size()));
  }

  // Both commands end with the box in plain text and no selection.
  static void ExpectPlainBoxWithoutSelection() {
    EXPECT_EQ(超级编辑框1.textFormat(), TEXT_FORMAT_PLAIN);
    EXPECT_EQ(超级编辑框1.content().rfind("{\\rtf", 0), std::string::npos);
    EXPECT_FALSE(Find<QTextEdit>("超级编辑框1")->textCursor().hasSelection());
  }

  // The folder of the program with the separator, as the dialog is opened on.
  std::string ProgramDirSlash() const { return Utf8(programDir) + "/"; }

  SeamRecorder seam;
  QString programDir;
  QTemporaryDir tmp;
};

TEST_F(ExportTest, EmptyPreviewStopsEitherCommand) {
  for (const char* button : {"按钮2", "按钮3"}) {
    seam.messages.clear();
    Click(button);
    EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{EMPTY, 0, "= =!"}})) << button;
    EXPECT_TRUE(seam.dialogCalls.empty()) << button;
    EXPECT_TRUE(seam.shellOpens.empty()) << button;
    EXPECT_FALSE(QFile::exists(programDir + "/1.")) << button;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before") << button;
    EXPECT_EQ(超级编辑框1.textFormat(), TEXT_FORMAT_PLAIN);
  }
}

TEST_F(ExportTest, CopyPutsThePreviewOnTheClipboardAndIntoTheSideFile) {
  Click("按钮1");
  const std::string plain = ToUtf8(超级编辑框1.content());
  ASSERT_NE(plain.find("测试汉字"), std::string::npos);
  Click("按钮2");

  EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{COPIED, 0, "呵呵"}}));
  const QByteArray rtf = RichContent();
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936"));
  EXPECT_EQ(ReadFile(programDir + "/1."), rtf);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  for (const char* format :
       {"text/rtf", "text/richtext", "application/x-qt-windows-mime;value=\"Rich Text Format\""})
    EXPECT_EQ(data->data(format), rtf) << format;
  EXPECT_EQ(data->text(), QString::fromStdString(plain).replace("\r\n", "\n"));
  EXPECT_TRUE(data->hasHtml());
  EXPECT_TRUE(data->html().contains("测试汉字"));
  ExpectPlainBoxWithoutSelection();
  EXPECT_EQ(ToUtf8(超级编辑框1.content()), plain);
}

TEST_F(ExportTest, PreviewOfOnlyLineBreaksIsExported) {
  超级编辑框1.setSelectedText(FromUtf8("\r\n\r\n"));
  seam.dialogAnswer = Utf8(tmp.filePath("breaks"));
  seam.answer = ANSWER_NO;
  Click("按钮2");
  Click("按钮3");

  EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{COPIED, 0, "呵呵"}, {SAVED, 36, "呵呵"}}));
  const QByteArray side = ReadFile(programDir + "/1.");
  EXPECT_EQ(side.count("\\par\n"), 2) << side.toStdString();
  EXPECT_EQ(ReadFile(tmp.filePath("breaks.doc")), side);
  ExpectPlainBoxWithoutSelection();
}

TEST_F(ExportTest, SaveAppendsDocToTheChosenNameAndOpensItOnYes) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {{"report", "report.doc"}, {"report.doc", "report.doc.doc"}};
  Click("按钮1");
  const QByteArray rtf = RichContent();
  for (const auto& c : cases) {
    seam.messages.clear();
    seam.shellOpens.clear();
    seam.dialogCalls.clear();
    seam.dialogAnswer = Utf8(tmp.filePath(c.chosen));
    seam.answer = ANSWER_YES;
    Click("按钮3");

    ASSERT_EQ(seam.dialogCalls.size(), 1u);
    EXPECT_EQ(seam.dialogCalls[0].fileName, "");
    EXPECT_EQ(seam.dialogCalls[0].filter, "*.doc");
    EXPECT_EQ(seam.dialogCalls[0].initialDirectory, ProgramDirSlash());
    EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{SAVED, 36, "呵呵"}}));
    EXPECT_EQ(ReadFile(tmp.filePath(c.written)), rtf) << c.written;
    EXPECT_EQ(seam.shellOpens, std::vector<std::string>{Utf8(tmp.filePath(c.written))});
    ExpectPlainBoxWithoutSelection();
  }
  EXPECT_FALSE(QFile::exists(tmp.filePath("report")));
}

TEST_F(ExportTest, CancelledDialogSavesInTheProgramDirectoryUnderTheSampleText) {
  const struct {
    const char* sample;
    const char* written;
  } cases[] = {{"测试汉字", "测试汉字.doc"}, {"", ".doc"}};
  Click("按钮1");
  const QByteArray rtf = RichContent();
  for (const auto& c : cases) {
    SetSample(c.sample);
    seam.messages.clear();
    seam.answer = ANSWER_NO;
    Click("按钮3");

    const QString written = programDir + "/" + QString::fromUtf8(c.written);
    EXPECT_EQ(ReadFile(written), rtf) << c.written;
    EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{SAVED, 36, "呵呵"}}));
    // No keeps the file and opens nothing.
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_TRUE(seam.shellOpens.empty());
    EXPECT_EQ(QDir::currentPath(), programDir);
    ExpectPlainBoxWithoutSelection();
  }
}

TEST_F(ExportTest, SideFileGoesToTheFolderOfTheLastConfirmedDialog) {
  Click("按钮1");
  Click("按钮2");
  EXPECT_TRUE(QFile::exists(programDir + "/1."));

  ASSERT_TRUE(QDir(tmp.path()).mkdir("chosen"));
  seam.dialogAnswer = Utf8(tmp.filePath("chosen/report"));
  seam.answer = ANSWER_NO;
  Click("按钮3");
  QFile::remove(programDir + "/1.");
  Click("按钮2");

  EXPECT_EQ(ReadFile(tmp.filePath("chosen/1.")), RichContent());
  EXPECT_FALSE(QFile::exists(programDir + "/1."));
}

TEST_F(ExportTest, UnwritableDocIsReportedAndNotOffered) {
  QDir dir(tmp.path());
  ASSERT_TRUE(dir.mkdir("readonly") && dir.mkdir("taken.doc"));
  QFile::setPermissions(tmp.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
  // An administrator writes into a read-only folder anyway; the other targets still fail.
  const bool readOnlyHolds = !QFile(tmp.filePath("readonly/probe")).open(QIODevice::WriteOnly);
  const struct {
    const char* chosen;
    bool applies;
  } cases[] = {
      {"readonly/report", readOnlyHolds},
      {"missing/report", true},
      {"taken", true},  // "taken.doc" is a folder
  };
  Click("按钮1");
  for (const auto& c : cases) {
    if (!c.applies) continue;
    seam.messages.clear();
    seam.dialogAnswer = Utf8(tmp.filePath(c.chosen));
    seam.answer = ANSWER_YES;
    Click("按钮3");

    const std::string target = Utf8(tmp.filePath(c.chosen)) + ".doc";
    EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{"无法写入文件：" + target, 0, "= =!"}}));
    EXPECT_TRUE(seam.shellOpens.empty()) << c.chosen;
    EXPECT_FALSE(QFileInfo(QString::fromStdString(target)).isFile()) << c.chosen;
    ExpectPlainBoxWithoutSelection();
  }
  QFile::setPermissions(tmp.filePath("readonly"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ExportTest, CopyMessageStaysWhenTheSideFileCannotBeWritten) {
  Click("按钮1");
  QDir::setCurrent(tmp.path());
  ASSERT_TRUE(QDir(tmp.path()).mkdir("1."));  // a folder where the side file would go
  Click("按钮2");

  EXPECT_EQ(seam.messages, (std::vector<MessageRecord>{{COPIED, 0, "呵呵"}}));
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("text/rtf"), RichContent());
  ExpectPlainBoxWithoutSelection();
}

// A word processor shows every exported line with the preview's text, face, size and colour.
TEST_F(ExportTest, LibreOfficeReadsTheDocAndTheSideFile) {
  REQUIRE_LIBREOFFICE();
  const std::vector<std::string> faces = {"宋体", "Arial", "À黑体", "𠀀字体", "x{y}z\\w"};
  UseFonts(faces);
  LoadFreshWindow();
  QObject* picker = Find<QObject>("颜色选择器1");
  QLineEdit* size = Find<QLineEdit>("编辑框_字体大小");
  const struct {
    const char* size;
    int32_t colour;
    const char* fontSize;
    const char* color;  // "" is the automatic colour
  } settings[] = {{"1", 0x336699, "1pt", "#996633"}, {"72", DEFAULT_COLOR, "72pt", ""}};

  // The ".doc" first: its confirmed dialog moves the side file of the copy into tmp as well.
  size->setText(settings[0].size);
  picker->setProperty("colour", settings[0].colour);
  Click("按钮1");
  const std::string docLines = ToUtf8(超级编辑框1.content());
  seam.dialogAnswer = Utf8(tmp.filePath("preview"));
  seam.answer = ANSWER_NO;
  Click("按钮3");
  size->setText(settings[1].size);
  picker->setProperty("colour", settings[1].colour);
  ASSERT_EQ(picker->property("colour").toInt(), DEFAULT_COLOR);
  Click("按钮1");
  const std::string sideLines = ToUtf8(超级编辑框1.content());
  Click("按钮2");

  const auto documents =
      libreoffice::ReadDocuments({tmp.filePath("preview.doc"), tmp.filePath("1.")});
  const std::vector<std::string> lines[] = {Lines(docLines), Lines(sideLines)};
  for (size_t d = 0; d < 2; ++d) {
    const auto& paragraphs = documents[d];
    ASSERT_EQ(paragraphs.size(), faces.size()) << "document " << d;
    ASSERT_EQ(lines[d].size(), faces.size()) << "document " << d;
    for (size_t i = 0; i < faces.size(); ++i) {
      ASSERT_EQ(paragraphs[i].size(), 1u) << "document " << d << " line " << i;
      const libreoffice::Run& run = paragraphs[i][0];
      EXPECT_EQ(run.text, lines[d][i]);
      EXPECT_EQ(run.properties.fontFamily, faces[i]);
      EXPECT_EQ(run.properties.fontFamilyAsian, faces[i]);
      EXPECT_EQ(run.properties.fontSize, settings[d].fontSize);
      EXPECT_EQ(run.properties.color, settings[d].color);
    }
  }
}

}  // namespace
