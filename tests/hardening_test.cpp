// Bad inputs driven through the real window: huge and malformed texts, awkward font names and
// file targets that cannot be written. Each case must end with the window still working: a
// normal press afterwards gives the expected first line.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <climits>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "fuzz/rtf_structure.h"
#include "host/platform.h"
#include "host/qt_text.h"
#include "host/rich_text_format.h"
#include "test_support.h"
#include "ui/main_window.h"

namespace {

const char* const COPIED = "已经拷贝到剪辑版，打开word粘贴吧！";
const char* const SAVED = "已经生成doc文档，是否立即打开查看！";
const char* const NOT_WRITTEN = "无法写入文件：";
const char* const SAMPLE = "测试汉字";
// Files that the cancelled dialog writes into the program's directory begin with this.
const char* const MARK = "坏输入";

// A line of the preview as the writer forms it from a face and the sample.
std::string LineOf(const std::string& face, const std::string& sample) {
  const auto bytes = static_cast<int>(FromUtf8(face).size());
  return face + std::string(static_cast<size_t>(std::max(0, 20 - bytes)), ' ') + "：     " + sample;
}

std::vector<std::string> Lines() {
  std::vector<std::string> lines;
  const std::string plain = ToUtf8(超级编辑框1.content());
  for (size_t at = 0, end; (end = plain.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(plain.substr(at, end - at));
  return lines;
}

// One value of each format in the box's text.
template <typename Value>
std::set<int> FormatValues(Value value) {
  std::set<int> values;
  const QTextDocument* doc = Find<QTextEdit>("超级编辑框1")->document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) values.insert(value(it.fragment().charFormat()));
  return values;
}

// The point sizes as the records applied them, kept beside the formats.
std::set<int> AppliedSizes() {
  return FormatValues([](const QTextCharFormat& f) { return f.intProperty(richtext::PointSize); });
}

// The point sizes Qt draws.
std::set<int> ShownSizes() {
  return FormatValues([](const QTextCharFormat& f) { return static_cast<int>(f.fontPointSize()); });
}

void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

std::vector<std::string> Texts(const std::vector<MessageRecord>& messages) {
  std::vector<std::string> texts;
  for (const MessageRecord& m : messages) texts.push_back(m.text);
  return texts;
}

struct Hardening;

struct BadInput {
  const char* name;
  std::function<void(Hardening&)> run;
};

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

struct Hardening : testing::TestWithParam<BadInput> {
  void SetUp() override {
    programDir = QCoreApplication::applicationDirPath();
    RemoveMarkedFiles();
    // The side file goes here, away from the program's directory that other suites use.
    QDir::setCurrent(tmp.path());
    UseFonts({"宋体", "Arial", "DejaVu Sans"});
    LoadFreshWindow();
  }

  void TearDown() override {
    QDir::setCurrent(programDir);
    RemoveMarkedFiles();
  }

  void RemoveMarkedFiles() const {
    for (const QString& name : MarkedFiles()) {
      const QString path = programDir + "/" + name;
      if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
      else
        QFile::remove(path);
    }
  }

  std::set<QString> MarkedFiles() const {
    const QStringList names =
        QDir(programDir)
            .entryList({QString::fromUtf8(MARK) + "*"},
                       QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    return {names.begin(), names.end()};
  }

  void UseWindowWith(const std::vector<std::string>& fonts) {
    UseFonts(fonts);
    LoadFreshWindow();
    firstFont = fonts.front();
  }

  // What both export commands write: the box's RTF form.
  static QByteArray RichContent() {
    超级编辑框1.setTextFormat(TEXT_FORMAT_RICH);
    const Text rtf = 超级编辑框1.content();
    超级编辑框1.setTextFormat(TEXT_FORMAT_PLAIN);
    return QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size()));
  }

  // The side file is a well-formed document holding exactly the preview's text.
  rtfcheck::Document ReadSideFile() const {
    const QByteArray rtf = ReadFile(tmp.filePath("1."));
    rtfcheck::Document doc = rtfcheck::Read(rtf.toStdString());
    EXPECT_EQ(doc.error, "");
    const QString plain = QString::fromStdString(ToUtf8(超级编辑框1.content()));
    EXPECT_TRUE(doc.body == QString(plain).replace("\r\n", QChar(0x2029)).toStdU16String())
        << "the side file's text is not the preview's";
    return doc;
  }

  void ExpectNormalPress() {
    编辑框_文本输入.setText(FromUtf8(SAMPLE));
    编辑框_字体大小.setText(FromUtf8("15"));
    编辑框_关键字.setText(Text());
    seam.messages.clear();
    Click("按钮1");
    EXPECT_TRUE(seam.messages.empty());
    const std::vector<std::string> lines = Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], LineOf(firstFont, SAMPLE));
    EXPECT_EQ(AppliedSizes(), std::set<int>{15});
    EXPECT_EQ(超级编辑框1.textFormat(), TEXT_FORMAT_PLAIN);
    EXPECT_TRUE(LoadedWindow()->isVisible());
  }

  SeamRecorder seam;
  QString programDir;
  QTemporaryDir tmp;
  std::string firstFont = "宋体";
};

