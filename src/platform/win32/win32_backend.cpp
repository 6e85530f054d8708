#include "platform/win32/win32_backend.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>

#include "platform/win32/gdi.h"
#include "platform/win32/handles.h"
#include "platform/win32/peers.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_locale.h"

namespace dorvena::platform::win32 {

// The hidden window that owns every form. It hears the broadcasts meant for the whole program:
// a new taskbar (Explorer restarted) and changed regional settings.
class ApplicationWindow final : public Window {
 public:
  explicit ApplicationWindow(Win32Backend& backend)
      : backend_(backend), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    WindowArgs args;
    args.className = L"TApplication";
    args.style = WS_POPUP;
    createWindow(args, 0);
  }
  ~ApplicationWindow() override { destroyWindow(); }

 protected:
  LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == taskbarCreated_ && msg != 0) {
      backend_.restoreTrayIcons();
      return 0;
    }
    switch (msg) {
      case WM_SETTINGCHANGE:
        if (lParam && std::wcscmp(reinterpret_cast<const wchar_t*>(lParam), L"intl") == 0) {
          backend_.locale().reread();
        }
        break;
      case WM_CLOSE:
        return 0;  // only the program itself ends the program
      default:
        break;
    }
    return DefWindowProcW(hwnd(), msg, wParam, lParam);
  }

 private:
  Win32Backend& backend_;
  UINT taskbarCreated_;
};

