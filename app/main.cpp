#include <QApplication>

#include "editor/frmMain.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  const std::string arg = argc > 1 ? std::string(argv[1]) : std::string();
  frmMain window(arg);
  window.show();
  return qapp.exec();
}
