// The main window's inputs: the size box's typing filter, the spinner, the colour picker, the
// keyword hint, the preview's wheel, the author line, and the end of the message loop.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "host/colour_picker.h"
#include "host/main_window_qt.h"
#include "host/runtime.h"
#include "host/spinner.h"
#include "test_support.h"
#include "ui/aux_handlers.h"
#include "ui/main_window.h"

namespace {

class MainWindowInput : public testing::Test {
 protected:
  void SetUp() override {
    UseFonts({"Arial", "宋体"});
    window = LoadFreshWindow();
    ASSERT_NE(window, nullptr);
    size = Find<QLineEdit>("编辑框_字体大小");
  }

  QToolButton* Arrow(const char* which) const {
    return Find<QWidget>("调节器_字体大小")->findChild<QToolButton*>(which);
  }

  SeamRecorder seam;
  QWidget* window = nullptr;
  QLineEdit* size = nullptr;
};

// Types each character as its key press, as a keyboard or an input method would deliver it.
void Type(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &release);
  }
}

struct TypingCase {
  const char* start;  // set by the program
  bool selectAll;
  const char* typed;
  const char* expected;
};

TEST_F(MainWindowInput, SizeBoxTakesOnlyTwoTypedDigitsOrMinusSigns) {
  const TypingCase cases[] = {
      {"", false, "1a-2b3", "1-"}, {"", false, "a. +", ""},
      {"", false, "-7", "-7"},     {"", false, "123", "12"},
      {"5", false, "0", "50"},     {"15", false, "9", "15"},
      {"15", true, "9", "9"},      {"100", false, "1", "100"},
      {"", false, "１", ""},  // a full-width digit is not a digit here
  };
  for (const TypingCase& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " + " + c.typed);
    size->setText(QString::fromUtf8(c.start));
    size->setFocus();
    if (c.selectAll) size->selectAll();
    Type(size, QString::fromUtf8(c.typed));
    EXPECT_EQ(size->text(), QString::fromUtf8(c.expected));
  }
}

TEST_F(MainWindowInput, SizeBoxControlKeysStillWork) {
  size->setText("100");
  size->setFocus();
  size->end(false);
  QTest::keyClick(size, Qt::Key_Backspace);
  EXPECT_EQ(size->text(), "10");
  QTest::keyClick(size, Qt::Key_Home);
  QTest::keyClick(size, Qt::Key_Delete);
  EXPECT_EQ(size->text(), "0");
}

TEST_F(MainWindowInput, PastesAndInputMethodCommitsAreFilteredLikeTyping) {
  QGuiApplication::clipboard()->setText("a1b2c3");
  size->setText("");
  QTest::keyClick(size, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(size->text(), "12");

  size->setText("");
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                              size->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(size, &menuEvent);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(QLineEdit::tr("&Paste"))) action->trigger();
  }
  menu->close();
  EXPECT_EQ(size->text(), "12");

  size->setText("");
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("x-中9"));
  QApplication::sendEvent(size, &commit);
  EXPECT_EQ(size->text(), "-9");
}

TEST_F(MainWindowInput, OtherEditBoxesTakeAnyText) {
  auto* keyword = Find<QLineEdit>("编辑框_关键字");
  keyword->setFocus();
  Type(keyword, QString::fromUtf8("Song ti 1.5，宋"));
  EXPECT_EQ(keyword->text(), QString::fromUtf8("Song ti 1.5，宋"));
}

struct StepCase {
  const char* start;
  const char* arrow;
  const char* expected;
};

TEST_F(MainWindowInput, SpinnerArrowsStepTheSizeText) {
  const StepCase cases[] = {
      {"15", "up", "16"}, {"15", "down", "14"},   {"1", "down", "0"},  {"0", "down", "-1"},
      {"", "up", "1"},    {"", "down", "-1"},     {"99", "up", "100"}, {"1.5", "up", "2.5"},
      {"abc", "up", "1"}, {"12pt", "down", "11"}, {"-1", "up", "0"},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.arrow);
    size->setText(QString::fromUtf8(c.start));
    QTest::mouseClick(Arrow(c.arrow), Qt::LeftButton);
    EXPECT_EQ(size->text(), QString::fromUtf8(c.expected));
  }
  EXPECT_EQ(Arrow("up")->geometry().bottom() + 1, Arrow("down")->geometry().top());
}

