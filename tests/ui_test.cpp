// The main window: frame, control table, keyboard rules and the four small handlers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <climits>
#include <string>

#include "host/colour_picker.h"
#include "host/main_window_qt.h"
#include "host/qt_text.h"
#include "host/runtime.h"
#include "test_support.h"
#include "ui/aux_handlers.h"
#include "ui/main_window.h"

namespace {

const char* const TAB_CYCLE[] = {
    "按钮1",
    "超级编辑框1",
    "编辑框_文本输入",
    "选择框_不显纵向",
    "选择框_不显字体名",
    "编辑框_字体大小",
    "颜色选择器1",
    "编辑框_关键字",
    "按钮2",
    "选择框_不显不显示英文字体",
    "按钮3",
};

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    UseFonts({"Arial", "宋体", "@宋体"});
    window = LoadFreshWindow();
    ASSERT_NE(window, nullptr);
  }

  static QWidget* W(const char* name) { return Find<QWidget>(name); }

  QString FocusName() const {
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
  }

  // Keys go where the platform sends them: to the control holding the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
  }

  SeamRecorder seam;
  QWidget* window = nullptr;
};

TEST_F(MainWindowTest, FrameIsFixedCentredAndCaptioned) {
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Quorvane~字体浏览器V1.20"));
  // Offscreen there is no frame, so the client area takes the whole outer size.
  EXPECT_EQ(window->frameGeometry().size(), QSize(605, 628));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(window->pos(), QPoint((screen.width() - 605) / 2, (screen.height() - 628) / 2));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_EQ(window->backgroundRole(), QPalette::Button);
}

TEST_F(MainWindowTest, IconIsOneAlphaPictureGivenAtTwoSizes) {
  const QImage picture(":/icons/DEFAULT_ICON.png");
  EXPECT_EQ(picture.size(), QSize(48, 48));
  EXPECT_EQ(picture.depth(), 32);
  EXPECT_TRUE(picture.hasAlphaChannel());
  const QList<QSize> sizes = window->windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
}

struct Row {
  const char* name;
  int left, top, width, height;
  const char* text;  // nullptr: no text to check
  const char* face;  // nullptr: default GUI font; "": the default face at that height
  int pixelHeight;
};

const Row ROWS[] = {
    {"按钮3", 426, 542, 112, 32, "输出到doc文件", "汉仪综艺体简", 14},
    {"标签5", 354, 578, 234, 16, nullptr, nullptr, 0},
    {"选择框_不显不显示英文字体", 8, 512, 112, 24, "不显示英文字体", nullptr, 0},
    {"按钮2", 426, 506, 112, 32, "复制到剪切板", "汉仪综艺体简", 16},
    {"编辑框_关键字", 329, 519, 71, 24, "", "", 16},
    {"标签4", 260, 518, 65, 24, "字体关键字：", nullptr, 0},
    {"标签3", 127, 560, 57, 24, "字体色泽：", nullptr, 0},
    {"颜色选择器1", 184, 557, 56, 32, nullptr, nullptr, 0},
    {"标签2", 128, 517, 56, 24, "字体大小：", nullptr, 0},
    {"调节器_字体大小", 217, 514, 24, 32, nullptr, nullptr, 0},
    {"编辑框_字体大小", 184, 515, 32, 31, "15", nullptr, 0},
    {"选择框_不显字体名", 8, 562, 112, 24, "不显示字体名称", nullptr, 0},
    {"选择框_不显纵向", 8, 538, 104, 24, "不显示纵向字体", nullptr, 0},
    {"标签1", 12, 440, 162, 16, "在下方输入文本，查看效果", nullptr, 0},
    {"编辑框_文本输入", 8, 456, 408, 40, "测试汉字", "", 19},
    {"超级编辑框1", 8, 8, 560, 432, nullptr, nullptr, 0},
    {"按钮1", 426, 453, 112, 50, "一键浏览", "汉仪综艺体简", 20},
};

QString TextOf(QWidget* w) {
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  return QString();
}

TEST_F(MainWindowTest, ControlsStandWhereTheTableSaysWithTheirTextsAndFonts) {
  for (const Row& row : ROWS) {
    SCOPED_TRACE(row.name);
    QWidget* w = W(row.name);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), window);
    EXPECT_EQ(w->geometry(), QRect(row.left, row.top, row.width, row.height));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
    if (row.text) {
      EXPECT_EQ(TextOf(w), QString::fromUtf8(row.text));
    }
    if (row.name == std::string("超级编辑框1")) continue;  // the box keeps its own format
    const QFont font = w->font();
    if (!row.face) {
      EXPECT_EQ(font, QApplication::font());
      continue;
    }
    const QString face = *row.face ? QString::fromUtf8(row.face) : QApplication::font().family();
    EXPECT_EQ(font.families().value(0, font.family()), face);
    EXPECT_EQ(font.pixelSize(), row.pixelHeight);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_FALSE(font.italic() || font.underline() || font.strikeOut());
  }
  EXPECT_EQ(TextOf(W("标签5")),
            QString::fromUtf8("作者信息：") + AUTHOR_ADDRESS + QString::fromUtf8(" 欢迎提出建议"));
  for (const char* component : {"通用对话框1", "气球提示框1"}) {
    QObject* object = Find<QObject>(component);
    ASSERT_NE(object, nullptr) << component;
    EXPECT_FALSE(object->isWidgetType()) << component;
  }
}

TEST_F(MainWindowTest, NoTwoVisibleControlsOverlap) {
  for (const Row& a : ROWS) {
    for (const Row& b : ROWS) {
      if (&a == &b) continue;
      EXPECT_FALSE(W(a.name)->geometry().intersects(W(b.name)->geometry()))
          << a.name << " / " << b.name;
    }
  }
}

