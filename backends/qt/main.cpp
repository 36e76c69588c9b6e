// The native program's entry point: Qt first, then the portable start-up.
#include <QApplication>

#include "backends/qt/qt_application.h"
#include "shell/startup.h"
#include "shell/win_constants.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  qttk::SetUpApplication(application);
  return FaunaryMain(qttk::ProgramInstance(), SW_SHOWDEFAULT);
}
