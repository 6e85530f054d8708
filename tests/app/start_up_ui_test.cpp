// The shipped program, started as the user starts it, in program folders of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/win32/win32_backend.h"
#include "store/date_token.h"

namespace dorvena::app {
namespace {
namespace fs = std::filesystem;

// Polls a condition for a bounded time: the program under test runs in another process.
template <class F>
bool eventually(F condition, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 50) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

std::string bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Windows {
  HWND main = nullptr;  // the planner's 255 x 375 window
  int count = 0;
};

Windows windowsOf(DWORD process) {
  Windows found;
  auto visit = [&](HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != process) return;
    ++found.count;
    RECT r{};
    GetWindowRect(w, &r);
    if (r.right - r.left == 255 && r.bottom - r.top == 375) found.main = w;
  };
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        (*reinterpret_cast<decltype(visit)*>(p))(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&visit));
  return found;
}

class RunningPlanner {
 public:
  explicit RunningPlanner(const std::wstring& folderName) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = fs::path(temp) / (folderName + std::to_wstring(GetTickCount64()));
    fs::create_directories(folder_);
    fs::copy_file(DORVENA_EXE, folder_ / "dorvena.exe");
    fs::copy_file(BANNER_EXE, folder_ / "banner.exe");
  }
  ~RunningPlanner() {
    for (auto& p : processes_) {
      TerminateProcess(p.hProcess, 0);
      WaitForSingleObject(p.hProcess, 5000);
      CloseHandle(p.hProcess);
      CloseHandle(p.hThread);
    }
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  const fs::path& folder() const { return folder_; }
  fs::path storeFile() const { return folder_ / "otherfiles" / "reminder.ini"; }
  void writeStore(const std::string& bytes) {
    fs::create_directories(folder_ / "otherfiles");
    std::ofstream(storeFile(), std::ios::binary) << bytes;
  }

  PROCESS_INFORMATION start() {
    const std::wstring exe = (folder_ / "dorvena.exe").wstring();
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    EXPECT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder_.c_str(), &si, &pi));
    processes_.push_back(pi);
    return pi;
  }

 private:
  fs::path folder_;
  std::vector<PROCESS_INFORMATION> processes_;
};

std::string todayToken() {
  platform::win32::Win32Backend os;
  return store::dateToken(os.locale(), os.clock().now().date);
}

TEST(StartUpUi, FirstStartCreatesTheStoreRunsTheCompanionAndStaysHidden) {
  RunningPlanner planner(L"Dorvena first ");
  const PROCESS_INFORMATION first = planner.start();
  ASSERT_TRUE(eventually([&] { return bytesOf(planner.storeFile()) == "pos.count=0\r\n"; }));
  EXPECT_TRUE(eventually([&] { return fs::exists(planner.folder() / "banner-ran.txt"); }));
  ASSERT_TRUE(eventually([&] { return windowsOf(first.dwProcessId).main != nullptr; }));
  const HWND main = windowsOf(first.dwProcessId).main;
  EXPECT_FALSE(IsWindowVisible(main));

  // A second start while the first runs ends at once with code 0.
  const PROCESS_INFORMATION second = planner.start();
  ASSERT_EQ(WaitForSingleObject(second.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(second.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(WaitForSingleObject(first.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
}

TEST(StartUpUi, ATitleTodayShowsTheWindowWithoutATaskbarButton) {
  RunningPlanner planner(L"Program Files x\\Dorvena ");  // a blank in the folder's path
  planner.writeStore("pos.count=0\r\ntarih[" + todayToken() +
                     "].zaman[10].caption=Di\xFE\xE7i\r\n");
  const PROCESS_INFORMATION p = planner.start();
  EXPECT_TRUE(eventually([&] { return fs::exists(planner.folder() / "banner-ran.txt"); }));
  ASSERT_TRUE(eventually([&] {
    const HWND main = windowsOf(p.dwProcessId).main;
    return main && IsWindowVisible(main);
  }));
  const HWND main = windowsOf(p.dwProcessId).main;
  // No taskbar button: owned by a tool window, and not forced onto the taskbar.
  const HWND owner = GetWindow(main, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(owner, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  EXPECT_EQ(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
}

}  // namespace
}  // namespace dorvena::app
