#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/date_time.h"
#include "platform/geometry.h"
#include "platform/picture.h"

namespace dorvena::platform {

class Application;
class Form;
class Control;

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
  MouseButton button = MouseButton::Left;  // the button pressed (mouse-down)
  bool leftHeld = false;                   // held during the event (mouse-move)
  int x = 0;                               // in the control's own coordinates
  int y = 0;
};

enum class Cursor { Default, Arrow, Hand };

struct Font {
  std::string name = "Tahoma";
  int height = 11;  // character height in pixels
  bool bold = false;
  bool underline = false;
  Color color = kBlack;
  friend bool operator==(const Font&, const Font&) = default;
};

using Handler = std::function<void(Control& sender)>;
using MouseHandler = std::function<void(Control& sender, const MouseEvent&)>;

// A control holds its whole state; the backend's peer mirrors it. Changes made from code never
// run the user's handlers: only the user* calls (from the peer or a test acting as the user) do,
// and they run them through the application's dispatch, which reports errors.
class Control {
 public:
  Control(Control* parent, std::string name, std::string className);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  const std::string& className() const { return className_; }
  Control* parent() const { return parent_; }
  Form& form();
  const Form& form() const;
  Application& app() const { return *app_; }
  const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
  // Windowed controls are real child windows; the others are painted by their container.
  virtual bool windowed() const { return false; }

  // Creates a child control, attached to the backend once it is whole.
  template <class T, class... Args>
  T& add(std::string name, Args&&... args) {
    auto child = std::make_unique<T>(this, std::move(name), std::forward<Args>(args)...);
    T& ref = *child;
    children_.push_back(std::move(child));
    ref.attachPeer();
    return ref;
  }

  // A child at its place in the layout.
  template <class T, class... Args>
  T& place(std::string name, const Rect& bounds, Args&&... args) {
    T& child = add<T>(std::move(name), std::forward<Args>(args)...);
    child.setBounds(bounds);
    return child;
  }

  const Rect& bounds() const { return bounds_; }
  void setBounds(const Rect& r);
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
  void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
  void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
  void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

  bool visible() const { return visible_; }
  void setVisible(bool v);
  // Visible itself and all its parents: what the user can see and reach.
  bool showing() const;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string text);
  const Font& font() const { return font_; }
  void setFont(const Font& f);
  void setFontColor(Color c);
  Color color() const { return color_; }
  void setColor(Color c);
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor c) { cursor_ = c; }

  Handler onClick;
  Handler onDblClick;
  Handler onExit;
  MouseHandler onMouseDown;
  MouseHandler onMouseMove;

  // The user's actions; the Win32 peers call these too.
  void userClick();
  void userDoubleClick();  // a click, then the double click, as the system reports them
  void userMouseDown(const MouseEvent& e);
  void userMouseMove(const MouseEvent& e);

  ControlPeer* peer() const { return peer_.get(); }
  void attachPeer();

 protected:
  void notify(ControlPeer::Change what) {
    if (peer_) peer_->changed(what);
  }
  void dispatch(const Handler& handler);

 private:
  Control* parent_;
  Application* app_;
  std::string name_;
  std::string className_;
  std::vector<std::unique_ptr<Control>> children_;
  std::unique_ptr<ControlPeer> peer_;
  Rect bounds_;
  bool visible_ = true;
  std::string caption_;
  Font font_;
  Color color_ = kButtonFace;
  Cursor cursor_ = Cursor::Default;

  friend class Form;
  Control(Application& app, std::string name, std::string className);
};

enum class Alignment { Left, Right };

class Label : public Control {
 public:
  Label(Control* parent, std::string name) : Control(parent, std::move(name), "TLabel") {}
  // Sized to its text by whoever draws it; a right-aligned one keeps its right edge there.
  bool autoSize = false;
  Alignment alignment = Alignment::Left;
  bool transparent = true;
};

class SpeedButton : public Control {
 public:
  SpeedButton(Control* parent, std::string name)
      : Control(parent, std::move(name), "TSpeedButton") {}
  bool flat = true;
  // Flat buttons show what lies under them, as the skin does under the planner's buttons.
  bool transparent = true;
  // A picture left of the caption; pixels of `glyphTransparent` are not drawn.
  std::shared_ptr<const Picture> glyph;
  Color glyphTransparent = kRed;
};

