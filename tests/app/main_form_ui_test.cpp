// The main form on real windows, with the program's clock and folder set by the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::app {
namespace {
namespace fs = std::filesystem;

// The real backend, but for the clock, the program folder and the instance lock, so that a
// planner the user runs meanwhile does not stop the test's own.
class TestBackend : public platform::Backend,
                    public platform::Clock,
                    public platform::ProgramInfo,
                    public platform::InstanceLock {
 public:
  explicit TestBackend(fs::path folder) : folder_(std::move(folder)) {
    real.setErrorSink([this](const std::string&, const std::string& m) { errors.push_back(m); });
  }
  std::unique_ptr<platform::ControlPeer> attach(platform::Control& c) override {
    return real.attach(c);
  }
  void showErrorBox(const std::string& t, const std::string& m) override {
    real.showErrorBox(t, m);
  }
  void runMessageLoop() override { real.runMessageLoop(); }
  void quitMessageLoop() override { real.quitMessageLoop(); }
  void processMessages() override { real.processMessages(); }
  void hideFromTaskbar() override { real.hideFromTaskbar(); }
  void keepApplicationToolStyleOnly() override { real.keepApplicationToolStyleOnly(); }
  platform::Clock& clock() override { return *this; }
  platform::Locale& locale() override { return real.locale(); }
  platform::Screen& screen() override { return real.screen(); }
  platform::Sound& sound() override { return real.sound(); }
  platform::Launcher& launcher() override { return real.launcher(); }
  platform::InstanceLock& instanceLock() override { return *this; }
  platform::Random& random() override { return real.random(); }
  platform::TrayIcon& trayIcon() override { return real.trayIcon(); }
  platform::ProgramInfo& programInfo() override { return *this; }

  platform::DateTime now() const override { return time; }
  fs::path programFolder() const override { return folder_; }
  std::string resource(const std::string& name) const override { return real.resource(name); }
  bool acquire(const std::string&) override { return true; }

  platform::win32::Win32Backend real;
  platform::DateTime time{{2026, 12, 11}, 9, 30, 0, 0};
  std::vector<std::string> errors;

 private:
  fs::path folder_;
};

class MainFormUi : public ::testing::Test {
 protected:
  MainFormUi() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = fs::path(temp) / ("dorvena-ui-" + std::to_string(GetTickCount64()));
    fs::create_directories(folder_ / "otherfiles");
    os_ = std::make_unique<TestBackend>(folder_);
  }
  ~MainFormUi() override {
    program_.reset();
    os_.reset();
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  TForm1& start(const std::string& store) {
    std::ofstream(folder_ / "otherfiles" / "reminder.ini", std::ios::binary) << store;
    program_ = std::make_unique<Program>(*os_);
    if (!program_->start()) throw std::runtime_error("the planner did not start");
    os_->processMessages();
    return program_->form();
  }
  // A mouse click as the window of `on` receives it, at a point of its client area.
  void click(int x, int y) { click(program_->form(), x, y); }
  void click(const platform::Control& on, int x, int y) {
    const HWND w = os_->real.windowOf(on);
    SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    os_->processMessages();
  }
  void type(const platform::Control& box, const std::wstring& text) {
    const HWND w = os_->real.windowOf(box);
    for (const wchar_t c : text) SendMessageW(w, WM_CHAR, c, 1);
    os_->processMessages();
  }
  std::string storeBytes() const {
    std::ifstream in(folder_ / "otherfiles" / "reminder.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  std::unique_ptr<TestBackend> os_;
  std::unique_ptr<Program> program_;
  fs::path folder_;
};

TEST_F(MainFormUi, NextDayButtonShowsTomorrowsTitles) {
  TForm1& form = start(
      "pos.count=0\r\ntarih[11.12.2026].zaman[9].caption=Bug\xFCn\r\n"
      "tarih[12.12.2026].zaman[15].caption=Yar\xFDn\r\n");
  EXPECT_TRUE(IsWindowVisible(os_->real.windowOf(form)));
  EXPECT_EQ(form.sheet.row(9).caption(), "Bug\xFCn");
  click(238, 362);  // ">"
  EXPECT_EQ(form.sheet.label1.caption(), "12.12.2026");
  EXPECT_EQ(form.sheet.row(15).caption(), "Yar\xFDn");
  EXPECT_EQ(form.sheet.row(9).caption(), "");
  EXPECT_EQ(form.sheet.gun.caption(), "Cumartesi");
  click(218, 362);  // "<"
  EXPECT_EQ(form.sheet.row(9).caption(), "Bug\xFCn");
  EXPECT_TRUE(os_->errors.empty());
}

TEST_F(MainFormUi, WithoutATitleTodayTheWindowStaysHidden) {
  TForm1& form = start("pos.count=0\r\ntarih[11.12.2026].zaman[9].chk=1\r\n");
  EXPECT_FALSE(IsWindowVisible(os_->real.windowOf(form)));
  EXPECT_TRUE(form.sheet.CheckListBox1.checked(2));
}

TEST_F(MainFormUi, ARowOpensTheEditorAndTamamSavesWhatWasTyped) {
  TForm1& form = start("pos.count=0\r\ntarih[11.12.2026].zaman[10].caption=Eski\r\n");
  click(100, 131 + 8);  // the 10:00 row
  ASSERT_TRUE(IsWindowVisible(os_->real.windowOf(form.editor.Panel1)));
  EXPECT_EQ(form.editor.Edit1.text(), "Eski");
  SetWindowTextW(os_->real.windowOf(form.editor.Edit1), L"");
  type(form.editor.Edit1, L"Di\u015F\u00E7i");
  type(form.editor.Memo1, L"bir\riki");
  click(form.editor.Panel1, 176 + 24, 298 + 10);  // "&Tamam"
  EXPECT_FALSE(IsWindowVisible(os_->real.windowOf(form.editor.Panel1)));
  EXPECT_EQ(storeBytes(),
            "pos.count=0\r\ntarih[11.12.2026].zaman[10].caption=Di\xFE\xE7i\r\n"
            "tarih[11.12.2026].zaman[10].description=bir\x04\x05iki\r\n");
  EXPECT_EQ(form.sheet.row(10).caption(), "Di\xFE\xE7i");
  EXPECT_TRUE(os_->errors.empty());
}

TEST_F(MainFormUi, ClicksOnACheckBoxMarkAndClearTheSlot) {
  TForm1& form = start("pos.count=0\r\n");
  click(form.sheet.CheckListBox1, 7, 3 * 19 + 9);  // the box of 10:00
  EXPECT_EQ(storeBytes(), "pos.count=0\r\ntarih[11.12.2026].zaman[10].chk=1\r\n");
  click(form.sheet.CheckListBox1, 7, 3 * 19 + 9);
  EXPECT_EQ(storeBytes(), "pos.count=0\r\ntarih[11.12.2026].zaman[10].chk=0\r\n");
  EXPECT_TRUE(os_->errors.empty());
}

TEST_F(MainFormUi, TheTimerRaisesADueEntryAndBringsTheHiddenWindowBack) {
  os_->time = {{2026, 12, 11}, 9, 59, 59, 800};
  TForm1& form = start("pos.count=0\r\ntarih[11.12.2026].zaman[10].caption=Di\xFE\xE7i\r\n");
  form.hide();
  os_->processMessages();
  const HWND main = os_->real.windowOf(form);
  ASSERT_FALSE(IsWindowVisible(main));
  os_->time = {{2026, 12, 11}, 10, 0, 0, 300};
  for (int waited = 0; waited < 5000 && !IsWindowVisible(main); waited += 10) {
    Sleep(10);
    os_->processMessages();
  }
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_TRUE(IsWindowVisible(os_->real.windowOf(form.editor.Panel1)));
  EXPECT_EQ(form.editor.Edit1.text(), "Di\xFE\xE7i");
  EXPECT_EQ(form.clock.Label3.caption(), "345");
  EXPECT_TRUE(os_->errors.empty());
}

}  // namespace
}  // namespace dorvena::app
