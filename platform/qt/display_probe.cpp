// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/display_probe.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QString>
#include <QtGlobal>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstring>
#include <string>

namespace platform::qt {
namespace {

bool xServerAnswers() {
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

bool waylandCompositorAnswers() {
  const QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) return false;
  const QString path =
      QDir::isAbsolutePath(display) ? display : qEnvironmentVariable("XDG_RUNTIME_DIR") + '/' + display;
  const std::string socketPath = QFile::encodeName(path).toStdString();
  sockaddr_un address{};
  if (socketPath.size() >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool answers = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  ::close(fd);
  return answers;
}

bool waylandPluginInstalled() {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
  return !platforms.entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty();
}

}  // namespace

bool displayAvailable() {
  // QT_QPA_PLATFORM may list fallbacks ("wayland;xcb"); the first one decides.
  const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM").section(';', 0, 0).section(':', 0, 0);
  if (chosen == QLatin1String("xcb")) return xServerAnswers();
  if (chosen.startsWith(QLatin1String("wayland"))) return waylandCompositorAnswers();
  if (!chosen.isEmpty()) return true;
  if (xServerAnswers()) return true;
  // Qt tries X first unless the session says Wayland; point it at the one that answers.
  if (!waylandPluginInstalled() || !waylandCompositorAnswers()) return false;
  qputenv("QT_QPA_PLATFORM", "wayland");
  return true;
}

}  // namespace platform::qt
