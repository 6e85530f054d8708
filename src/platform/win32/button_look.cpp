#include "platform/win32/button_look.h"

namespace dorvena::platform::win32 {

ButtonState buttonState(bool pointerOver, bool pressedHere) {
  if (!pointerOver) return ButtonState::Normal;
  return pressedHere ? ButtonState::Pressed : ButtonState::Hover;
}

ButtonLook flatButtonLook(ButtonState state, bool transparent) {
  const bool fill = !transparent;
  switch (state) {
    case ButtonState::Hover:
      return {Edge::Raised, fill, 0};
    case ButtonState::Pressed:
      return {Edge::Sunken, fill, 1};
    case ButtonState::Normal:
      break;
  }
  return {Edge::None, fill, 0};
}

ButtonLayout layoutButton(const Rect& client, Size glyph, Size text, int shift) {
  constexpr int kSpacing = 4;
  const int spacing = glyph.width > 0 && text.width > 0 ? kSpacing : 0;
  const int total = glyph.width + spacing + text.width;
  const int margin = (client.width - total) / 2;
  ButtonLayout layout;
  layout.glyphX = client.left + margin + shift;
  layout.glyphY = client.top + (client.height - glyph.height + 1) / 2 + shift;
  layout.text = {client.left + margin + glyph.width + spacing + shift,
                 client.top + (client.height - text.height + 1) / 2 + shift, text.width,
                 text.height};
  return layout;
}

std::size_t acceleratorIndex(std::wstring_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return i + 1;
    ++i;
  }
  return std::wstring_view::npos;
}

}  // namespace dorvena::platform::win32
