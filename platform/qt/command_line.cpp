// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace platform::qt {

std::optional<int> answerCommandLine(int argc, char** argv, const std::string& programName,
                                     const std::string& summary) {
  // A core application needs no display; the window's application comes later.
  QCoreApplication core(argc, argv);
  QCoreApplication::setApplicationName(QString::fromStdString(programName));
  QCoreApplication::setApplicationVersion(QStringLiteral(PROGRAM_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromStdString(summary));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  if (!parser.parse(QCoreApplication::arguments())) {
    std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "Unexpected argument '%s'.\n",
                 qPrintable(parser.positionalArguments().constFirst()));
    return 2;
  }
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()), PROGRAM_VERSION);
    return 0;
  }
  return std::nullopt;
}

}  // namespace platform::qt
