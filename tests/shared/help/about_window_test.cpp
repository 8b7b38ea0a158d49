// SPDX-License-Identifier: GPL-3.0-or-later
// The About window on Qt's offscreen platform: modal, its picture at its own
// size on the window's colour, and Close closing it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

#include "platform/qt/qt_host.h"
#include "shared/help/help_menu.h"
#include "support/temp_folder.h"

namespace help {
namespace {

namespace fs = std::filesystem;

TEST(AboutWindowTest, ShowsModallyWithThePictureUnstretchedAndCloseEndsIt) {
  const fs::path folder = testing_support::freshTempFolder("about");
  fs::create_directories(folder);
  QImage picture(340, 183, QImage::Format_RGB32);
  picture.fill(QColor(200, 0, 0));
  ASSERT_TRUE(picture.save(QString::fromStdString((folder / "about.BMP").string()), "BMP"));
  HelpSetup setup{(folder / "manual.pdf").string(), (folder / "makers.html").string(), "Tavorin Twenty-One",
                  (folder / "about.BMP").string(), platform::Rgb{0, 96, 32}};

  bool wasModal = false;
  QString title;
  QImage shown;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      ADD_FAILURE() << "the About window is not modal";
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
      }
      return;
    }
    wasModal = modal->isModal();
    title = modal->windowTitle();
    shown = modal->grab().toImage();
    auto* close = modal->findChild<QPushButton*>("Command1");
    if (!close) {
      ADD_FAILURE() << "no Close button";
      modal->close();
      return;
    }
    close->click();
  });
  platform::qt::QtHost host("Tavorin");
  showAbout(host, setup);

  EXPECT_TRUE(wasModal);
  EXPECT_EQ(title, "Tavorin Twenty-One");
  ASSERT_EQ(shown.size(), QSize(340, 244)) << "the picture's 224 pixels, then the licence line";
  EXPECT_EQ(shown.pixelColor(10, 10), QColor(200, 0, 0));
  EXPECT_EQ(shown.pixelColor(339, 182), QColor(200, 0, 0));
  EXPECT_EQ(shown.pixelColor(10, 200), QColor(0, 96, 32)) << "below the picture: the window's colour";
  fs::remove_all(folder);
}

}  // namespace
}  // namespace help
