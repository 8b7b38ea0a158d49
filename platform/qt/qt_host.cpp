// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_host.h"

#include "platform/qt/form_dialog.h"
#include "platform/qt/live_windows.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace platform::qt {

QtHost::QtHost(const std::string& programTitle) : title_(QString::fromStdString(programTitle)) {}

MessageAnswer QtHost::messageBox(const std::string& text, MessageButtons buttons, const std::string& title) {
  // The handler may have changed the window behind the box; show that.
  refreshAllWindows();
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(title.empty() ? title_ : QString::fromStdString(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(text));
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  if (buttons == MessageButtons::OkCancel) box.setEscapeButton(box.addButton(QMessageBox::Cancel));
  box.exec();
  // Closing the box by other means than a button counts as its escape button.
  return buttons == MessageButtons::OkCancel && box.clickedButton() != ok ? MessageAnswer::Cancel
                                                                          : MessageAnswer::Ok;
}

void QtHost::showModal(Form& form) {
  form.unloadRequested = false;
  refreshAllWindows();
  FormDialog dialog(form, QApplication::activeWindow());
  dialog.exec();
}

void QtHost::doEvents() {
  // Waiting handlers call this to let the window show their progress.
  refreshAllWindows();
  QCoreApplication::processEvents();
}

void QtHost::waitForEvents() {
  // A handler may have started a timer; it must run before the wait or the
  // wait might never end.
  refreshAllWindows();
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtHost::post(std::function<void()> task) {
  // Queued to the application object, so the task runs on its thread and
  // wakes a waitForEvents there.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [task = std::move(task)] {
        task();
        refreshAllWindows();
      },
      Qt::QueuedConnection);
}

void QtHost::endProgram() {
  endRequested_ = true;
  QCoreApplication::exit(0);
}

bool QtHost::openInBrowser(const std::string& target) {
  const QUrl url = QUrl::fromUserInput(QString::fromStdString(target));
  // The desktop's opener starts happily on a missing file and then fails
  // where nobody sees it.
  if (!url.isValid() || (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))) return false;
  return QDesktopServices::openUrl(url);
}

}  // namespace platform::qt
