// SPDX-License-Identifier: GPL-3.0-or-later
// The About pictures, the desktop icons and the manual layout of the asset tool.

#include "assets/about_pictures.h"
#include "assets/app_icons.h"
#include "assets/manual_pdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstdlib>
#include <ctime>
#include <functional>

namespace {

TEST(AboutPictures, HaveTheirWindowsSizesAndEndInTheWindowsColour) {
  const struct {
    const char* name;
    std::function<QImage()> draw;
    QSize size;
    QColor window;
  } rows[] = {
      {"Tavorin", assets::drawTavorinAbout, QSize(340, 183), assets::kTavorinFelt},
      {"Quillmere", assets::drawQuillmereAbout, QSize(342, 184), assets::kQuillmereYellow},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const QImage picture = row.draw();
    ASSERT_EQ(picture.size(), row.size);
    // The picture box goes on below the picture in the window's colour: no seam.
    const int bottom = picture.height() - 1;
    for (int x : {0, picture.width() / 2, picture.width() - 1})
      EXPECT_EQ(picture.pixelColor(x, bottom), row.window) << x;
  }
}

TEST(DesktopIcons, EverySizeIsWrittenForBothPrograms) {
  QTemporaryDir folder;
  QString error;
  ASSERT_TRUE(assets::writeDesktopIcons(folder.path(), error)) << error.toStdString();
  for (int size : assets::kDesktopIconSizes) {
    for (const char* program : {"tavorin", "quillmere"}) {
      const QImage icon(
          QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(folder.path()).arg(size).arg(program));
      EXPECT_EQ(icon.size(), QSize(size, size)) << program << " " << size;
      EXPECT_TRUE(icon.hasAlphaChannel());
    }
  }
}

class ManualPdf : public ::testing::Test {
 protected:
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder.path()).filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir folder;
  const QString pdf = QDir(folder.path()).filePath("out/Manual.pdf");
};

TEST_F(ManualPdf, LaysOutTheTextAndItsPicturesAsAPdf) {
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(QDir(folder.path()).filePath("table.png")));
  write("manual.html",
        "<html><head><title>Test Manual</title></head><body><h1>Playing</h1>"
        "<p><img src=\"table.png\" width=\"200\"></p></body></html>");
  QString error;
  ASSERT_TRUE(assets::writeManualPdf(QDir(folder.path()).filePath("manual.html"), pdf, error))
      << error.toStdString();
  QFile out(pdf);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray bytes = out.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "the picture is in the file";
}

TEST_F(ManualPdf, ADamagedPictureStopsTheLayoutWithItsName) {
  write("manual.html", "<p><img src=\"broken.png\"></p>");
  write("broken.png", "not a picture");
  QString error;
  EXPECT_FALSE(assets::writeManualPdf(QDir(folder.path()).filePath("manual.html"), pdf, error));
  EXPECT_TRUE(error.contains("broken.png")) << error.toStdString();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ManualPdf, SourceDateEpochStampsTheDateInsteadOfTheClock) {
  write("manual.html", "<html><head><title>Dated</title></head><body><p>Text</p></body></html>");
  ::setenv("TZ", "UTC", 1);
  ::tzset();
  ::setenv("SOURCE_DATE_EPOCH", "86400", 1);
  QString error;
  const bool written = assets::writeManualPdf(QDir(folder.path()).filePath("manual.html"), pdf, error);
  ::unsetenv("SOURCE_DATE_EPOCH");
  ASSERT_TRUE(written) << error.toStdString();
  QFile out(pdf);
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QByteArray bytes = out.readAll();
  EXPECT_TRUE(bytes.contains("/CreationDate (D:19700102000000Z)")) << "one day after the epoch";
  EXPECT_TRUE(bytes.endsWith("%%EOF\n")) << "the file keeps its length and its end";
}

TEST_F(ManualPdf, AMissingSourceIsReported) {
  QString error;
  EXPECT_FALSE(assets::writeManualPdf(QDir(folder.path()).filePath("absent.html"), pdf, error));
  EXPECT_TRUE(error.contains("absent.html")) << error.toStdString();
}

}  // namespace
