// The operating system services, and what a run of windows leaves behind.
#include "platform/win32/win32_backend.h"

// clang-format off
#include <windows.h>  // before every other system header
#include <winternl.h>
// clang-format on
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

#include "platform/case_fold.h"
#include "platform/date_picture.h"
#include "platform/win32/win32_locale.h"
#include "ui_fixture.h"

namespace dorvena::platform::win32 {
namespace {

TEST(Win32Locale, TurkishSettingsInTheAnsiCodePage) {
  ASSERT_EQ(GetACP(), 1254u) << "the tests run with a Turkish user locale";
  Win32Locale locale;
  const CaseFold expected = cp1254CaseFold();
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    EXPECT_EQ(locale.caseFold()[b], expected[b]) << "the system's capital";
  }
  EXPECT_EQ(locale.shortDatePicture(), "dd.MM.yyyy");
  EXPECT_EQ(locale.dateSeparator(), ".");
  const char* names[] = {"Pazar",
                         "Pazartesi",
                         "Sal\xFD",
                         "\xC7"
                         "ar\xFE"
                         "amba",
                         "Per\xFE"
                         "embe",
                         "Cuma",
                         "Cumartesi"};
  for (int day = 0; day < 7; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(locale.longDayName(day), names[day]);
  }
}

TEST(Win32Locale, SystemFormattingAgreesWithThePortableWriter) {
  Win32Locale locale;
  const char* pictures[] = {"dd.MM.yyyy", "d.M.yy",         "yyyy-MM-dd",
                            "M/d/yyyy",   "dd'.'MM'.'yyyy", "yy.MM.dd"};
  const Date dates[] = {{2026, 1, 5}, {1999, 12, 31}, {2000, 2, 29}, {2026, 12, 11}};
  for (const char* picture : pictures) {
    for (const Date& d : dates) {
      SCOPED_TRACE(std::string(picture) + " " + std::to_string(d.year) + "-" +
                   std::to_string(d.month) + "-" + std::to_string(d.day));
      EXPECT_EQ(locale.formatShortDate(d, picture), formatDatePicture(picture, d));
    }
  }
  SCOPED_TRACE("before the years the system writes");
  EXPECT_EQ(locale.formatShortDate({1500, 3, 4}, "dd.MM.yyyy"), "04.03.1500");
}

// Changes the user's short date format for one test and puts it back.
class ShortDateFormat {
 public:
  explicit ShortDateFormat(const wchar_t* picture) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_, 80);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, picture);
  }
  ~ShortDateFormat() { SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved_); }

 private:
  wchar_t saved_[80]{};
};

TEST_F(UiTest, RegionalSettingsAreReadAgainWhenTheSystemAnnouncesAChange) {
  const std::string before = backend.locale().shortDatePicture();
  ShortDateFormat changed(L"yyyy-MM-dd");
  EXPECT_EQ(backend.locale().shortDatePicture(), before)
      << "nothing is read before the announcement";
  SendMessageW(backend.applicationWindow(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
  EXPECT_EQ(backend.locale().shortDatePicture(), "yyyy-MM-dd");
}

TEST_F(UiTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring full(path, n);
  const std::wstring folder = backend.programFolder().wstring();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), L'\\');
  EXPECT_EQ(full.substr(0, folder.size()), folder);
  EXPECT_EQ(full.find(L'\\', folder.size()), std::wstring::npos);
}

TEST_F(UiTest, InstanceLockRefusesWhileAnotherHolderLives) {
  const std::string name = "dorvena-test-" + std::to_string(GetCurrentProcessId());
  HANDLE taken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE letGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Mutexes belong to threads: another thread stands in for another instance.
  std::thread other([&] {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, std::wstring(name.begin(), name.end()).c_str());
    SetEvent(taken);
    WaitForSingleObject(letGo, INFINITE);
    (void)mutex;  // ends without releasing it, like a killed instance
  });
  WaitForSingleObject(taken, INFINITE);
  EXPECT_FALSE(backend.acquire(name));
  SetEvent(letGo);
  other.join();
  EXPECT_TRUE(backend.acquire(name)) << "an abandoned lock is taken over";
  CloseHandle(taken);
  CloseHandle(letGo);
}

