// Draws the programs' picture files at build time: asset_tool <kind> <output folder>.

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
    {"tavorin", "Tavorin's card faces, card back and phase icons", assets::writeTavorinAssets},
    {"quillmere", "Quillmere's emblem picture and window icon", assets::writeQuillmereAssets},
};

int usage() {
  std::fprintf(stderr, "usage: asset_tool <kind> <output folder>\nkinds:\n");
  for (const Kind& kind : kKinds)
    std::fprintf(stderr, "  %-10s %s\n", kind.name, kind.what);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // The tool only paints into images; it must run on build machines without a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 3) return usage();

  for (const Kind& kind : kKinds) {
    if (args[1] != kind.name) continue;
    // A substitute font would silently change every card, so stop instead.
    if (!assets::labelFontAvailable()) {
      std::fprintf(stderr, "asset_tool: font Liberation Sans not found (package fonts-liberation2)\n");
      return 1;
    }
    QString error;
    if (!kind.write(args[2], error)) {
      std::fprintf(stderr, "asset_tool: %s\n", qPrintable(error));
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "asset_tool: unknown kind '%s'\n", qPrintable(args[1]));
  return usage();
}
