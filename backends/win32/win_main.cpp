// The Windows program's entry point: the portable start-up does the rest.
#include "backends/win32/win32_handles.h"
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*command_line*/, int show_command) {
  return FaunaryMain(win32tk::ToInstance(instance), show_command);
}