TEST_F(MainWindowInput, SpinnerStepsDirectlyWithOtherStepsChangingNothing) {
  size->setText("15");
  StepFontSize(0);
  StepFontSize(2);
  StepFontSize(-2);
  EXPECT_EQ(size->text(), "15");
}

TEST_F(MainWindowInput, HeldArrowRepeatsItsStep) {
  size->setText("15");
  QTest::mousePress(Arrow("up"), Qt::LeftButton);
  for (int i = 0; i < 100 && size->text().toInt() < 18; ++i) QTest::qWait(50);
  QTest::mouseRelease(Arrow("up"), Qt::LeftButton);
  EXPECT_GE(size->text().toInt(), 18);
  const QString released = size->text();
  QTest::qWait(200);
  EXPECT_EQ(size->text(), released) << "no step after the arrow is let go";
  EXPECT_EQ(Find<QWidget>("调节器_字体大小")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Arrow("up")->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowInput, ColourPickerPaletteSetsTheColourAsBgr) {
  auto* picker = Find<ColourPickerButton>("颜色选择器1");
  ASSERT_NE(picker, nullptr);
  QTest::mouseClick(picker, Qt::LeftButton);
  const QPointer<QFrame> palette = picker->palettePopup();
  ASSERT_NE(palette, nullptr);
  const QList<QToolButton*> swatches = palette->findChildren<QToolButton*>();
  EXPECT_EQ(swatches.size(), 40);
  for (QToolButton* s : swatches) EXPECT_EQ(QColor(s->objectName()).alpha(), 255);
  QTest::mouseClick(palette->findChild<QToolButton*>("#ff9900"), Qt::LeftButton);
  EXPECT_EQ(颜色选择器1.colour(), 0x0099FF);
  EXPECT_TRUE(!palette || !palette->isVisible());
}

TEST_F(MainWindowInput, MovingOverTheKeywordLabelPopsTheHintBelowTheKeywordBox) {
  auto* label = Find<QWidget>("标签4");
  window->move(120, 70);
  for (const QPoint at : {QPoint(3, 4), QPoint(20, 10), QPoint(20, 10)}) {
    QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
  }
  ASSERT_GE(seam.tips.size(), 3u);
  for (const SeamRecorder::Tip& tip : seam.tips) {
    EXPECT_EQ(tip.x, window->x() + 329);
    EXPECT_EQ(tip.y, window->y() + 519 + 24);
    EXPECT_EQ(tip.text, KEYWORD_HINT);
    EXPECT_EQ(tip.icon, -1);
  }
}

TEST_F(MainWindowInput, LeftPressOnTheAuthorLineOpensThePageOncePerPress) {
  auto* label = Find<QWidget>("标签5");
  const auto send = [label](QEvent::Type type, Qt::MouseButton button) {
    QMouseEvent e(type, QPointF(5, 5), label->mapToGlobal(QPointF(5, 5)), button,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(label, &e);
  };
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::LeftButton);
  ASSERT_EQ(seam.webOpens.size(), 1u);
  EXPECT_EQ(seam.webOpens[0], AUTHOR_PAGE);
  // A double click: the second press comes with a double-click event of its own.
  send(QEvent::MouseButtonPress, Qt::LeftButton);
  send(QEvent::MouseButtonDblClick, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, Qt::LeftButton);
  EXPECT_EQ(seam.webOpens.size(), 2u);
  send(QEvent::MouseButtonPress, Qt::RightButton);
  send(QEvent::MouseButtonPress, Qt::MiddleButton);
  EXPECT_EQ(seam.webOpens.size(), 2u);
}

// Vertical scroll bar value after one wheel turn from the middle of a long preview.
int ScrolledBy(QAbstractScrollArea* box, int angle) {
  QScrollBar* bar = box->verticalScrollBar();
  const int middle = bar->maximum() / 2;
  bar->setValue(middle);
  const QPointF at(40, 40);
  QWheelEvent wheel(at, box->viewport()->mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box->viewport(), &wheel);
  return bar->value() - middle;
}

TEST_F(MainWindowInput, WheelOverThePreviewScrollsOneExtraLineTowardsTheEnd) {
  auto* box = Find<QAbstractScrollArea>("超级编辑框1");
  ASSERT_NE(box, nullptr);
  std::string text;
  for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\r\n";
  超级编辑框1.setContent(FromUtf8(text));
  QApplication::processEvents();
  QScrollBar* bar = box->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum() / 2);
  const int before = bar->value();
  超级编辑框1.ScrollByLines(1);
  const int line = bar->value() - before;
  ASSERT_GT(line, 0);

  const int towardsEnd = ScrolledBy(box, -120);
  const int towardsStart = ScrolledBy(box, 120);
  EXPECT_GT(towardsEnd, line) << "the box still scrolls after the extra line";
  // The box alone scrolls the same amount both ways; the extra line goes towards the end.
  EXPECT_EQ(towardsEnd + towardsStart, 2 * line);
}