class Image : public Control {
 public:
  Image(Control* parent, std::string name) : Control(parent, std::move(name), "TImage") {}
  const std::shared_ptr<const Picture>& picture() const { return picture_; }
  void setPicture(std::shared_ptr<const Picture> p);
  bool transparent = false;  // pure white not drawn
  bool center = false;

 private:
  std::shared_ptr<const Picture> picture_;
};

enum class LineKind { Vertical, Horizontal };

class Bevel : public Control {
 public:
  Bevel(Control* parent, std::string name, LineKind kind)
      : Control(parent, std::move(name), "TBevel"), kind(kind) {}
  LineKind kind;
};

class CheckListBox : public Control {
 public:
  CheckListBox(Control* parent, std::string name)
      : Control(parent, std::move(name), "TCheckListBox") {}
  bool windowed() const override { return true; }

  void setItems(std::vector<std::string> items);
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  bool checked(int index) const { return checked_.at(static_cast<std::size_t>(index)); }
  void setChecked(int index, bool value);  // from code: no event
  int itemHeight = 19;

  Handler onClickCheck;
  // The user toggles an item by mouse or keyboard.
  void userToggle(int index);

 private:
  std::vector<std::string> items_;
  std::vector<bool> checked_;
};

class MonthCalendar : public Control {
 public:
  MonthCalendar(Control* parent, std::string name)
      : Control(parent, std::move(name), "TMonthCalendar") {}
  bool windowed() const override { return true; }
  const Date& date() const { return date_; }
  void setDate(const Date& d);  // from code: no event
  // The user picks a day: the date changes, then the click handler runs.
  void userPick(const Date& d);
  // The peer reports a change the user made without a click (keyboard); no handler runs.
  void syncDate(const Date& d) { date_ = d; }

 private:
  Date date_;
};

class Panel : public Control {
 public:
  Panel(Control* parent, std::string name) : Control(parent, std::move(name), "TPanel") {}
  bool windowed() const override { return true; }
};

class Edit : public Control {
 public:
  Edit(Control* parent, std::string name, bool multiLine = false)
      : Control(parent, std::move(name), multiLine ? "TMemo" : "TEdit"), multiLine_(multiLine) {}
  bool windowed() const override { return true; }
  bool multiLine() const { return multiLine_; }
  // Lines joined by CR LF, no break after the last line.
  std::string text() const;
  // A multi-line box turns every lone CR or LF into CR LF; a single-line box keeps one line.
  void setText(std::string_view text);
  void clear() { setText({}); }
  bool wordWrap = false;
  bool border = false;
  void setFocus();
  // The peer reports typing so the model stays the truth for headless reads.
  void syncText(std::string text) { text_ = std::move(text); }

 private:
  bool multiLine_;
  std::string text_;
};
using Memo = Edit;

class Timer : public Control {
 public:
  Timer(Control* parent, std::string name) : Control(parent, std::move(name), "TTimer") {
    setVisible(false);
  }
  unsigned interval() const { return interval_; }
  void setInterval(unsigned ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool e);
  Handler onTimer;
  void fire();  // a tick, as the message loop delivers it

 private:
  unsigned interval_ = 1000;
  bool enabled_ = true;
};

class Form : public Control {
 public:
  Form(Application& app, std::string name, std::string className = "TForm");
  ~Form() override;
  bool windowed() const override { return true; }

  // Settings read when the peer is created.
  bool topMost = false;
  bool frameless = true;
  Control* owner = nullptr;

  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  void close() { setVisible(false); }
  void bringToFront();
  // The window's outline; none means the full rectangle.
  void setShape(std::vector<Span> spans);
  const std::vector<Span>* shape() const { return hasShape_ ? &shape_ : nullptr; }

  Handler onDeactivate;
  std::function<void(unsigned long wParam, unsigned long lParam)> onTrayMessage;
  // Another window of the program takes the focus from this one.
  void userDeactivate();
  // Finishes creation: attaches the window. Call after the settings above are made.
  void create() { attachPeer(); }

 private:
  std::vector<Span> shape_;
  bool hasShape_ = false;
};

// Looks a control up by name among the descendants of `root` (depth first), or nullptr.
Control* findControl(Control& root, std::string_view name);

}  // namespace dorvena::platform
