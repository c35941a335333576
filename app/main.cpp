#include <QApplication>
#include <csignal>

#include "editor/frmMain.h"

int main(int argc, char** argv) {
  // A write past the file-size limit then fails like any other, and the save
  // that tried it says so, instead of the signal ending the program unsaved.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication qapp(argc, argv);
  const std::string arg = argc > 1 ? std::string(argv[1]) : std::string();
  frmMain window(arg);
  window.show();
  return qapp.exec();
}
