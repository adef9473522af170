// Platform services: files, message boxes, fonts, directories.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <thread>

#include "host/platform.h"
#include "host/qt_text.h"
#include "host/seam.h"

namespace {

Text PathIn(const QTemporaryDir& dir, const char* name) {
  return FromQString(dir.filePath(QString::fromUtf8(name)));
}

QByteArray Read(const Text& path) {
  QFile file(ToQString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST(Platform, StartsInTheProgramDirectory) {
  // Runs first in this suite: nothing has moved the current directory yet.
  EXPECT_EQ(QDir::currentPath(), QCoreApplication::applicationDirPath());
  const Text dir = GetProgramDirectory();
  EXPECT_EQ(ToQString(dir), QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
  EXPECT_FALSE(dir.ends_with(PATH_SEPARATOR));
}

TEST(WriteBytesToFile, CreatesReplacesAndRefuses) {
  QTemporaryDir dir;
  const Text path = PathIn(dir, "测试汉字.doc");
  EXPECT_TRUE(WriteBytesToFile(path, "first version, longer"));
  EXPECT_EQ(Read(path), "first version, longer");
  EXPECT_TRUE(WriteBytesToFile(path, "second"));
  EXPECT_EQ(Read(path), "second");  // truncated to the new content
  EXPECT_TRUE(WriteBytesToFile(path, Bytes("a\0b", 3)));
  EXPECT_EQ(Read(path), QByteArray("a\0b", 3));

  EXPECT_FALSE(WriteBytesToFile("", "x"));
  EXPECT_FALSE(WriteBytesToFile(PathIn(dir, "no such folder/x.doc"), "x"));
  EXPECT_FALSE(WriteBytesToFile(FromQString(dir.path()), "x"));  // a folder, not a file
}

TEST(WriteBytesToFile, RelativeNamesResolveAgainstTheCurrentDirectory) {
  QTemporaryDir dir;
  const QString before = QDir::currentPath();
  QDir::setCurrent(dir.path());
  EXPECT_TRUE(WriteBytesToFile("1.", "side"));
  QDir::setCurrent(before);
  EXPECT_EQ(Read(PathIn(dir, "1.")), "side");
}

TEST(WriteBytesToFile, FailsInAFolderWithoutWriteAccess) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
  QTemporaryDir dir;
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(WriteBytesToFile(PathIn(dir, "x.doc"), "x"));
  QFile::setPermissions(dir.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Bytes the process has written so far, from /proc.
std::size_t WrittenBy(pid_t pid) {
  QFile io(QStringLiteral("/proc/%1/io").arg(pid));
  if (!io.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : io.readAll().split('\n')) {
    if (line.startsWith("wchar:")) return line.mid(6).trimmed().toULongLong();
  }
  return 0;
}

TEST(WriteBytesToFile, AKilledWriteLeavesTheOldFileWhole) {
  QTemporaryDir dir;
  const Text path = PathIn(dir, "big.doc");
  ASSERT_TRUE(WriteBytesToFile(path, "old content"));
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const Bytes huge(std::size_t{1} << 30, 'n');
    WriteBytesToFile(path, huge);
    _exit(0);
  }
  // Kill the writer once it has written a good part; its temporary file may have no name.
  for (int i = 0; i < 4000 && WrittenBy(child) < (std::size_t{64} << 20); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the writer finished before it could be interrupted";
  EXPECT_EQ(Read(path), "old content");
}

TEST(ShowMessageBox, AnswersWithTheButtonsCodeInChinese) {
  const struct {
    int flags;
    QMessageBox::StandardButton press;
    int answer;
    const char* label;
  } cases[] = {
      {MB_OK_ONLY, QMessageBox::Ok, ANSWER_OK, "确定"},
      {MB_YES_NO_QUESTION, QMessageBox::Yes, ANSWER_YES, "是"},
      {MB_YES_NO_QUESTION, QMessageBox::No, ANSWER_NO, "否"},
  };
  for (const auto& c : cases) {
    QString seenTitle, seenText, seenLabel;
    int seenButtons = 0;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seenTitle = box->windowTitle();
      seenText = box->text();
      seenButtons = static_cast<int>(box->buttons().size());
      seenIcon = box->icon();
      seenLabel = box->button(c.press)->text();
      box->button(c.press)->click();
    });
    EXPECT_EQ(ShowMessageBox(FromUtf8("已经生成doc文档"), c.flags, FromUtf8("呵呵")), c.answer);
    EXPECT_EQ(seenTitle, "呵呵");
    EXPECT_EQ(seenText, "已经生成doc文档");
    EXPECT_EQ(seenButtons, c.flags == MB_OK_ONLY ? 1 : 2);
    EXPECT_EQ(seenIcon, c.flags == MB_OK_ONLY ? QMessageBox::NoIcon : QMessageBox::Question);
    EXPECT_TRUE(seenLabel.contains(QString::fromUtf8(c.label))) << seenLabel.toStdString();
  }
}

TEST(EnumerateFontNames, ReversesThePlatformOrderWithoutGenericNames) {
  Seam().enumerateFonts = nullptr;
  QStringList expected;
  const QStringList families = QFontDatabase::families();
  for (auto it = families.crbegin(); it != families.crend(); ++it) {
    if (*it == "Serif" || *it == "Sans Serif" || *it == "Monospace") continue;
    if (!expected.isEmpty() && expected.back() == *it) continue;
    expected << *it;
  }
  const std::vector<Text> names = EnumerateFontNames();
  ASSERT_EQ(names.size(), static_cast<size_t>(expected.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(ToQString(names[i]), expected[static_cast<qsizetype>(i)]);
  }
  EXPECT_FALSE(names.empty()) << "the test machine has fonts installed";
}

}  // namespace
