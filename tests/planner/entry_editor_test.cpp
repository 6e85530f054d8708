#include "planner/entry_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/headless_planner.h"

namespace dorvena::planner {
namespace {

using ::testing::ElementsAre;
using testing::HeadlessPlanner;

// The planner with its editor, counting the store's saves and able to make them fail.
struct EditorSession {
  void start(const std::string& store = "pos.count=0\r\n") {
    p.writeStore(store);
    app::TForm1& form = p.start();
    sheet = &form.sheet;
    editor = &form.editor;
    sheet->clockCheck = editor->clockCheck = [this] { ++clockChecks; };
    faults.fail = [this](platform::SaveStep step, std::size_t) {
      if (step == platform::SaveStep::CreateTemp) ++saves;
      return step == failing;
    };
    form.reminders.setSaveFaults(&faults);
  }
  void open(int hour) { sheet->row(hour).userClick(); }
  std::vector<std::string> storeLines() { return p.form().reminders.lines(); }

  HeadlessPlanner p;
  DaySheet* sheet = nullptr;
  EntryEditor* editor = nullptr;
  int clockChecks = 0;
  int saves = 0;
  platform::SaveFaults faults;
  std::optional<platform::SaveStep> failing;
};

class EntryEditorTest : public ::testing::Test, public EditorSession {};

TEST_F(EntryEditorTest, OpeningASlotFillsTheBoxesShowsThePanelAndPlaysTheSound) {
  start(
      "tarih[11.12.2026].zaman[10].caption=Di\xFE\xE7i\r\n"
      "tarih[11.12.2026].zaman[10].description=sat\xFDr 1\x04\x05sat\xFDr 2\r\n");
  sheet->label1.userClick();  // the calendar is open and stays so
  open(10);
  EXPECT_EQ(editor->selectedhour(), "10");
  EXPECT_EQ(editor->Edit1.text(), "Di\xFE\xE7i");
  EXPECT_EQ(editor->Memo1.text(), "sat\xFDr 1\r\nsat\xFDr 2");
  EXPECT_TRUE(editor->Panel1.visible());
  EXPECT_TRUE(sheet->MonthCalendar1.visible());
  EXPECT_THAT(p.os.sounds, ElementsAre("ASTERISK"));

  editor->Edit1.setText("unsaved");
  sheet->row(9).userDoubleClick();  // an empty slot: two runs, two sounds, empty boxes
  EXPECT_EQ(editor->selectedhour(), "9");
  EXPECT_EQ(editor->Edit1.text(), "");
  EXPECT_EQ(editor->Memo1.text(), "");
  EXPECT_EQ(p.os.sounds.size(), 3u);
  EXPECT_EQ(saves, 0);
}

TEST_F(EntryEditorTest, TamamWritesTheSlotAndSilRemovesItKeepingTheDoneMark) {
  struct Row {
    const char* why;
    const char* title;
    const char* description;
    bool sil;
    std::vector<std::string> lines;
    const char* row;
  };
  const std::string chk = "tarih[11.12.2026].zaman[10].chk=1";
  const std::string caption = "tarih[11.12.2026].zaman[10].caption=";
  const std::string description = "tarih[11.12.2026].zaman[10].description=";
  const Row rows[] = {
      {"title and two lines",
       "Di\xFE\xE7i",
       "a\r\nb",
       false,
       {"pos.count=0", chk, caption + "Di\xFE\xE7i",
        description + "a\x04\x05"
                      "b"},
       "Di\xFE\xE7i"},
      {"blank title is a title", " ", "", false, {"pos.count=0", chk, caption + " "}, " "},
      {"description only", "", "x", false, {"pos.count=0", chk, description + "x"}, ""},
      {"both empty ends as sil", "", "", false, {"pos.count=0", chk}, ""},
      {"sil", "ignored", "ignored", true, {"pos.count=0", chk}, ""},
      {"pasted line break in a title",
       "a\r\nb",
       "",
       false,
       {"pos.count=0", chk, caption + "a  b"},
       "a  b"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    EditorSession s;
    s.start("pos.count=0\r\n" + chk + "\r\n" + caption + "old\r\n" + description + "old\r\n");
    s.open(10);
    s.editor->Edit1.setText(row.title);
    s.editor->Memo1.setText(row.description);
    (row.sil ? s.editor->SpeedButton7 : s.editor->SpeedButton6).userClick();
    EXPECT_EQ(s.storeLines(), row.lines);
    EXPECT_EQ(s.saves, 1);
    EXPECT_EQ(s.clockChecks, 1);
    EXPECT_FALSE(s.editor->Panel1.visible());
    EXPECT_EQ(s.sheet->row(10).caption(), row.row);
    EXPECT_TRUE(s.sheet->CheckListBox1.checked(3));
    EXPECT_TRUE(s.p.os.errorBoxes.empty());
  }
}

TEST_F(EntryEditorTest, ADescriptionComesBackLineForLineAfterARestart) {
  start();
  open(14);
  editor->Edit1.setText("Plan");
  editor->Memo1.setText("bir\niki\r\n\r\n\xFC\xE7");
  editor->SpeedButton6.userClick();
  const std::string bytes = p.storeBytes();
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 3);  // three lines, no more

  p.program.reset();
  p.start();
  p.form().sheet.row(14).userClick();
  EXPECT_EQ(p.form().editor.Memo1.text(), "bir\r\niki\r\n\r\n\xFC\xE7");
}

TEST_F(EntryEditorTest, AStoredLoneLineFeedShowsAsABreakAndIsSavedAsCrLf) {
  start(
      "tarih[11.12.2026].zaman[7].description=a\x05"
      "b\r\n");
  open(7);
  EXPECT_EQ(editor->Memo1.text(), "a\r\nb");
  editor->SpeedButton6.userClick();
  EXPECT_THAT(storeLines(), ElementsAre("tarih[11.12.2026].zaman[7].description=a\x04\x05"
                                        "b"));
}

TEST_F(EntryEditorTest, DoneMarksAreWrittenForEveryItemWithTheirSaves) {
  start("tarih[11.12.2026].zaman[8].chk=1\r\ntarih[11.12.2026].zaman[12].chk=1\r\n");
  const auto chk = [](int h) { return "tarih[11.12.2026].zaman[" + std::to_string(h) + "].chk="; };
  sheet->CheckListBox1.userToggle(10 - 7);
  EXPECT_EQ(saves, 3);
  EXPECT_THAT(storeLines(), ElementsAre(chk(8) + "1", chk(12) + "1", chk(10) + "1"));

  saves = 0;
  sheet->CheckListBox1.userToggle(10 - 7);
  EXPECT_EQ(saves, 3);
  EXPECT_THAT(storeLines(), ElementsAre(chk(8) + "1", chk(12) + "1", chk(10) + "0"));

  saves = 0;
  sheet->CheckListBox1.userToggle(8 - 7);  // clears 8; 12 stays marked; 10 is "0" already
  EXPECT_EQ(saves, 2);
  EXPECT_THAT(storeLines(), ElementsAre(chk(8) + "0", chk(12) + "1", chk(10) + "0"));
  EXPECT_EQ(clockChecks, 0);
}

TEST_F(EntryEditorTest, AFailedSaveKeepsThePanelOpenAndLosesNothing) {
  start("pos.count=0\r\ntarih[11.12.2026].zaman[10].caption=Eski\r\n");
  const std::string before = p.storeBytes();
  open(10);
  editor->Edit1.setText("Yeni");
  failing = platform::SaveStep::Replace;
  editor->SpeedButton6.userClick();
  ASSERT_EQ(p.os.errorBoxes.size(), 1u);
  EXPECT_EQ(p.os.errorBoxes[0].second,
            "Cannot create file " + platform::pathText(p.storeFile()) + ".");
  EXPECT_TRUE(editor->Panel1.visible());
  EXPECT_EQ(sheet->row(10).caption(), "Eski");  // no reload
  EXPECT_EQ(clockChecks, 0);
  EXPECT_EQ(p.storeBytes(), before);
  EXPECT_EQ(p.form().reminders.read("tarih[11.12.2026].zaman[10].caption"), "Yeni");

  failing.reset();
  sheet->CheckListBox1.userToggle(0);  // any later save writes the change too
  EXPECT_NE(p.storeBytes().find("caption=Yeni"), std::string::npos);
}

TEST_F(EntryEditorTest, KeysUseTheDateOnTheDateButtonAtTheMomentOfTheOperation) {
  start();
  open(9);
  editor->Edit1.setText("Yar\xFDn");
  sheet->SpeedButton4.userClick();
  editor->SpeedButton6.userClick();
  sheet->CheckListBox1.userToggle(0);
  EXPECT_THAT(storeLines(),
              ElementsAre("pos.count=0", "tarih[12.12.2026].zaman[9].caption=Yar\xFDn",
                          "tarih[12.12.2026].zaman[7].chk=1"));
}

}  // namespace
}  // namespace dorvena::planner
