#include "notes/note_records.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/headless_planner.h"

namespace dorvena::notes {
namespace {

using ::testing::ElementsAre;
using testing::HeadlessPlanner;

class NoteRecordsTest : public ::testing::Test {
 protected:
  NoteRecords& start(const std::string& store) {
    p.writeStore(store);
    return p.start().notes;
  }
  NoteRecords& restart() {
    p.program.reset();
    return p.start().notes;
  }
  std::vector<std::string> lines() { return p.form().reminders.lines(); }
  platform::Form& window(int note) { return *p.form().notes.postittable[note].window; }
  platform::Memo& text(int note) { return *p.form().notes.postittable[note].text; }
  platform::Control& button(int note, const char* name) {
    return *platform::findControl(window(note), name);
  }
  std::vector<int> shown() {
    std::vector<int> notes;
    for (int n = 1; n <= 300; ++n) {
      if (const NoteSlots* s = p.form().notes.postittable.find(n); s && s->window->visible())
        notes.push_back(n);
    }
    return notes;
  }
  HeadlessPlanner p;
};

TEST_F(NoteRecordsTest, ANewNoteTakesTheNextNumberAndARandomPlaceOnTheMonitor) {
  NoteRecords& notes = start("pos.count=0\r\n");
  p.os.monitor = {1280, 1024};
  notes.SpeedButton5.userClick();
  const auto l = lines();
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0], "pos.count=1");
  ASSERT_EQ(l[1].rfind("pos.X[1]=", 0), 0u);
  ASSERT_EQ(l[2].rfind("pos.Y[1]=", 0), 0u);
  const int x = std::stoi(l[1].substr(9));
  const int y = std::stoi(l[2].substr(9));
  EXPECT_TRUE(x >= 0 && x < 1280 - 100) << x;
  EXPECT_TRUE(y >= 0 && y < 1024 - 100) << y;
  EXPECT_EQ(p.storeBytes(), "pos.count=1\r\n" + l[1] + "\r\n" + l[2] + "\r\n");
  EXPECT_TRUE(window(1).visible());
  EXPECT_EQ(window(1).name(), "posform1");
  EXPECT_EQ(window(1).caption(), "1");
  EXPECT_EQ(window(1).bounds(), (platform::Rect{x, y, 80, 104}));
  EXPECT_EQ(text(1).text(), "");
  EXPECT_EQ(p.program->app().focused(), &text(1));
}

TEST_F(NoteRecordsTest, CloseSavesTextAndPlaceAndTheNoteComesBack) {
  start("pos.count=0\r\n");
  p.form().notes.SpeedButton5.userClick();
  text(1).setText("s\xFCt al\r\n  ekmek  ");
  window(1).setBounds({-20, -5, 80, 104});
  button(1, "close").userClick();
  EXPECT_FALSE(window(1).visible());
  EXPECT_THAT(lines(), ElementsAre("pos.count=1", "pos.X[1]=-20", "pos.Y[1]=-5",
                                   "pos.msg[1]=s\xFCt al\x04\x05  ekmek  "));
  restart();
  EXPECT_THAT(shown(), ElementsAre(1));
  EXPECT_EQ(text(1).text(), "s\xFCt al\r\n  ekmek  ");
  EXPECT_EQ(window(1).left(), -20);
  EXPECT_EQ(window(1).top(), -5);
}

TEST_F(NoteRecordsTest, EmptyNotesKeepTheirOldMessageOrNone) {
  start("pos.count=1\r\npos.msg[1]=eski\r\npos.X[1]=10\r\npos.Y[1]=20\r\n");
  text(1).setText("");
  button(1, "close").userClick();
  EXPECT_EQ(p.form().reminders.read("pos.msg[1]"), "eski");

  p.form().notes.SpeedButton5.userClick();  // note 2, closed without text
  button(2, "close").userClick();
  EXPECT_EQ(p.form().reminders.read("pos.msg[2]"), "");
  restart();
  EXPECT_THAT(shown(), ElementsAre(1));
  p.form().notes.SpeedButton5.userClick();
  EXPECT_EQ(p.form().reminders.read("pos.count"), "3");
}

TEST_F(NoteRecordsTest, DeleteMarksTheNoteAndItNeverComesBack) {
  start("pos.count=2\r\npos.msg[2]=not\r\npos.X[2]=300\r\npos.Y[2]=400\r\n");
  button(2, "delete").userClick();
  EXPECT_FALSE(window(2).visible());
  EXPECT_EQ(text(2).text(), " ");
  EXPECT_THAT(lines(), ElementsAre("pos.count=2", "pos.msg[2]= ", "pos.X[2]=0", "pos.Y[2]=0"));
  restart();
  EXPECT_TRUE(shown().empty());
}

