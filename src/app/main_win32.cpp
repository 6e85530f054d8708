#include <windows.h>

#include "app/program.h"
#include "platform/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The command line is ignored and the exit code is always 0.
  dorvena::platform::win32::Win32Backend backend;
  return dorvena::app::runDorvena(backend);
}
