// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/tavorin_assets.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

namespace {

const char* const kRanks[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char kSuitLetters[] = {'C', 'D', 'H', 'S'};

struct Face {
  QString code;
  int rank;  // 1..13
  bool red;
};

std::vector<Face> allFaces() {
  std::vector<Face> faces;
  for (int r = 0; r < 13; ++r) {
    for (char s : kSuitLetters)
      faces.push_back({kRanks[r] + QString(s), r + 1, s == 'D' || s == 'H'});
  }
  return faces;
}

bool isRedInk(QRgb c) {
  return qRed(c) > 150 && qGreen(c) < 70 && qBlue(c) < 70;
}
bool isBlackInk(QRgb c) {
  return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool isInk(QRgb c) {
  return isRedInk(c) || isBlackInk(c);
}

// Largest difference in any channel of any pixel of two images of the same size.
int maxDifference(const QImage& a, const QImage& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  }
  return worst;
}

// Separate blobs of ink inside `area`, touching sides only.
int countBlobs(const QImage& image, const QRect& area) {
  std::vector<char> seen(image.width() * image.height(), 0);
  int blobs = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[y * image.width() + x] || !isInk(image.pixel(x, y))) continue;
      ++blobs;
      std::vector<QPoint> stack = {{x, y}};
      seen[y * image.width() + x] = 1;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint n = p + d;
          if (!area.contains(n) || seen[n.y() * image.width() + n.x()] || !isInk(image.pixel(n))) continue;
          seen[n.y() * image.width() + n.x()] = 1;
          stack.push_back(n);
        }
      }
    }
  }
  return blobs;
}

// The assets are drawn once for all tests, as the build does, into a folder that does not exist yet.
class TavorinAssets : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "asset_tests";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    tempDir_ = std::make_unique<QTemporaryDir>();
    folder_ = tempDir_->filePath("share/tavorin");
    QString error;
    written_ = assets::writeTavorinAssets(folder_, error);
    writeError_ = error;
  }
  static void TearDownTestSuite() {
    tempDir_.reset();
    app_.reset();
  }
  void SetUp() override { ASSERT_TRUE(written_) << writeError_.toStdString(); }

  static QString path(const QString& name) { return QDir(folder_).filePath(name); }

  static inline std::unique_ptr<QGuiApplication> app_;
  static inline std::unique_ptr<QTemporaryDir> tempDir_;
  static inline QString folder_;
  static inline bool written_ = false;
  static inline QString writeError_;
};

TEST_F(TavorinAssets, WritesExactlyTheFilesTheGameLoads) {
  std::set<QString> expected = {"about.BMP",  "back.BMP",   "tavorin.ICO", "MISC34.ICO",
                                "MISC35.ICO", "MISC36.ICO", "MISC37.ICO"};
  for (const Face& face : allFaces())
    expected.insert(face.code + ".BMP");
  const QStringList listed = QDir(folder_).entryList(QDir::Files);
  const std::set<QString> actual(listed.begin(), listed.end());
  EXPECT_EQ(actual, expected);
}

TEST_F(TavorinAssets, CardsAreDoubleSlotSizeWithTableGreenCorners) {
  std::vector<QString> names = {"back"};
  for (const Face& face : allFaces())
    names.push_back(face.code);
  const QRgb green = qRgb(0, 128, 0);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QImage image(path(name + ".BMP"));
    ASSERT_EQ(image.size(), QSize(145, 198));
    EXPECT_EQ(image.pixel(0, 0), green);
    EXPECT_EQ(image.pixel(144, 0), green);
    EXPECT_EQ(image.pixel(0, 197), green);
    EXPECT_EQ(image.pixel(144, 197), green);
    // Just inside the straight edges the card itself shows.
    EXPECT_NE(image.pixel(72, 3), green);
    EXPECT_NE(image.pixel(3, 99), green);
  }
}

TEST_F(TavorinAssets, FacesUseOnlyTheirSuitsColour) {
  for (const Face& face : allFaces()) {
    SCOPED_TRACE(face.code.toStdString());
    const QImage image(path(face.code + ".BMP"));
    int red = 0, black = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        red += isRedInk(image.pixel(x, y));
        black += isBlackInk(image.pixel(x, y));
      }
    }
    EXPECT_EQ(red > 0, face.red);
    EXPECT_EQ(black > 0, !face.red);
  }
}

TEST_F(TavorinAssets, NumberCardsShowOnePipPerPoint) {
  // Between the two corner indices only the pips are inked.
  const QRect pipArea(30, 14, 85, 170);
  for (const Face& face : allFaces()) {
    if (face.rank > 10) continue;
    SCOPED_TRACE(face.code.toStdString());
    EXPECT_EQ(countBlobs(QImage(path(face.code + ".BMP")), pipArea), face.rank);
  }
}

TEST_F(TavorinAssets, CornerIndexIsTheSameUpsideDown) {
  const QRect topLeft(0, 0, 30, 62);
  for (const Face& face : allFaces()) {
    SCOPED_TRACE(face.code.toStdString());
    const QImage image(path(face.code + ".BMP"));
    const QImage turned = image.mirrored(true, true);
    // Antialiasing is not exactly symmetric, so allow a shade of difference.
    EXPECT_LE(maxDifference(image.copy(topLeft), turned.copy(topLeft)), 8);
  }
}

TEST_F(TavorinAssets, NoTwoPicturesAreAlike) {
  std::vector<QString> names = {"back"};
  for (const Face& face : allFaces())
    names.push_back(face.code);
  std::vector<QImage> images;
  for (const QString& name : names)
    images.emplace_back(path(name + ".BMP"));
  for (size_t i = 0; i < images.size(); ++i) {
    for (size_t j = i + 1; j < images.size(); ++j) {
      EXPECT_NE(images[i], images[j]) << names[i].toStdString() << " and " << names[j].toStdString();
    }
  }
}

TEST_F(TavorinAssets, PhaseIconsHoldSeveralSizesWithTransparentCorners) {
  for (const char* name : {"tavorin.ICO", "MISC34.ICO", "MISC35.ICO", "MISC36.ICO", "MISC37.ICO"}) {
    SCOPED_TRACE(name);
    const QImage first(path(name));
    ASSERT_EQ(first.size(), QSize(32, 32));
    EXPECT_TRUE(first.hasAlphaChannel());

    QImageReader reader(path(name));
    std::vector<QSize> sizes;
    do {
      const QImage image = reader.read();
      ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
      sizes.push_back(image.size());
      const int last = image.width() - 1;
      EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
      EXPECT_EQ(qAlpha(image.pixel(last, 0)), 0);
      EXPECT_GT(qAlpha(image.pixel(last / 2, last / 2)), 200);
    } while (reader.jumpToNextImage());
    EXPECT_EQ(sizes, (std::vector<QSize>{{32, 32}, {48, 48}, {64, 64}}));

    const QList<QSize> offered = QIcon(path(name)).availableSizes();
    EXPECT_TRUE(offered.contains(QSize(32, 32)));
    EXPECT_TRUE(offered.contains(QSize(64, 64)));
  }
}

}  // namespace