TEST_P(Hardening, LeavesTheWindowWorking) {
  GetParam().run(*this);
  ExpectNormalPress();
}

// The applied size stays the record's value; Qt only draws it within what it can show.
BadInput SizeText(const char* name, const char* text, int32_t applied) {
  return {name, [=](Hardening&) {
            编辑框_字体大小.setText(FromUtf8(text));
            Click("按钮1");
            EXPECT_EQ(Lines().size(), 3u);
            EXPECT_EQ(AppliedSizes(), std::set<int>{applied});
            EXPECT_EQ(ShownSizes(), std::set<int>{std::clamp(applied, 1, 1638)});
          }};
}

// A cancelled dialog names the file after the sample: it lands exactly where that name says
// (`lands`, below the program's directory), or the failure is reported and nothing is written.
BadInput CancelledSave(const char* name, const char* sample, const char* folder,
                       const char* lands) {
  return {name, [=](Hardening& t) {
            const QDir dir(t.programDir);
            if (*folder) {
              ASSERT_TRUE(dir.mkpath(QString::fromUtf8(folder)));
            }
            编辑框_文本输入.setText(FromUtf8(sample));
            Click("按钮1");
            t.seam.answer = ANSWER_YES;
            Click("按钮3");

            const std::string target = ToUtf8(GetProgramDirectory()) + "/" + sample + ".doc";
            std::set<QString> expected;
            if (*folder) expected.insert(QString::fromUtf8(folder).section('/', 0, 0));
            if (*lands) {
              EXPECT_EQ(ReadFile(dir.filePath(QString::fromUtf8(lands))), Hardening::RichContent());
              EXPECT_EQ(Texts(t.seam.messages), std::vector<std::string>{SAVED});
              EXPECT_EQ(t.seam.shellOpens, std::vector<std::string>{target});
              expected.insert(QString::fromUtf8(lands).section('/', 0, 0));
            } else {
              EXPECT_EQ(Texts(t.seam.messages), std::vector<std::string>{NOT_WRITTEN + target});
              EXPECT_TRUE(t.seam.shellOpens.empty());
            }
            EXPECT_EQ(t.MarkedFiles(), expected);
          }};
}

// A confirmed dialog whose target cannot be a file: reported, not offered for opening.
BadInput UnwritableSave(const char* name, const char* chosen, const char* folder) {
  return {name, [=](Hardening& t) {
            if (*folder) {
              ASSERT_TRUE(QDir(t.tmp.path()).mkpath(folder));
            }
            Click("按钮1");
            t.seam.dialogAnswer = t.tmp.filePath(chosen).toStdString();
            t.seam.answer = ANSWER_YES;
            Click("按钮3");
            const std::string target = *t.seam.dialogAnswer + ".doc";
            EXPECT_EQ(Texts(t.seam.messages), std::vector<std::string>{NOT_WRITTEN + target});
            EXPECT_TRUE(t.seam.shellOpens.empty());
            EXPECT_FALSE(QFileInfo(QString::fromStdString(target)).isFile());
          }};
}

