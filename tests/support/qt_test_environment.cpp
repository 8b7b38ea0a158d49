// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets need one QApplication for the whole test program. It is made when
// the tests run, not when CTest lists them, so listing needs no display.

#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setStyle(QStringLiteral("Fusion"));
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[16] = "qt_front_end";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
