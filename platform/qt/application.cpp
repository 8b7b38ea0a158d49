#include "platform/qt/application.h"

#include "platform/qt/form_window.h"
#include "platform/qt/qt_host.h"

#include <QApplication>

namespace platform::qt {

int runApplication(int argc, char** argv, const std::string& programName,
                   const std::function<platform::Form&(platform::Host&)>& load) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromStdString(programName));
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