// Every argument the bindings deliver, through recording handlers on a copy of the window.
struct Recorded {
  std::vector<int32_t> steps;
  std::vector<std::array<int32_t, 3>> moves, presses;
  std::vector<std::array<int32_t, 2>> wheels;
};
Recorded recorded;

TEST(MainWindowBindings, DeliverStepsPositionsNotchesAndKeyState) {
  WindowSpec windowSpec = MainWindowSpec();
  for (ControlSpec& c : windowSpec.controls) {
    if (c.stepped) c.stepped = [](int32_t s) { recorded.steps.push_back(s); };
    if (c.mouseMoved)
      c.mouseMoved = [](uint16_t x, uint16_t y, int32_t k) { recorded.moves.push_back({x, y, k}); };
    if (c.leftButtonDown)
      c.leftButtonDown = [](uint16_t x, uint16_t y, int32_t k) {
        recorded.presses.push_back({x, y, k});
      };
    if (c.wheelTurned)
      c.wheelTurned = [](int32_t d, int32_t k) { recorded.wheels.push_back({d, k}); };
  }
  recorded = {};
  std::unique_ptr<QWidget> copy(RealiseWindow(windowSpec));
  copy->show();
  auto* spinner = copy->findChild<SpinnerWidget*>("调节器_字体大小");
  QTest::mouseClick(spinner->upArrow(), Qt::LeftButton);
  QTest::mouseClick(spinner->downArrow(), Qt::LeftButton);
  EXPECT_EQ(recorded.steps, (std::vector<int32_t>{1, -1}));

  auto* hintLabel = copy->findChild<QWidget*>("标签4");
  QMouseEvent move(QEvent::MouseMove, QPointF(-1, 7), QPointF(), Qt::NoButton, Qt::NoButton,
                   Qt::ControlModifier | Qt::AltModifier);
  QApplication::sendEvent(hintLabel, &move);
  ASSERT_EQ(recorded.moves.size(), 1u);
  EXPECT_EQ(recorded.moves[0], (std::array<int32_t, 3>{65535, 7, 1 | 4}));

  auto* authorLabel = copy->findChild<QWidget*>("标签5");
  QTest::mouseClick(authorLabel, Qt::LeftButton, Qt::ShiftModifier, QPoint(9, 4));
  ASSERT_EQ(recorded.presses.size(), 1u);
  EXPECT_EQ(recorded.presses[0], (std::array<int32_t, 3>{9, 4, 2}));

  auto* box = copy->findChild<QAbstractScrollArea*>("超级编辑框1");
  const struct {
    int angle;
    Qt::KeyboardModifiers modifiers;
    std::array<int32_t, 2> expected;
  } wheels[] = {
      {120, Qt::NoModifier, {1, 0}},
      {-240, Qt::ShiftModifier, {-2, 2}},
      {-100, Qt::NoModifier, {0, 0}},
      {359, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, {2, 7}},
  };
  for (const auto& w : wheels) {
    recorded.wheels.clear();
    QWheelEvent wheel(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, w.angle), Qt::NoButton,
                      w.modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box->viewport(), &wheel);
    ASSERT_EQ(recorded.wheels.size(), 1u) << w.angle;
    EXPECT_EQ(recorded.wheels[0], w.expected) << w.angle;
  }
}

TEST(MessageLoop, EndsWithExitCodeZeroWhenEscapeClosesTheWindow) {
  static int exitRoutineRuns = 0;
  SeamRecorder seam;
  UseFonts({"Arial"});
  LoadFreshWindow();
  RegisterExitRoutine([] { ++exitRoutineRuns; });
  QTimer::singleShot(0, [] {
    QWidget* window = MainWindowWidget();
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
  });
  // Should the window not close, the loop ends with 1 instead of hanging.
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  guard.start(10000);
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_EQ(exitRoutineRuns, 1);
  EXPECT_EQ(MainWindowWidget(), nullptr);
  RegisterExitRoutine(nullptr);
}

}  // namespace
