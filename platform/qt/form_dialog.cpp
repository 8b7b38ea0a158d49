#include "platform/qt/form_dialog.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace platform::qt {

FormDialog::FormDialog(platform::Form& form, QWidget* parent)
    : QDialog(parent), view_(new FormView(form, refreshAllWindows)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  refresh();
  enlistWindow(this);
}

FormDialog::~FormDialog() {
  dismissWindow(this);
}

void FormDialog::refresh() {
  view_->refresh();
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace platform::qt