namespace {

HICON programIcon() {
  // The program's own icon (resource 1) at the size of the notification area.
  HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

Win32Backend::Win32Backend() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  gdi_ = std::make_unique<Gdi>();
  locale_ = std::make_unique<Win32Locale>();
  appWindow_ = std::make_unique<ApplicationWindow>(*this);
  seedFromClock();
}

Win32Backend::~Win32Backend() {
  while (!trayIcons_.empty()) remove(*trayIcons_.back().owner, trayIcons_.back().id);
  appWindow_.reset();
}

std::unique_ptr<ControlPeer> Win32Backend::attach(Control& control) {
  if (auto* form = dynamic_cast<Form*>(&control)) return std::make_unique<FormPeer>(*this, *form);
  if (auto* panel = dynamic_cast<Panel*>(&control))
    return std::make_unique<PanelPeer>(*this, *panel);
  if (auto* list = dynamic_cast<CheckListBox*>(&control))
    return std::make_unique<CheckListPeer>(*this, *list);
  if (auto* calendar = dynamic_cast<MonthCalendar*>(&control)) {
    return std::make_unique<CalendarPeer>(*this, *calendar);
  }
  if (auto* edit = dynamic_cast<Edit*>(&control)) return std::make_unique<EditPeer>(*this, *edit);
  if (auto* timer = dynamic_cast<Timer*>(&control))
    return std::make_unique<TimerPeer>(*this, *timer);
  if (dynamic_cast<Label*>(&control) || dynamic_cast<SpeedButton*>(&control) ||
      dynamic_cast<Image*>(&control) || dynamic_cast<Bevel*>(&control)) {
    return std::make_unique<WindowlessPeer>(*this, control);
  }
  return nullptr;
}

PeerBase* Win32Backend::peerOf(const Control& control) const {
  auto it = peers_.find(&control);
  return it == peers_.end() ? nullptr : it->second;
}

HWND Win32Backend::applicationWindow() const {
  return appWindow_->hwnd();
}

HWND Win32Backend::windowOf(const Control& control) const {
  PeerBase* peer = peerOf(control);
  return peer ? peer->window() : nullptr;
}

void Win32Backend::setApplicationTitle(const std::string& title) {
  SetWindowTextW(applicationWindow(), widen(title).c_str());
}

void Win32Backend::showErrorBox(const std::string& title, const std::string& message) {
  if (errorSink_) {
    errorSink_(title, message);
    return;
  }
  HWND owner = GetActiveWindow();
  MessageBoxW(owner ? owner : applicationWindow(), widen(message).c_str(), widen(title).c_str(),
              MB_OK | MB_ICONERROR);
}

void Win32Backend::runMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::quitMessageLoop() {
  PostQuitMessage(0);
}

void Win32Backend::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Left for the message loop, which ends on it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Backend::hideFromTaskbar() {
  HWND app = applicationWindow();
  ShowWindow(app, SW_HIDE);
  SetWindowLongPtrW(app, GWL_EXSTYLE, GetWindowLongPtrW(app, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  // Shown again, at zero size: a visible tool window has no taskbar button and shows nothing.
  ShowWindow(app, SW_SHOW);
}

void Win32Backend::keepApplicationToolStyleOnly() {
  SetWindowLongPtrW(applicationWindow(), GWL_EXSTYLE, WS_EX_TOOLWINDOW);
}

Locale& Win32Backend::locale() {
  return *locale_;
}

DateTime Win32Backend::now() const {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {{st.wYear, st.wMonth, st.wDay}, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

Size Win32Backend::monitorSize(const Form& form) const {
  HWND hwnd = windowOf(form);
  HMONITOR monitor = hwnd ? MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)
                          : MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
}

void Win32Backend::playSystemSound(const std::string& name) {
  // A name the system has no sound for plays its default sound.
  PlaySoundW(widen(name).c_str(), nullptr, SND_ASYNC);
}

void Win32Backend::startProgram(const std::filesystem::path& program) {
  const std::wstring path = program.wstring();
  std::wstring commandLine = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    Handle thread(process.hThread);
    Handle started(process.hProcess);
  }
}

bool Win32Backend::acquire(const std::string& name) {
  // The handle is never closed: the lock is held until the process ends. An abandoned mutex, or
  // none at all, lets this instance run.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, widen(name).c_str());
  return WaitForSingleObject(mutex, 0) != WAIT_TIMEOUT;
}

void Win32Backend::seedFromClock() {
  const DateTime t = now();
  randomState_ = static_cast<unsigned long long>(daysFromCivil(t.date)) * 86400000ULL +
                 ((t.hour * 60ULL + t.minute) * 60ULL + t.second) * 1000ULL + t.millisecond;
}

int Win32Backend::next(int range) {
  if (range <= 0) return 0;
  randomState_ = randomState_ * 6364136223846793005ULL + 1442695040888963407ULL;
  return static_cast<int>((randomState_ >> 33) % static_cast<unsigned long long>(range));
}

bool Win32Backend::addTrayIcon(const TrayEntry& entry) const {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = entry.window;
  data.uID = static_cast<UINT>(entry.id);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = entry.message;
  data.hIcon = programIcon();
  // The basic record holds 64 characters of tip, the last one the terminating zero.
  const std::size_t n = std::min<std::size_t>(entry.tip.size(), 63);
  std::copy_n(entry.tip.begin(), n, data.szTip);
  data.szTip[n] = L'\0';
  return Shell_NotifyIconW(NIM_ADD, &data) != 0;
}

void Win32Backend::add(Form& owner, int id, const std::string& tip, unsigned callbackMessage) {
  std::erase_if(trayIcons_, [&](const TrayEntry& e) { return e.owner == &owner && e.id == id; });
  TrayEntry entry{&owner, windowOf(owner), id, widen(tip), callbackMessage};
  // Kept even when the notification area is missing now: it comes back with a new taskbar.
  addTrayIcon(entry);
  trayIcons_.push_back(std::move(entry));
}

void Win32Backend::remove(Form& owner, int id) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = windowOf(owner);
  data.uID = static_cast<UINT>(id);
  for (const TrayEntry& e : trayIcons_) {
    if (e.owner == &owner && e.id == id) data.hWnd = e.window;
  }
  Shell_NotifyIconW(NIM_DELETE, &data);
  std::erase_if(trayIcons_, [&](const TrayEntry& e) { return e.owner == &owner && e.id == id; });
}

bool Win32Backend::isTrayMessage(const Form& form, UINT msg) const {
  return std::any_of(trayIcons_.begin(), trayIcons_.end(),
                     [&](const TrayEntry& e) { return e.owner == &form && e.message == msg; });
}

void Win32Backend::removeTrayIcons(const Form& form) {
  std::vector<int> ids;
  for (const TrayEntry& e : trayIcons_) {
    if (e.owner == &form) ids.push_back(e.id);
  }
  for (int id : ids) remove(const_cast<Form&>(form), id);
}

void Win32Backend::restoreTrayIcons() {
  for (const TrayEntry& e : trayIcons_) addTrayIcon(e);
}

std::string Win32Backend::resource(const std::string& name) const {
  const std::wstring wide(name.begin(), name.end());
  HRSRC found = FindResourceW(nullptr, wide.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

std::filesystem::path Win32Backend::programFolder() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t cut = path.find_last_of(L"\\:");
  return std::filesystem::path(cut == std::wstring::npos ? std::wstring()
                                                         : path.substr(0, cut + 1));
}

std::unique_ptr<Win32Backend> makeWin32Backend() {
  return std::make_unique<Win32Backend>();
}

}  // namespace dorvena::platform::win32
