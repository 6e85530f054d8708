// Stands in for the companion program: it leaves a marker beside itself and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring marker(path, n);
  marker = marker.substr(0, marker.find_last_of(L'\\') + 1) + L"banner-ran.txt";
  HANDLE f = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  return 0;
}