void HugeSample(Hardening& t) {
  std::string sample;
  for (int i = 0; i < 512 * 1024; ++i) sample += "测";  // 1 MiB in GB18030
  编辑框_文本输入.setText(FromUtf8(sample));
  Click("按钮1");
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0] == LineOf("宋体", sample))
      << "the sample arrived cut or changed: " << lines[0].size() << " bytes of "
      << LineOf("宋体", sample).size();

  Click("按钮2");
  EXPECT_EQ(Texts(t.seam.messages), std::vector<std::string>{COPIED});
  t.ReadSideFile();
  // The cancelled dialog's name is far too long for any file system.
  t.seam.messages.clear();
  Click("按钮3");
  ASSERT_EQ(t.seam.messages.size(), 1u);
  EXPECT_EQ(t.seam.messages[0].text.rfind(NOT_WRITTEN, 0), 0u);
}

void FourByteKeyword(Hardening& t) {
  t.UseWindowWith({"𠀀字体", "字体", "Arial", "𠀁", "字体𠀀"});
  编辑框_关键字.setText(FromUtf8("𠀀"));
  Click("按钮1");
  EXPECT_EQ(Lines(),
            (std::vector<std::string>{LineOf("𠀀字体", SAMPLE), LineOf("字体𠀀", SAMPLE)}));
}

// Names that end an RTF group, a font entry or the document, and names past the column.
void AwkwardFontNames(Hardening& t) {
  const std::vector<std::string> faces = {"{\\rtf1 x}",
                                          "a;b",
                                          "\\par",
                                          "}{",
                                          "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd",
                                          "方正兰亭黑简体方正兰亭黑简体方正",
                                          "𠀀{;}\\方正兰亭黑简体方正兰亭"};
  t.UseWindowWith(faces);
  Click("按钮1");
  std::vector<std::string> expected;
  for (const std::string& face : faces) expected.push_back(LineOf(face, SAMPLE));
  EXPECT_EQ(Lines(), expected);

  Click("按钮2");
  const rtfcheck::Document doc = t.ReadSideFile();
  for (const std::string& face : faces) {
    const auto sameName = [&](const rtfcheck::FontEntry& e) {
      return e.bytes == FromUtf8(face) || e.units == QString::fromStdString(face).toStdU16String();
    };
    EXPECT_TRUE(std::any_of(doc.fonts.begin(), doc.fonts.end(), sameName)) << face;
  }
}

void SideFileIsAFolder(Hardening& t) {
  ASSERT_TRUE(QDir(t.tmp.path()).mkdir("1."));
  Click("按钮1");
  Click("按钮2");
  EXPECT_EQ(Texts(t.seam.messages), std::vector<std::string>{COPIED});
  EXPECT_TRUE(QFileInfo(t.tmp.filePath("1.")).isDir());
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data("text/rtf"), Hardening::RichContent());
}

const BadInput CASES[] = {
    {"HugeSample", HugeSample},
    SizeText("SizeEmpty", "", 0),
    SizeText("SizeMinus", "-", 0),
    SizeText("SizeTwoMinus", "--", 0),
    SizeText("SizeBeyond32Bits", "99999999999", INT_MAX),
    SizeText("SizeBeyondDouble", "1e400", INT_MAX),
    SizeText("SizeNan", "nan", 0),
    SizeText("SizeFullWidthDigits", "１２", 12),
    SizeText("SizeZero", "0", 0),
    SizeText("SizeNegative", "-5", -5),
    {"FourByteKeyword", FourByteKeyword},
    {"AwkwardFontNames", AwkwardFontNames},
    {"SideFileIsAFolder", SideFileIsAFolder},
    UnwritableSave("SaveOverAFolder", "taken", "taken.doc"),
    UnwritableSave("SaveIntoAMissingFolder", "missing/report", ""),
    CancelledSave("SampleSlashIntoMissingFolder", "坏输入-missing/x", "", ""),
    CancelledSave("SampleSlashIntoFolder", "坏输入-dir/x", "坏输入-dir", "坏输入-dir/x.doc"),
    CancelledSave("SampleBackslash", "坏输入\\x", "", "坏输入\\x.doc"),
    CancelledSave("SampleParentStep", "坏输入-dir/../坏输入-up", "坏输入-dir", "坏输入-up.doc"),
};

INSTANTIATE_TEST_SUITE_P(BadInputs, Hardening, testing::ValuesIn(CASES),
                         [](const testing::TestParamInfo<BadInput>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
