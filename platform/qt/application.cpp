// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/application.h"

#include "platform/qt/command_line.h"
#include "platform/qt/display_probe.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace platform::qt {

int runApplication(int argc, char** argv, const std::string& programName, const std::string& summary,
                   const std::function<platform::Form&(platform::Host&)>& load) {
  if (const std::optional<int> exitCode = answerCommandLine(argc, argv, programName, summary))
    return *exitCode;
  if (!displayAvailable()) {
    std::fputs("cannot open the display; set DISPLAY or run under a desktop\n", stderr);
    return 1;
  }
  QApplication application(argc, argv);
  const QString name = QString::fromStdString(programName);
  QApplication::setApplicationName(name);
  // The desktop matches windows to the menu entry org.tavorin.<Name>.desktop
  // and shows the icon that entry names.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.tavorin.") + name);
  QApplication::setWindowIcon(QIcon::fromTheme(name.toLower()));
  // One look on every desktop; the buttons' bevels are drawn by this style.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QtHost host(programName);
  Form& mainForm = load(host);
  if (host.endRequested()) return 0;
  FormWindow window(mainForm);
  window.show();
  return QApplication::exec();
}

}  // namespace platform::qt
