#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "platform/controls.h"
#include "platform/picture.h"
#include "platform/win32/handles.h"

namespace dorvena::platform::win32 {

inline COLORREF colorRef(Color c) {
  return RGB(c.r, c.g, c.b);
}
inline RECT toRECT(const Rect& r) {
  return {r.left, r.top, r.right(), r.bottom()};
}

// The fonts and brushes every window draws with, made once per distinct value so that painting
// never creates GDI objects; they live as long as the backend.
class Gdi {
 public:
  Gdi();
  Gdi(const Gdi&) = delete;
  Gdi& operator=(const Gdi&) = delete;

  HFONT font(const Font& font);
  HBRUSH brush(Color color);
  // The extent of one line of text drawn with DrawText's `format` (prefix handling, tabs).
  Size measure(const Font& font, std::wstring_view text, UINT format);

 private:
  using FontKey = std::tuple<std::string, int, bool, bool>;
  std::map<FontKey, FontHandle> fonts_;
  std::map<COLORREF, BrushHandle> brushes_;
  MemoryDc measureDc_;
};

// A picture as a 32-bit bitmap, top row first, ready to blit.
BitmapHandle pictureBitmap(const Picture& picture);

// Copies the part of `bitmap` (of `size`) placed at (x, y) that falls inside `clip`; pixels of the
// `transparent` colour are left out when one is given.
void drawBitmap(HDC dc, HBITMAP bitmap, Size size, int x, int y, const RECT& clip,
                const Color* transparent);

}  // namespace dorvena::platform::win32
