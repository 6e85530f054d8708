#pragma once
#include <cstddef>
#include <string_view>

#include "platform/geometry.h"

namespace dorvena::platform::win32 {

enum class ButtonState { Normal, Hover, Pressed };

// Pressed only while the left button that went down on it is held over it; dragged off, it looks
// normal again until the pointer comes back.
ButtonState buttonState(bool pointerOver, bool pressedHere);

enum class Edge { None, Raised, Sunken };

struct ButtonLook {
  Edge edge = Edge::None;
  bool fill = true;  // the button's own colour under the caption
  int shift = 0;     // caption and glyph move down and right while pressed
  friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// A flat button shows a thin frame only while hot; an unknown state looks normal.
ButtonLook flatButtonLook(ButtonState state, bool transparent);

struct ButtonLayout {
  int glyphX = 0;
  int glyphY = 0;
  Rect text;
  friend bool operator==(const ButtonLayout&, const ButtonLayout&) = default;
};

// Glyph and caption side by side, 4 pixels apart, centred together in `client`.
ButtonLayout layoutButton(const Rect& client, Size glyph, Size text, int shift);

// Where the accelerator letter of a caption is: the character after the first single "&" ("&&"
// stands for an ampersand), or npos.
std::size_t acceleratorIndex(std::wstring_view caption);

}  // namespace dorvena::platform::win32
