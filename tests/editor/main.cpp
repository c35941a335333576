#include <QApplication>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // A screen of 1600 x 1000, larger than the window's design size, and one of 1280 x 900 to its
  // right and lower, so that a restored placement is checked against screens of unlike edges.
  QTemporaryFile screens;
  if (!screens.open()) return 1;
  screens.write(R"({"screens": [{"name": "main", "x": 0, "y": 0, "width": 1600, "height": 1000,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
                  {"name": "second", "x": 1600, "y": 200, "width": 1280, "height": 900}]})");
  screens.flush();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
  qunsetenv("QT_STYLE_OVERRIDE");  // the look pictures are of Qt's own style
  QApplication app(argc, argv);
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);  // tests drive Qt's own dialogs
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
