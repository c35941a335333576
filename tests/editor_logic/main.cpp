#include <gtest/gtest.h>

#include <QGuiApplication>

// Picture text and Qt's image codecs want a GUI application object.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
