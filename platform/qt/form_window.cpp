#include "platform/qt/form_window.h"

#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

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
