#include "host/key_rules.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

class KeyRuleFilter : public QObject {
 public:
  KeyRuleFilter(QWidget* window, const WindowSpec& windowSpec)
      : QObject(window), window_(window), rules_(windowSpec.keys) {
    for (const ControlSpec& c : windowSpec.controls) {
      if (auto* w = window->findChild<QWidget*>(QString::fromUtf8(c.name))) {
        controls_.append({w, c});
      }
    }
    cycle_ = TabCycle(window, windowSpec);
  }

  bool eventFilter(QObject* receiver, QEvent* e) override {
    if (e->type() == QEvent::WindowActivate && receiver == window_) return restoreFocus();
    if (e->type() != QEvent::KeyPress || !receiver->isWidgetType()) return false;
    if (static_cast<QWidget*>(receiver)->window() != window_) return false;
    return handleKey(static_cast<QKeyEvent*>(e), static_cast<QWidget*>(receiver));
  }

 private:
  struct Entry {
    QWidget* widget;
    ControlSpec controlSpec;
  };

  bool handleKey(QKeyEvent* e, QWidget* receiver) {
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    const bool plain = !(m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (rules_.escapeCloses && key == Qt::Key_Escape && plain) {
      window_->close();
      return true;
    }
    if (rules_.tabCycles && plain && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
      moveFocus(key == Qt::Key_Backtab || (m & Qt::ShiftModifier) ? -1 : 1);
      return true;
    }
    if (rules_.enterClicksDefaultButton && IsEnter(key)) return pressEnter(receiver);
    if (rules_.helpKeyIgnored && key == Qt::Key_F1) return true;
    return false;
  }

  // The control holding the focus: the window's focus widget, or else what received the key.
  const Entry* focused(QWidget* receiver) const {
    QWidget* w = window_->focusWidget() ? window_->focusWidget() : receiver;
    for (; w && w != window_; w = w->parentWidget()) {
      for (const Entry& entry : controls_) {
        if (entry.widget == w) return &entry;
      }
    }
    return nullptr;
  }

  static bool IsDefaultButton(const Entry& entry) {
    return entry.controlSpec.kind == ControlKind::Button && entry.controlSpec.defaultButton &&
           entry.widget->isEnabled();
  }

  bool pressEnter(QWidget* receiver) {
    const Entry* focus = focused(receiver);
    if (focus && focus->controlSpec.takesEnter) return false;
    if (!focus || !IsDefaultButton(*focus)) {
      focus = nullptr;
      for (const Entry& entry : controls_) {
        if (IsDefaultButton(entry)) {
          focus = &entry;
          break;
        }
      }
    }
    if (auto* button = focus ? qobject_cast<QAbstractButton*>(focus->widget) : nullptr) {
      button->click();
    }
    return true;
  }

  // Hidden and disabled controls are skipped.
  QList<QWidget*> reachable() const {
    QList<QWidget*> list;
    for (QWidget* w : cycle_) {
      if (w->isVisibleTo(window_) && w->isEnabled()) list.append(w);
    }
    return list;
  }

  void moveFocus(int direction) {
    const QList<QWidget*> reachable = this->reachable();
    if (reachable.isEmpty()) return;
    const Entry* focus = focused(nullptr);
    const qsizetype at = focus ? reachable.indexOf(focus->widget) : -1;
    const qsizetype n = reachable.size();
    const qsizetype next = at < 0 ? (direction > 0 ? 0 : n - 1) : (at + direction + n) % n;
    reachable[next]->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  }

  // With no control holding the focus, the last tab-stop control in list order takes it.
  bool restoreFocus() {
    if (window_->focusWidget()) return false;
    const QList<QWidget*> list = reachable();
    if (!list.isEmpty()) list.first()->setFocus(Qt::ActiveWindowFocusReason);
    return false;
  }

  QWidget* window_;
  KeyRules rules_;
  QList<Entry> controls_;
  QList<QWidget*> cycle_;
};

}  // namespace

QList<QWidget*> TabCycle(QWidget* window, const WindowSpec& windowSpec) {
  QList<QWidget*> cycle;
  for (auto c = windowSpec.controls.rbegin(); c != windowSpec.controls.rend(); ++c) {
    if (!c->tabStop) continue;
    if (auto* w = window->findChild<QWidget*>(QString::fromUtf8(c->name))) cycle.append(w);
  }
  return cycle;
}

void InstallKeyRules(QWidget* window, const WindowSpec& windowSpec) {
  qApp->installEventFilter(new KeyRuleFilter(window, windowSpec));
}
