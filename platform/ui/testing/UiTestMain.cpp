// SPDX-License-Identifier: GPL-3.0-or-later
// main() for tests of windows: runs every test with one QApplication on the offscreen platform, whose
// one screen is a common 1920 x 1080 (unless QT_QPA_PLATFORM chooses another).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM"))
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORVEL_UI_TESTING_DIR "/screen-1920x1080.json", 1);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  int result = RUN_ALL_TESTS();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return result;
}
