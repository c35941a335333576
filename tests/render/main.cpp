#include <QGuiApplication>
#include <gtest/gtest.h>

// The map labels are printed with a font, which wants a GUI application (offscreen: no display).
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