TEST_F(UiTest, MonitorSizeIsTheWholeScreenOfTheForm) {
  auto form = makeForm();
  EXPECT_EQ(backend.monitorSize(*form),
            (Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
}

TEST_F(UiTest, MissingProgramIsNoError) {
  backend.startProgram(backend.programFolder() / "no such banner.exe");
  EXPECT_TRUE(errors.empty());
}

// Live GDI objects of this process. Where the system does not count them (Wine), the shared
// handle table that the process can read tells the same.
int gdiObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
    return static_cast<int>(n);
  struct Entry {
    std::uint64_t object;
    std::uint16_t owner, count, unique;
    std::uint8_t type, flags;
    std::uint64_t user;
  };
  static_assert(sizeof(Entry) == 24);
  PROCESS_BASIC_INFORMATION info{};
  NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info),
                            nullptr);
  const auto* peb = reinterpret_cast<const unsigned char*>(info.PebBaseAddress);
  const auto* table = *reinterpret_cast<const Entry* const*>(peb + 0xF8);
  int live = 0;
  for (int i = 0; table && i < 0x10000; ++i) live += table[i].type != 0;
  return live;
}

// User objects of this process: where the system does not count them, its windows.
int userObjects() {
  if (const DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
    return static_cast<int>(n);
  int windows = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM p) -> BOOL {
        ++*reinterpret_cast<int*>(p);
        EnumChildWindows(
            hwnd,
            [](HWND, LPARAM q) -> BOOL {
              ++*reinterpret_cast<int*>(q);
              return TRUE;
            },
            p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Everything a form can hold but a month calendar, shown, shaped, hovered, pressed, painted and
// destroyed.
void formLifetime(Win32Backend& backend, Application& app) {
  Picture skin(40, 30, {235, 232, 181});
  skin.setPixel(0, 0, kWhite);
  auto picture = std::make_shared<const Picture>(skin);
  auto form = std::make_unique<Form>(app, "Form1");
  form->setBounds({50, 50, 260, 380});
  form->create();
  auto& image = form->add<Image>("Image1");
  image.setBounds({0, 0, 40, 30});
  image.setPicture(picture);
  image.transparent = true;
  auto& label = form->add<Label>("gun");
  label.autoSize = true;
  label.setCaption("Cumartesi");
  label.setFont({"Tahoma", 11, true, true, kBlue});
  auto& button = form->add<SpeedButton>("SpeedButton5");
  button.setBounds({10, 54, 46, 18});
  button.setCaption("Postit");
  button.glyph = picture;
  form->add<Bevel>("Bevel1", LineKind::Vertical).setBounds({57, 54, 1, 319});
  auto& list = form->add<CheckListBox>("CheckListBox1");
  list.setBounds({7, 72, 50, 285});
  list.setItems({"07:00", "08:00"});
  list.setChecked(1, true);
  auto& panel = form->add<Panel>("Panel1");
  panel.setBounds({7, 52, 243, 321});
  auto& memo = panel.add<Edit>("Memo1", true);
  memo.wordWrap = true;
  memo.setText("a\r\nb");
  panel.add<SpeedButton>("SpeedButton6").setCaption("&Tamam");
  form->add<Timer>("Timer1").setInterval(60000);
  form->setShape({{0, 1, 260}, {1, 0, 260}});
  form->show();
  HWND window = backend.windowOf(*form);
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(20, 60));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 60));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(20, 60));
  UpdateWindow(window);
  Snapshot{window};
  form->setBounds({50, 50, 300, 400});  // a new back buffer
  UpdateWindow(window);
  Snapshot{backend.windowOf(panel)};
  backend.processMessages();
}

TEST(GuiResources, StableAcrossRunsOfFormsAndPainting) {
  Win32Backend backend;
  Application app(backend);
  // Wine's month calendar keeps one font of its own for every font it is given, so calendars stay
  // out of the runs: the program makes one calendar in its lifetime.
  auto run = [&] {
    formLifetime(backend, app);
    backend.processMessages();
  };
  run();
  run();  // fonts and brushes are made once per value and kept
  const int gdi = gdiObjects();
  const int user = userObjects();
  for (int i = 0; i < 3; ++i) run();
  EXPECT_EQ(gdiObjects(), gdi);
  EXPECT_EQ(userObjects(), user);
}

}  // namespace
}  // namespace dorvena::platform::win32
