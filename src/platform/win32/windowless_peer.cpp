#include "platform/win32/peers.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_backend.h"

namespace dorvena::platform::win32 {

WindowlessPeer::WindowlessPeer(Win32Backend& backend, Control& control)
    : PeerBase(backend, control) {
  realize();
}

WindowlessPeer::~WindowlessPeer() {
  if (ContainerPeer* c = container()) {
    c->forget(control());
    c->invalidate(painted_);
  }
}

void WindowlessPeer::realize() {
  autoSize();
  invalidate(control().bounds());
  painted_ = control().bounds();
}

void WindowlessPeer::invalidate(const Rect& area) {
  if (ContainerPeer* c = container()) c->invalidate(area);
}

void WindowlessPeer::changed(Change what) {
  switch (what) {
    case Change::Bounds:
      invalidate(painted_);
      break;
    case Change::Caption:
    case Change::Font:
      autoSize();
      break;
    case Change::Visible:
      if (ContainerPeer* c = container(); c && !control().visible()) c->forget(control());
      break;
    case Change::Picture:
      cachedPicture_.reset();
      bitmap_.reset();
      break;
    default:
      break;
  }
  invalidate(control().bounds());
  painted_ = control().bounds();
}

void WindowlessPeer::autoSize() {
  auto* label = dynamic_cast<Label*>(&control());
  if (!label || !label->autoSize) return;
  std::wstring text = widen(label->caption());
  if (text.empty()) text = L" ";  // an empty label keeps the height of a line
  const Size size = backend().gdi().measure(label->font(), text, DT_NOPREFIX | DT_EXPANDTABS);
  const Rect& b = label->bounds();
  const int left = label->alignment == Alignment::Right ? b.right() - size.width : b.left;
  label->setBounds({left, b.top, size.width, size.height});
}

HBITMAP WindowlessPeer::bitmapOf(const std::shared_ptr<const Picture>& picture) {
  if (picture != cachedPicture_) {
    cachedPicture_ = picture;
    bitmap_ = picture ? pictureBitmap(*picture) : BitmapHandle();
  }
  return bitmap_.get();
}

void WindowlessPeer::paint(HDC dc, ButtonState state) {
  SavedDc saved(dc);
  const Rect& b = control().bounds();
  IntersectClipRect(dc, b.left, b.top, b.right(), b.bottom());
  if (auto* label = dynamic_cast<const Label*>(&control())) {
    paintLabel(dc, *label);
  } else if (auto* button = dynamic_cast<const SpeedButton*>(&control())) {
    paintButton(dc, *button, state);
  } else if (auto* image = dynamic_cast<const Image*>(&control())) {
    paintImage(dc, *image);
  } else if (auto* bevel = dynamic_cast<const Bevel*>(&control())) {
    paintBevel(dc, *bevel);
  }
}

void WindowlessPeer::paintLabel(HDC dc, const Label& label) {
  RECT r = toRECT(label.bounds());
  Gdi& gdi = backend().gdi();
  if (!label.transparent) FillRect(dc, &r, gdi.brush(label.color()));
  SelectObject(dc, gdi.font(label.font()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colorRef(label.font().color));
  const std::wstring text = widen(label.caption());
  // One line, cut at the right edge: no ellipsis, and "&" is a plain character.
  const UINT align = label.alignment == Alignment::Right ? DT_RIGHT : DT_LEFT;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | align);
}

void WindowlessPeer::paintButton(HDC dc, const SpeedButton& button, ButtonState state) {
  Gdi& gdi = backend().gdi();
  const Rect& b = button.bounds();
  RECT r = toRECT(b);
  ButtonLook look = flatButtonLook(state, button.transparent);
  if (button.flat) {
    if (look.fill) FillRect(dc, &r, gdi.brush(button.color()));
    if (look.edge != Edge::None) {
      DrawEdge(dc, &r, look.edge == Edge::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    }
  } else {
    DrawFrameControl(dc, &r, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (state == ButtonState::Pressed ? DFCS_PUSHED : 0));
  }

  const std::wstring caption = widen(button.caption());
  const Size text = caption.empty() ? Size{} : gdi.measure(button.font(), caption, 0);
  const Size glyph = button.glyph ? Size{button.glyph->width(), button.glyph->height()} : Size{};
  const Rect inner{b.left + 1, b.top + 1, b.width - 2, b.height - 2};
  const ButtonLayout layout = layoutButton(inner, glyph, text, look.shift);
  if (button.glyph) {
    drawBitmap(dc, bitmapOf(button.glyph), glyph, layout.glyphX, layout.glyphY, r,
               &button.glyphTransparent);
  }
  if (!caption.empty()) {
    SelectObject(dc, gdi.font(button.font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(button.font().color));
    RECT t = toRECT(layout.text);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &t,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
}

void WindowlessPeer::paintImage(HDC dc, const Image& image) {
  const auto& picture = image.picture();
  if (!picture) return;
  const Rect& b = image.bounds();
  int x = b.left;
  int y = b.top;
  if (image.center) {
    x += (b.width - picture->width()) / 2;
    y += (b.height - picture->height()) / 2;
  }
  const Color white = kWhite;
  drawBitmap(dc, bitmapOf(picture), {picture->width(), picture->height()}, x, y, toRECT(b),
             image.transparent ? &white : nullptr);
}

void WindowlessPeer::paintBevel(HDC dc, const Bevel& bevel) {
  // A lowered line: shadow first, highlight beside or below it where there is room.
  const RECT r = toRECT(bevel.bounds());
  RECT dark = r;
  RECT light = r;
  if (bevel.kind == LineKind::Vertical) {
    dark.right = r.left + 1;
    light.left = r.left + 1;
    light.right = r.left + 2;
  } else {
    dark.bottom = r.top + 1;
    light.top = r.top + 1;
    light.bottom = r.top + 2;
  }
  FillRect(dc, &dark, GetSysColorBrush(COLOR_BTNSHADOW));
  FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

}  // namespace dorvena::platform::win32