TEST_F(MainWindowTest, ControlsStartWithTheirInitialValuesAndLooks) {
  for (const char* name : {"选择框_不显纵向", "选择框_不显字体名", "选择框_不显不显示英文字体"}) {
    EXPECT_FALSE(Find<QCheckBox>(name)->isChecked()) << name;
  }
  EXPECT_EQ(颜色选择器1.colour(), 0x000000);
  for (const char* name : {"编辑框_关键字", "编辑框_字体大小", "编辑框_文本输入"}) {
    auto* edit = Find<QLineEdit>(name);
    EXPECT_EQ(edit->cursorPosition(), 0) << name;
    EXPECT_FALSE(edit->hasSelectedText()) << name;
    EXPECT_EQ(edit->maxLength(), INT_MAX) << name << ": typing is limited by the filter only";
  }
  EXPECT_EQ(Find<QLineEdit>("编辑框_字体大小")->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  EXPECT_EQ(Find<QLineEdit>("编辑框_文本输入")->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
  for (const char* name : {"标签1", "标签2", "标签3", "标签4", "标签5"}) {
    auto* label = Find<QLabel>(name);
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter) << name;
    EXPECT_FALSE(label->wordWrap()) << name;
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << name;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black)) << name;
  }
  EXPECT_EQ(W("标签5")->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(W("标签4")->testAttribute(Qt::WA_SetCursor));
  EXPECT_FALSE(window->testAttribute(Qt::WA_SetCursor));
  for (const char* name : {"按钮1", "按钮2", "按钮3"}) {
    EXPECT_TRUE(Find<QPushButton>(name)->isDefault()) << name;
  }
}

TEST_F(MainWindowTest, FocusStartsOnTheBrowseButton) { EXPECT_EQ(FocusName(), "按钮1"); }

TEST_F(MainWindowTest, TabAndShiftTabCycleInListOrderReversedAndWrap) {
  const int n = static_cast<int>(std::size(TAB_CYCLE));
  for (int i = 1; i <= n; ++i) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusName(), QString::fromUtf8(TAB_CYCLE[i % n])) << "Tab " << i;
  }
  for (int i = 1; i <= n; ++i) {
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), QString::fromUtf8(TAB_CYCLE[(n - i) % n])) << "Shift+Tab " << i;
  }
  // The same through Key_Tab with Shift held, as some keyboards report it.
  Press(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(FocusName(), "按钮3");
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "按钮1");
}

TEST_F(MainWindowTest, TabSkipsDisabledControls) {
  W("超级编辑框1")->setEnabled(false);
  Press(Qt::Key_Tab);
  EXPECT_EQ(FocusName(), "编辑框_文本输入");
}

TEST_F(MainWindowTest, EscapeClosesTheWindowFromEveryControl) {
  for (const char* name : TAB_CYCLE) {
    window = LoadFreshWindow();
    W(name)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()) << name;
  }
}

struct EnterCase {
  const char* focus;
  const char* clicked;  // nullptr: no button
};

TEST_F(MainWindowTest, EnterClicksTheFocusedButtonOrElseTheFirstButtonInListOrder) {
  const EnterCase cases[] = {
      {"按钮1", "按钮1"},           {"按钮2", "按钮2"},
      {"按钮3", "按钮3"},           {"编辑框_文本输入", "按钮3"},
      {"编辑框_关键字", "按钮3"},   {"编辑框_字体大小", "按钮3"},
      {"选择框_不显纵向", "按钮3"}, {"选择框_不显不显示英文字体", "按钮3"},
      {"颜色选择器1", "按钮3"},     {"超级编辑框1", nullptr},
  };
  for (const EnterCase& c : cases) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      SCOPED_TRACE(std::string(c.focus) + (key == Qt::Key_Enter ? " keypad Enter" : " Enter"));
      window = LoadFreshWindow();
      W(c.focus)->setFocus();
      QSignalSpy one(Find<QPushButton>("按钮1"), &QAbstractButton::clicked);
      QSignalSpy two(Find<QPushButton>("按钮2"), &QAbstractButton::clicked);
      QSignalSpy three(Find<QPushButton>("按钮3"), &QAbstractButton::clicked);
      const bool checked = Find<QCheckBox>("选择框_不显纵向")->isChecked();
      Press(key);
      const auto expected = [&](const char* name) {
        return c.clicked && name == std::string(c.clicked) ? 1 : 0;
      };
      EXPECT_EQ(one.count(), expected("按钮1"));
      EXPECT_EQ(two.count(), expected("按钮2"));
      EXPECT_EQ(three.count(), expected("按钮3"));
      EXPECT_EQ(FocusName(), QString::fromUtf8(c.focus)) << "Enter never moves the focus";
      EXPECT_EQ(Find<QCheckBox>("选择框_不显纵向")->isChecked(), checked);
      EXPECT_TRUE(window->isVisible());
    }
  }
}

TEST_F(MainWindowTest, EnterInThePreviewBoxLeavesItsTextAlone) {
  W("超级编辑框1")->setFocus();
  Press(Qt::Key_Return);
  EXPECT_EQ(超级编辑框1.content(), Text());
}

TEST_F(MainWindowTest, HelpKeyDoesNothing) {
  W("编辑框_关键字")->setFocus();
  QSignalSpy three(Find<QPushButton>("按钮3"), &QAbstractButton::clicked);
  Press(Qt::Key_F1);
  EXPECT_EQ(three.count(), 0);
  EXPECT_EQ(FocusName(), "编辑框_关键字");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