TEST_F(NoteRecordsTest, RestoreShowsTheLiveMessagesUpToTheCount) {
  struct Row {
    const char* why;
    std::string store;
    std::vector<int> shown;
  };
  const std::string pos =
      "pos.X[1]=1\r\npos.Y[1]=1\r\npos.X[2]=2\r\npos.Y[2]=2\r\npos.X[3]=3\r\npos.Y[3]=3\r\n";
  const Row rows[] = {
      {"1 and 3 of 3", "pos.count=3\r\npos.msg[1]=a\r\npos.msg[3]=c\r\n" + pos, {1, 3}},
      {"count 0", "pos.count=0\r\npos.msg[1]=a\r\n" + pos, {}},
      {"negative count", "pos.count=-2\r\npos.msg[1]=a\r\n" + pos, {}},
      {"beyond the count", "pos.count=2\r\npos.msg[3]=c\r\n" + pos, {}},
      {"blanks, tabs, breaks", "pos.count=1\r\npos.msg[1]= \t\x04\x05 \r\n" + pos, {}},
      {"blanks around a word", "pos.count=1\r\npos.msg[1]=  x  \r\n" + pos, {1}},
      {"a bad place stops the restore",
       "pos.count=3\r\npos.msg[1]=a\r\npos.msg[2]=b\r\npos.msg[3]=c\r\n"
       "pos.X[1]=1\r\npos.Y[1]=1\r\npos.X[2]=abc\r\npos.Y[2]=2\r\npos.X[3]=3\r\npos.Y[3]=3\r\n",
       {1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.why);
    HeadlessPlanner fresh;
    fresh.writeStore(row.store);
    NoteRecords& notes = fresh.start().notes;
    std::vector<int> visible;
    for (int n = 1; n <= 3; ++n) {
      if (const NoteSlots* s = notes.postittable.find(n); s && s->window->visible())
        visible.push_back(n);
    }
    EXPECT_EQ(visible, row.shown);
  }
}

TEST_F(NoteRecordsTest, ErrorsOfTheRestoreAndOfANewNote) {
  start("pos.count=2\r\npos.msg[1]=a\r\npos.X[1]=abc\r\npos.Y[1]=1\r\n");
  ASSERT_EQ(p.os.errorBoxes.size(), 1u);
  EXPECT_EQ(p.os.errorBoxes[0].second, "'abc' is not a valid integer value.");
  EXPECT_EQ(window(1).caption(), "1");  // named and titled, never shown
  EXPECT_FALSE(window(1).visible());

  // A save that fails: no window, but the raised count stays for the next note.
  platform::SaveFaults faults;
  faults.fail = [](platform::SaveStep step, std::size_t) {
    return step == platform::SaveStep::Replace;
  };
  p.form().reminders.setSaveFaults(&faults);
  p.form().notes.SpeedButton5.userClick();
  EXPECT_EQ(p.os.errorBoxes.size(), 2u);
  EXPECT_EQ(p.form().notes.postittable.find(3), nullptr);
  p.form().reminders.setSaveFaults(nullptr);
  p.form().notes.SpeedButton5.userClick();
  EXPECT_EQ(p.form().reminders.read("pos.count"), "4");
  EXPECT_TRUE(window(4).visible());

  p.form().reminders.write("pos.count", "x");
  p.form().notes.SpeedButton5.userClick();
  EXPECT_EQ(p.os.errorBoxes.back().second, "'x' is not a valid integer value.");
}

TEST_F(NoteRecordsTest, LeavingANoteForAnotherWindowOfTheProgramSavesIt) {
  start("pos.count=0\r\n");
  p.form().notes.SpeedButton5.userClick();
  text(1).setText("yaz\xFDld\xFD");
  window(1).setBounds({50, 60, 80, 104});
  p.program->app().userFocus(p.form().sheet.CheckListBox1);
  EXPECT_EQ(p.form().reminders.read("pos.msg[1]"), "yaz\xFDld\xFD");
  EXPECT_EQ(p.form().reminders.read("pos.X[1]"), "50");
  EXPECT_TRUE(window(1).visible());

  // A new note takes the focus from note 1, whose text is saved once more.
  text(1).setText("yeni");
  p.program->app().userFocus(text(1));
  p.form().notes.SpeedButton5.userClick();
  EXPECT_EQ(p.form().reminders.read("pos.msg[1]"), "yeni");
}

TEST_F(NoteRecordsTest, NotesBeyondAHundredKeepTheirOwnWindowsAndBoxes) {
  std::string store = "pos.count=250\r\n";
  for (int n : {100, 101, 250}) {
    const std::string s = std::to_string(n);
    store += "pos.msg[" + s + "]=not " + s + "\r\npos.X[" + s + "]=" + s + "\r\npos.Y[" + s +
             "]=" + s + "\r\n";
  }
  start(store);
  EXPECT_THAT(shown(), ElementsAre(100, 101, 250));
  for (int n : {100, 101, 250}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(window(n).caption(), std::to_string(n));
    EXPECT_EQ(text(n).text(), "not " + std::to_string(n));
    EXPECT_EQ(window(n).left(), n);
  }
  text(101).setText("y\xFCz bir");
  button(101, "close").userClick();
  EXPECT_EQ(p.form().reminders.read("pos.msg[101]"), "y\xFCz bir");
  EXPECT_EQ(p.form().reminders.read("pos.msg[100]"), "not 100");
  EXPECT_TRUE(window(100).visible());
  p.form().notes.SpeedButton5.userClick();
  EXPECT_TRUE(window(251).visible());
}

TEST_F(NoteRecordsTest, DraggingTheTextBoxMovesTheNote) {
  start("pos.count=1\r\npos.msg[1]=a\r\npos.X[1]=100\r\npos.Y[1]=100\r\n");
  text(1).userMouseDown({platform::MouseButton::Right, false, 10, 10});
  text(1).userMouseMove({platform::MouseButton::Right, false, 30, 30});
  EXPECT_EQ(window(1).left(), 100);
  text(1).userMouseDown({platform::MouseButton::Left, true, 10, 10});
  text(1).userMouseMove({platform::MouseButton::Left, true, 30, 5});
  EXPECT_EQ(window(1).bounds(), (platform::Rect{120, 95, 80, 104}));
  EXPECT_EQ(p.form().reminders.read("pos.X[1]"), "100");  // a drag saves nothing
}

}  // namespace
}  // namespace dorvena::notes
