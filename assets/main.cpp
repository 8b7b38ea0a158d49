// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the programs' picture files and lays out their manuals at build time:
//   asset_tool <kind> <output folder>
//   asset_tool manual <manual.html> <output.pdf>

#include "assets/app_icons.h"
#include "assets/manual_pdf.h"
#include "assets/quillmere_assets.h"
#include "assets/tavorin_assets.h"
#include "assets/text_path.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

struct Kind {
  const char* name;
  const char* what;
  bool (*write)(const QString& folder, QString& error);
};

const Kind kKinds[] = {
    {"tavorin", "Tavorin's card faces, card back, phase icons and About picture", assets::writeTavorinAssets},
    {"quillmere", "Quillmere's emblem picture, window icon and About picture", assets::writeQuillmereAssets},
    {"icons", "both programs' desktop icons, in the hicolor theme's folders", assets::writeDesktopIcons},
};

int usage() {
  std::fprintf(stderr,
               "usage: asset_tool <kind> <output folder>\n       asset_tool manual <manual.html> "
               "<output.pdf>\nkinds:\n");
  for (const Kind& kind : kKinds)
    std::fprintf(stderr, "  %-10s %s\n", kind.name, kind.what);
  return 2;
}

int fail(const QString& error) {
  std::fprintf(stderr, "asset_tool: %s\n", qPrintable(error));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The tool only paints into images; it must run on build machines without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 3) return usage();
  // A substitute font would silently change every card and page, so stop instead.
  if (!assets::labelFontAvailable())
    return fail("font Liberation Sans not found (package fonts-liberation2)");

  QString error;
  if (args[1] == "manual") {
    if (args.size() != 4) return usage();
    return assets::writeManualPdf(args[2], args[3], error) ? 0 : fail(error);
  }
  if (args.size() != 3) return usage();
  for (const Kind& kind : kKinds) {
    if (args[1] == kind.name) return kind.write(args[2], error) ? 0 : fail(error);
  }
  std::fprintf(stderr, "asset_tool: unknown kind '%s'\n", qPrintable(args[1]));
  return usage();
}
