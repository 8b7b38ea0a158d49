// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <string>

namespace platform::qt {

FormWindow::FormWindow(platform::Form& form, QWidget* parent)
    : QMainWindow(parent), view_(new FormView(form, refreshAllWindows)) {
  setCentralWidget(view_);
  for (MenuItem* item : form.menus)
    addMenuItem(*item, menuBar());
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, [&form] {
    if (!form.onEscape) return;
    form.onEscape();
    refreshAllWindows();
  });
  // The window follows the client size the model asks for, and only that.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
  enlistWindow(this);
  // A text box takes letters before any shortcut could, so the keys are
  // looked at on their way to whichever widget of this window has the focus.
  qApp->installEventFilter(this);
}

FormWindow::~FormWindow() {
  dismissWindow(this);
}

void FormWindow::refresh() {
  for (auto& [item, action] : actions_) {
    const QString caption = QString::fromStdString(item->caption);
    if (action->text() != caption) action->setText(caption);
    if (action->isEnabled() != item->enabled) action->setEnabled(item->enabled);
    if (action->isVisible() != item->visible) action->setVisible(item->visible);
    if (!action->menu()) {
      const QKeySequence shortcut = QKeySequence::fromString(QString::fromStdString(item->shortcut));
      if (action->shortcut() != shortcut) action->setShortcut(shortcut);
    }
  }
  view_->refresh();
}

QAction* FormWindow::actionFor(const platform::MenuItem& item) const {
  for (const auto& [shown, action] : actions_) {
    if (shown == &item) return action;
  }
  return nullptr;
}

void FormWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (centred_) return;
  centred_ = true;
  if (QScreen* shownOn = screen()) move(shownOn->availableGeometry().center() - rect().center());
}

void FormWindow::closeEvent(QCloseEvent* event) {
  Form& shown = form();
  if (shown.onQueryUnload && !shown.onQueryUnload()) {
    event->ignore();
    refreshAllWindows();
    return;
  }
  QMainWindow::closeEvent(event);
}

// For measuring start-up: with FORM_WINDOW_FIRST_PAINT set, the window writes
// the wall-clock time (microseconds since 1970) once its first paint is
// done; set to "exit", the program then ends.
void FormWindow::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  if (painted_) return;
  painted_ = true;
  if (!qEnvironmentVariableIsSet("FORM_WINDOW_FIRST_PAINT")) return;
  QTimer::singleShot(0, this, [] {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(stderr, "first paint %lld\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stderr);
    if (qgetenv("FORM_WINDOW_FIRST_PAINT") == "exit") QCoreApplication::exit(0);
  });
}

namespace {

// The name onKey is given: capital letters and Enter, pressed without Ctrl,
// Alt or Meta; an empty name for every other key.
std::string keyName(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) return std::string(1, static_cast<char>(key.key()));
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return "Enter";
  return {};
}

}  // namespace

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !form().onKey) return false;
  // Only keys meant for this window: not a dialog's, nor an open menu's.
  auto* target = qobject_cast<QWidget*>(watched);
  if (!target || target->window() != this || QApplication::activePopupWidget()) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  const std::string name = keyName(key);
  if (name.empty()) return false;
  // A key held down acts once; its repeats must not reach the text box either.
  if (key.isAutoRepeat()) return true;
  if (!form().onKey(name)) return false;
  refreshAllWindows();
  return true;
}

void FormWindow::addMenuItem(MenuItem& item, QWidget* container) {
  QAction* action = nullptr;
  if (!item.items.empty()) {
    auto* menu = new QMenu(container);
    for (MenuItem* child : item.items)
      addMenuItem(*child, menu);
    action = menu->menuAction();
  } else {
    action = new QAction(container);
    // The original drew a caption of "-" as a separator line.
    action->setSeparator(item.caption == "-");
    connect(action, &QAction::triggered, this, [&item] {
      item.click();
      refreshAllWindows();
    });
  }
  container->addAction(action);
  actions_.emplace_back(&item, action);
}

}  // namespace platform::qt
