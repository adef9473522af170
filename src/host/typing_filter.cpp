#include "host/typing_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

namespace {

class TypingFilter : public QObject {
 public:
  TypingFilter(QLineEdit* edit, QString allowed, int limit)
      : QObject(edit), edit_(edit), allowed_(std::move(allowed)), limit_(limit) {}

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != edit_ || edit_->isReadOnly()) return false;
    switch (e->type()) {
      case QEvent::KeyPress:
        return filterKey(static_cast<QKeyEvent*>(e));
      case QEvent::InputMethod:
        type(static_cast<QInputMethodEvent*>(e)->commitString());
        return true;
      case QEvent::ContextMenu:
        showMenu(static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
      case QEvent::MouseButtonRelease:
        return filterMiddlePaste(static_cast<QMouseEvent*>(e));
      default:
        return false;
    }
  }

 private:
  bool filterKey(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
      type(QGuiApplication::clipboard()->text());
      return true;
    }
    const QString text = e->text();
    // Control keys (backspace, arrows, Ctrl shortcuts) keep working as the edit has them.
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    const Qt::KeyboardModifiers m = e->modifiers() & ~Qt::KeypadModifier;
    if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    type(text);
    return true;
  }

  bool filterMiddlePaste(QMouseEvent* e) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() != Qt::MiddleButton || !clipboard->supportsSelection()) return false;
    edit_->deselect();
    type(clipboard->text(QClipboard::Selection));
    return true;
  }

  void showMenu(const QPoint& at) {
    QMenu* menu = edit_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste entry is known by the text the edit gives it.
    for (QAction* action : menu->actions()) {
      if (!action->text().startsWith(QLineEdit::tr("&Paste"))) continue;
      QObject::disconnect(action, nullptr, edit_, nullptr);
      connect(action, &QAction::triggered, edit_,
              [this] { type(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(at);
  }

  void type(const QString& text) {
    for (const QChar c : text) typeOne(c);
  }

  void typeOne(QChar c) {
    if (!c.isPrint()) return;
    if (!allowed_.isEmpty() && !allowed_.contains(c)) return;
    const qsizetype kept = edit_->text().size() - edit_->selectedText().size();
    if (limit_ > 0 && kept >= limit_) return;
    edit_->insert(QString(c));
  }

  QLineEdit* edit_;
  QString allowed_;
  int limit_;
};

}  // namespace

void InstallTypingFilter(QLineEdit* edit, const QString& allowed, int limit) {
  if (allowed.isEmpty() && limit <= 0) return;
  // A drop would bypass the filter; a single-line box of this kind needs none.
  edit->setAcceptDrops(false);
  edit->installEventFilter(new TypingFilter(edit, allowed, limit));
}
