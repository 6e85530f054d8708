#include "platform/win32/gdi.h"

#include <cstring>

#include "platform/win32/text.h"

namespace dorvena::platform::win32 {

Gdi::Gdi() : measureDc_(nullptr) {}

HFONT Gdi::font(const Font& f) {
  FontKey key{f.name, f.height, f.bold, f.underline};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    const std::wstring face = widen(f.name).substr(0, LF_FACESIZE - 1);
    // A negative height asks for the character height, as the model states it.
    HFONT h = CreateFontW(-f.height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, f.underline,
                          FALSE, TURKISH_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    it = fonts_.emplace(std::move(key), FontHandle(h)).first;
  }
  return it->second.get();
}

HBRUSH Gdi::brush(Color color) {
  const COLORREF ref = colorRef(color);
  auto it = brushes_.find(ref);
  if (it == brushes_.end()) it = brushes_.emplace(ref, BrushHandle(CreateSolidBrush(ref))).first;
  return it->second.get();
}

Size Gdi::measure(const Font& f, std::wstring_view text, UINT format) {
  SelectGuard font(measureDc_.get(), this->font(f));
  RECT r{0, 0, 0, 0};
  DrawTextW(measureDc_.get(), text.data(), static_cast<int>(text.size()), &r,
            format | DT_CALCRECT | DT_SINGLELINE);
  return {r.right - r.left, r.bottom - r.top};
}

BitmapHandle pictureBitmap(const Picture& picture) {
  if (picture.width() <= 0 || picture.height() <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width();
  info.bmiHeader.biHeight = -picture.height();  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return {};
  auto* out = static_cast<std::uint32_t*>(bits);
  for (const Color c : picture.pixels())
    *out++ = (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
  return bitmap;
}

void drawBitmap(HDC dc, HBITMAP bitmap, Size size, int x, int y, const RECT& clip,
                const Color* transparent) {
  RECT placed{x, y, x + size.width, y + size.height};
  RECT part;
  if (!bitmap || !IntersectRect(&part, &placed, &clip)) return;
  MemoryDc source(dc);
  if (!source) return;
  source.selectBitmap(bitmap);
  const int w = part.right - part.left;
  const int h = part.bottom - part.top;
  const int sx = part.left - x;
  const int sy = part.top - y;
  if (transparent) {
    TransparentBlt(dc, part.left, part.top, w, h, source.get(), sx, sy, w, h,
                   colorRef(*transparent));
  } else {
    BitBlt(dc, part.left, part.top, w, h, source.get(), sx, sy, SRCCOPY);
  }
}

}  // namespace dorvena::platform::win32
