#include "platform/controls.h"

#include "platform/application.h"

namespace dorvena::platform {

using Change = ControlPeer::Change;

Control::Control(Control* parent, std::string name, std::string className)
    : parent_(parent),
      app_(&parent->app()),
      name_(std::move(name)),
      className_(std::move(className)),
      font_(parent->font()) {}

Control::Control(Application& app, std::string name, std::string className)
    : parent_(nullptr), app_(&app), name_(std::move(name)), className_(std::move(className)) {}

Control::~Control() {
  // Children and the peer go first, while this control is still whole.
  children_.clear();
  peer_.reset();
  app_->forget(*this);
}

Form& Control::form() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return static_cast<Form&>(*c);
}

const Form& Control::form() const {
  return const_cast<Control*>(this)->form();
}

void Control::attachPeer() {
  peer_ = app_->backend().attach(*this);
}

void Control::setBounds(const Rect& r) {
  if (r == bounds_) return;
  bounds_ = r;
  notify(Change::Bounds);
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  notify(Change::Visible);
}

bool Control::showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void Control::setCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  notify(Change::Caption);
}

void Control::setFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  notify(Change::Font);
}

void Control::setFontColor(Color c) {
  if (c == font_.color) return;
  font_.color = c;
  notify(Change::Font);
}

void Control::setColor(Color c) {
  if (c == color_) return;
  color_ = c;
  notify(Change::Color);
}

void Control::dispatch(const Handler& handler) {
  if (handler) app_->dispatch([&] { handler(*this); });
}

void Control::userClick() {
  dispatch(onClick);
}

void Control::userDoubleClick() {
  dispatch(onClick);
  dispatch(onDblClick);
}

void Control::userMouseDown(const MouseEvent& e) {
  if (onMouseDown) app_->dispatch([&] { onMouseDown(*this, e); });
}

void Control::userMouseMove(const MouseEvent& e) {
  if (onMouseMove) app_->dispatch([&] { onMouseMove(*this, e); });
}

void Image::setPicture(std::shared_ptr<const Picture> p) {
  picture_ = std::move(p);
  notify(Change::Picture);
}

void CheckListBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  checked_.assign(items_.size(), false);
  notify(Change::Items);
}

void CheckListBox::setChecked(int index, bool value) {
  auto ref = checked_.at(static_cast<std::size_t>(index));
  if (ref == value) return;
  ref = value;
  notify(Change::Checked);
}

void CheckListBox::userToggle(int index) {
  if (index < 0 || index >= count()) return;
  auto ref = checked_[static_cast<std::size_t>(index)];
  ref = !ref;
  notify(Change::Checked);
  dispatch(onClickCheck);
}

void MonthCalendar::setDate(const Date& d) {
  if (d == date_) return;
  date_ = d;
  notify(Change::Date);
}

void MonthCalendar::userPick(const Date& d) {
  setDate(d);
  dispatch(onClick);
}

std::string Edit::text() const {
  if (auto* p = peer()) {
    std::string live;
    if (p->readText(live)) return live;
  }
  return text_;
}

void Edit::setText(std::string_view text) {
  std::string normal;
  normal.reserve(text.size());
  if (multiLine_) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '\r' || c == '\n') {
        normal += "\r\n";
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      } else {
        normal += c;
      }
    }
  } else {
    normal.assign(text);
  }
  text_ = std::move(normal);
  notify(Change::Text);
}

void Edit::setFocus() {
  notify(Change::Focus);
  app().userFocus(*this);
}

void Timer::setInterval(unsigned ms) {
  interval_ = ms;
  notify(Change::Timer);
}

void Timer::setEnabled(bool e) {
  enabled_ = e;
  notify(Change::Timer);
}

void Timer::fire() {
  if (enabled_) dispatch(onTimer);
}

Form::Form(Application& app, std::string name, std::string className)
    : Control(app, std::move(name), std::move(className)) {
  setVisible(false);
}

Form::~Form() = default;

void Form::bringToFront() {
  notify(Change::Front);
}

void Form::setShape(std::vector<Span> spans) {
  shape_ = std::move(spans);
  hasShape_ = true;
  notify(Change::Shape);
}

void Form::userDeactivate() {
  dispatch(onDeactivate);
}

Control* findControl(Control& root, std::string_view name) {
  if (root.name() == name) return &root;
  for (const auto& child : root.children()) {
    if (Control* found = findControl(*child, name)) return found;
  }
  return nullptr;
}

}  // namespace dorvena::platform
