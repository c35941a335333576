#include <QGuiApplication>
#include <gtest/gtest.h>

// Pictures print their labels with a font and images load through Qt's codecs, both of which
// want a GUI application: the tests of every layer below the window run inside one, offscreen.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
