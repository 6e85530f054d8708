// Draws the program's pictures: the two skins, the window icon and the pushpin of "Postit".
// Integer arithmetic only, so that every machine writes the same bytes.
//
//   draw_art <output folder>

#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "shell/bitmap_region.h"
#include "shell/bmp.h"

namespace {

using dorvena::shell::Color;
using dorvena::shell::Picture;

constexpr Color kWhite{255, 255, 255};

// Main skin.
constexpr int kMainWidth = 256;
constexpr int kMainHeight = 375;
constexpr Color kBoard{49, 28, 2};
constexpr Color kBoardLight{96, 60, 22};
constexpr Color kBoardLit{72, 43, 11};
constexpr Color kBoardDim{36, 20, 1};
constexpr Color kBoardDark{24, 13, 0};
constexpr Color kGrainLight{57, 33, 5};
constexpr Color kGrainDark{43, 24, 1};
constexpr Color kMainPaper{235, 232, 181};
constexpr Color kMainPaperEdge{212, 207, 156};
constexpr Color kMainPaperShade{222, 218, 168};
constexpr Color kMetalOutline{62, 64, 70};
constexpr Color kMetalBright{236, 238, 242};
constexpr Color kMetalLight{200, 203, 210};
constexpr Color kMetalMid{160, 164, 172};
constexpr Color kMetalDark{108, 112, 120};
constexpr Color kSlot{34, 34, 38};

// Note skin.
constexpr int kNoteWidth = 80;
constexpr int kNoteHeight = 104;
constexpr Color kNotePaper{255, 239, 206};
constexpr Color kNoteEdge{214, 190, 150};
constexpr Color kNoteBend1{250, 232, 198};
constexpr Color kNoteBend2{244, 224, 188};
constexpr Color kNoteBack{236, 214, 176};
constexpr Color kNoteShadow{228, 208, 172};

// a + (b - a) * num / den per channel, rounded down.
Color mix(Color a, Color b, int num, int den) {
  auto channel = [&](std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(from + (to - from) * num / den);
  };
  return Color{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Whether the centre of pixel (x, y) lies in the rectangle of pixel columns left..right and rows
// top..bottom (inclusive) with corners rounded by radius. Doubled coordinates keep it in integers.
bool inRoundRect(int x, int y, int left, int top, int right, int bottom, int radius) {
  if (x < left || x > right || y < top || y > bottom) return false;
  const int px = 2 * x + 1;
  const int py = 2 * y + 1;
  const int l = 2 * left + 2 * radius;
  const int r = 2 * (right + 1) - 2 * radius;
  const int t = 2 * top + 2 * radius;
  const int b = 2 * (bottom + 1) - 2 * radius;
  const int cx = px < l ? l : (px > r ? r : px);
  const int cy = py < t ? t : (py > b ? b : py);
  const int dx = px - cx;
  const int dy = py - cy;
  return dx * dx + dy * dy <= 4 * radius * radius;
}

using Shape = std::function<bool(int x, int y)>;

void fill(Picture& grid, const Shape& shape, const std::function<Color(int x, int y)>& colour) {
  for (int y = 0; y < grid.height(); ++y) {
    for (int x = 0; x < grid.width(); ++x) {
      if (shape(x, y)) grid.setPixel(x, y, colour(x, y));
    }
  }
}

void fill(Picture& grid, const Shape& shape, Color colour) {
  fill(grid, shape, [colour](int, int) { return colour; });
}

// Which way the nearest edge of the shape faces: negative towards the top left (lit), positive
// towards the bottom right (in shadow), within `reach` pixels; 0 when no edge is that close.
int edgeFacing(const Shape& shape, int x, int y, int reach) {
  int facing = 0;
  for (int d = 1; d <= reach && facing == 0; ++d) {
    facing = (!shape(x + d, y) ? 1 : 0) + (!shape(x, y + d) ? 1 : 0) - (!shape(x - d, y) ? 1 : 0) -
             (!shape(x, y - d) ? 1 : 0);
    if (facing == 0 &&
        (!shape(x + d, y) || !shape(x, y + d) || !shape(x - d, y) || !shape(x, y - d))) {
      return 0;
    }
  }
  return facing;
}

// Distance in pixels (up to limit) from (x, y) to the nearest pixel outside the shape.
int depthIn(const Shape& shape, int x, int y, int limit) {
  for (int d = 1; d <= limit; ++d) {
    for (int k = -d; k <= d; ++k) {
      if (!shape(x + k, y - d) || !shape(x + k, y + d) || !shape(x - d, y + k) ||
          !shape(x + d, y + k)) {
        return d - 1;
      }
    }
  }
  return limit;
}

// A small integer hash, for wood grain that looks irregular but is the same on every run.
std::uint32_t hash(std::uint32_t a, std::uint32_t b) {
  std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
  h ^= h >> 15;
  h *= 0xC2B2AE3Du;
  h ^= h >> 13;
  return h;
}

// Main skin: a clipboard.

bool onBoard(int x, int y) {
  return inRoundRect(x, y, 2, 19, 254, 372, 9);
}

bool onMainPaper(int x, int y) {
  // The bottom corners follow the board's rounded ones; the top ones are square.
  if (y < 200) return x >= 5 && x <= 251 && y >= 36;
  return inRoundRect(x, y, 5, 36, 251, 370, 3);
}

bool onClipPlate(int x, int y) {
  return inRoundRect(x, y, 84, 25, 171, 45, 5);
}
bool onHinge(int x, int y) {
  return inRoundRect(x, y, 104, 19, 151, 27, 4);
}
bool onLever(int x, int y) {
  return inRoundRect(x, y, 111, 1, 142, 30, 11);
}
bool onLeverSlot(int x, int y) {
  return inRoundRect(x, y, 119, 6, 134, 11, 3);
}

Color woodAt(int x, int y) {
  // Long streaks that wander a little from row to row.
  const int wave = static_cast<int>(hash(static_cast<std::uint32_t>(x / 29), 7u) % 3);
  const int band = y + wave;
  const std::uint32_t h =
      hash(static_cast<std::uint32_t>(band), static_cast<std::uint32_t>(x / 53));
  if (h % 7 == 0) return kGrainLight;
  if (h % 7 == 3) return kGrainDark;
  return kBoard;
}

void drawBoard(Picture& skin) {
  const Shape board = onBoard;
  fill(skin, board, [&](int x, int y) {
    const int depth = depthIn(board, x, y, 2);
    if (depth < 2) {
      const int facing = edgeFacing(board, x, y, 2);
      if (facing < 0) return depth == 0 ? kBoardLight : kBoardLit;
      if (facing > 0) return depth == 0 ? kBoardDark : kBoardDim;
    }
    return woodAt(x, y);
  });
}

void drawMainPaper(Picture& skin) {
  const Shape paper = onMainPaper;
  // The sheet's shadow falls to the lower right on the board.
  fill(
      skin, [&](int x, int y) { return onBoard(x, y) && !paper(x, y) && paper(x - 1, y - 1); },
      [&](int x, int y) { return mix(skin.pixel(x, y), kBoardDark, 2, 3); });
  fill(skin, paper, [&](int x, int y) {
    if (!paper(x + 1, y) || !paper(x, y + 1)) return kMainPaperEdge;
    if (!paper(x - 1, y) || !paper(x, y - 1)) return kMainPaperShade;
    return kMainPaper;
  });
}

// Metal shaded across its height like a bent strip: bright near the top, dark at the bottom.
Color metalRamp(int y, int top, int bottom) {
  const int span = bottom - top;
  const int at = y - top;
  if (at * 5 < span) return mix(kMetalBright, kMetalLight, at * 5, span);
  if (at * 5 < span * 3) return mix(kMetalLight, kMetalMid, at * 5 - span, span * 2);
  return mix(kMetalMid, kMetalDark, at * 5 - span * 3, span * 2);
}

void drawMetal(Picture& skin, const Shape& shape, int top, int bottom) {
  fill(skin, shape, [&](int x, int y) {
    if (!shape(x - 1, y) || !shape(x + 1, y) || !shape(x, y - 1) || !shape(x, y + 1)) {
      return kMetalOutline;
    }
    const Color base = metalRamp(y, top, bottom);
    const int facing = edgeFacing(shape, x, y, 1);
    if (facing < 0) return mix(base, kMetalBright, 1, 2);
    if (facing > 0) return mix(base, kMetalDark, 1, 2);
    return base;
  });
}

void drawRivet(Picture& skin, int cx, int cy) {
  for (int y = cy - 3; y <= cy + 3; ++y) {
    for (int x = cx - 3; x <= cx + 3; ++x) {
      const int dx = x - cx;
      const int dy = y - cy;
      const int d2 = dx * dx + dy * dy;
      if (d2 > 10) continue;
      Color colour = kMetalMid;
      if (d2 > 5)
        colour = dx + dy > 0 ? kMetalDark : kMetalBright;
      else if (dx + dy < 0)
        colour = kMetalLight;
      if (dx == -1 && dy == -1) colour = kMetalBright;
      skin.setPixel(x, y, colour);
    }
  }
}

void drawClip(Picture& skin) {
  // Shadow of the clip on the paper and the board below it.
  fill(
      skin, [](int x, int y) { return !onClipPlate(x, y) && onClipPlate(x - 1, y - 2); },
      [&](int x, int y) {
        return mix(skin.pixel(x, y), Color{0, 0, 0}, 1, 4);
      });

  // The lever: a strip bent up over the top of the board, with a slot to hang the board by.
  const Shape lever = [](int x, int y) { return onLever(x, y) && !onLeverSlot(x, y); };
  drawMetal(skin, lever, 1, 30);
  fill(skin, onLeverSlot, [](int x, int y) {
    // Inside of the slot: dark, lit at its lower lip.
    return onLeverSlot(x, y + 1) ? kSlot : mix(kSlot, kMetalMid, 1, 2);
  });

  drawMetal(skin, onClipPlate, 25, 45);
  drawRivet(skin, 95, 35);
  drawRivet(skin, 160, 35);

  // The hinge roll: a cylinder, bright along its upper third.
  fill(skin, onHinge, [](int x, int y) {
    if (!onHinge(x - 1, y) || !onHinge(x + 1, y) || !onHinge(x, y - 1) || !onHinge(x, y + 1)) {
      return kMetalOutline;
    }
    constexpr std::array<Color, 7> kRoll{kMetalLight, kMetalBright, kMetalBright, kMetalLight,
                                         kMetalMid,   kMetalDark,   kMetalDark};
    return kRoll[static_cast<std::size_t>(y - 20)];
  });
}

Picture drawMainSkin() {
  Picture skin(kMainWidth, kMainHeight, kWhite);
  drawBoard(skin);
  drawMainPaper(skin);
  drawClip(skin);
  return skin;
}

// Note skin: a sheet of paper pinned at the top, leaning to the right.

constexpr int kNotePaperTop = 6;
constexpr int kNoteFold = 6;
// The note's text box covers columns 1 to 70 of rows 15 to 94.
constexpr int kNoteTextRight = 70;
constexpr int kNoteTextTop = 15;
constexpr int kNoteTextBottom = 94;

// The right edge of the sheet: column 69 at its top, leaning out to column 79 ten rows from the
// bottom.
int noteRightEdge(int y) {
  const int lean = (10 * (y - kNotePaperTop) + 44) / 88;
  return 69 + (lean > 10 ? 10 : lean);
}

bool onNoteSheet(int x, int y) {
  return y >= kNotePaperTop && y < kNoteHeight && x >= 0 && x <= noteRightEdge(y);
}

// The bottom right corner is turned up: the part beyond the fold line is gone from the sheet...
bool beyondFold(int x, int y) {
  return x + y > 79 + (kNoteHeight - 1) - kNoteFold;
}
// ...and shows as a flap, the mirror image of it across the fold line.
bool onFlap(int x, int y) {
  const int s = 79 + (kNoteHeight - 1) - kNoteFold;
  if (x + y > s) return false;
  const int mx = s - y;
  const int my = s - x;
  return onNoteSheet(mx, my) && beyondFold(mx, my);
}

bool onNotePaper(int x, int y) {
  return onNoteSheet(x, y) && !beyondFold(x, y);
}

void drawNotePaper(Picture& skin) {
  fill(skin, onNotePaper, [](int x, int y) {
    // Shading stays off the text box, whose flat background would cut it off.
    if (x >= 1 && x <= kNoteTextRight && y >= kNoteTextTop && y <= kNoteTextBottom)
      return kNotePaper;
    const int right = noteRightEdge(y);
    if (x == right) return kNoteEdge;
    if (x == 0) return kNoteBend2;
    // The sheet bends away along its right edge, where it hangs free of the pin.
    if (x >= right - 1 && y > kNoteTextTop) return kNoteBend2;
    if (x >= right - 3 && y > kNoteTextTop) return kNoteBend1;
    return kNotePaper;
  });
  fill(skin, onFlap, [](int x, int y) {
    const int s = 79 + (kNoteHeight - 1) - kNoteFold;
    if (x + y == s) return kNoteEdge;
    if (!onFlap(x - 1, y) || !onFlap(x, y - 1)) return kNoteEdge;
    return kNoteBack;
  });
  // The flap casts a little shadow on the sheet beside the fold.
  fill(
      skin,
      [](int x, int y) {
        const int s = 79 + (kNoteHeight - 1) - kNoteFold;
        return onNotePaper(x, y) && !onFlap(x, y) && (onFlap(x + 1, y) || onFlap(x, y + 1)) &&
               x + y < s;
      },
      kNoteShadow);
}

using Legend = std::vector<std::pair<char, Color>>;

Color legendColour(const Legend& legend, char key) {
  for (const auto& [k, colour] : legend) {
    if (k == key) return colour;
  }
  throw std::runtime_error(std::string("no colour for '") + key + "'");
}

// Paints a character map onto the picture with its top-left corner at (left, top); '.' leaves
// the pixel as it is.
void paintMap(Picture& picture, int left, int top, const std::vector<std::string_view>& rows,
              const Legend& legend) {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (std::size_t column = 0; column < rows[row].size(); ++column) {
      const char key = rows[row][column];
      if (key == '.') continue;
      picture.setPixel(left + static_cast<int>(column), top + static_cast<int>(row),
                       legendColour(legend, key));
    }
  }
}

// A red pushpin seen from the side, stuck into the sheet at its top edge: the cap and grip rise
// over the paper, the flange rests on it and throws a little shadow.
void drawPin(Picture& skin) {
  paintMap(skin, 30, 0,
           {
               ".......KKK.....",  //
               "......KYLOK....",  //
               "......KLOOK....",  //
               "......KKDKK....",  //
               ".......KLK.....",  //
               ".......KOK.....",  //
               ".......KOK.....",  //
               ".......KOK.....",  //
               "......KLODK....",  //
               "....KKLOOODKK..",  //
               "...KYLOOOOODDK.",  //
               "...KLOOOOOOODK.",  //
               "....KKDDDDDKKs.",  //
               ".....ssKKKssss.",  //
               "......sssssss..",  //
           },
           {{'K', Color{96, 10, 10}},
            {'Y', Color{252, 196, 188}},
            {'L', Color{236, 96, 84}},
            {'O', Color{200, 36, 32}},
            {'D', Color{150, 22, 22}},
            {'s', kNoteShadow}});
}

constexpr Color kRingDark{16, 36, 130};
constexpr Color kRingBody{36, 76, 206};
constexpr Color kRingLight{110, 150, 246};

// A reinforcement ring around a punched hole, near the top right corner of the sheet.
void drawRing(Picture& skin) {
  for (int y = 5; y <= 15; ++y) {
    for (int x = 60; x <= 70; ++x) {
      const int dx = 2 * x - 129;
      const int dy = 2 * y - 21;
      const int d2 = dx * dx + dy * dy;
      if (d2 > 64 || d2 <= 16) continue;
      Color colour = kRingBody;
      if (dx + dy < -4) colour = kRingLight;
      if (dx + dy > 4) colour = kRingDark;
      skin.setPixel(x, y, colour);
    }
  }
}

Picture drawNoteSkin() {
  Picture skin(kNoteWidth, kNoteHeight, kWhite);
  drawNotePaper(skin);
  drawRing(skin);
  drawPin(skin);
  return skin;
}

// Small pictures drawn from character maps.

Picture fromMap(const std::vector<std::string_view>& rows, const Legend& legend) {
  Picture picture(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), kWhite);
  for (int y = 0; y < picture.height(); ++y) {
    const std::string_view row = rows[static_cast<std::size_t>(y)];
    if (static_cast<int>(row.size()) != picture.width()) throw std::runtime_error("ragged map");
    for (int x = 0; x < picture.width(); ++x) {
      picture.setPixel(x, y, legendColour(legend, row[static_cast<std::size_t>(x)]));
    }
  }
  return picture;
}

// The "Postit" button's picture: an orange pushpin standing on its point, on red, which the
// button treats as transparent.
Picture drawPushpin() {
  const std::vector<std::string_view> rows = {
      "...KKKKK...",  //
      "..KYLOOOK..",  //
      "..KLOOODK..",  //
      "...KKKKK...",  //
      "....KLK....",  //
      "....KOK....",  //
      "....KOK....",  //
      "....KDK....",  //
      "...KLODK...",  //
      ".KKLOOODKK.",  //
      "KYLOOOOOODK",  //
      "KKKKKKKKKKK",  //
      ".....K.....",  //
      ".....G.....",  //
      ".....G.....",  //
      ".....G.....",  //
      ".....g.....",  //
  };
  return fromMap(rows, {{'.', Color{255, 0, 0}},
                        {'K', Color{0, 0, 0}},
                        {'Y', Color{255, 224, 150}},
                        {'L', Color{255, 178, 64}},
                        {'O', Color{255, 140, 0}},
                        {'D', Color{196, 92, 0}},
                        {'G', Color{96, 96, 96}},
                        {'g', Color{160, 160, 160}}});
}

// The 16 colours of the window icon: the standard palette of 16-colour Windows icons.
constexpr std::array<Color, 16> kIconPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// A white clipboard with a grey clip and a dark red tick; ' ' is transparent.
constexpr std::array<std::string_view, 16> kIconMap{{
    "     KKKKKK     ",  //
    "    KsGKKGGK    ",  //
    " KKKsGGGGGGGKKK ",  //
    " KWWKKKKKKKKWWK ",  //
    " KWWWWWWWWWWWWK ",  //
    " KWWWWWWWWWWrrK ",  //
    " KWWWWWWWWWrrsK ",  //
    " KWWWWWWWWrrsWK ",  //
    " KWWrrWWWrrsWWK ",  //
    " KWWsrrWrrsWWWK ",  //
    " KWWWsrrrsWWWWK ",  //
    " KWWWWsrsWWWWWK ",  //
    " KWWWWWsWWWWWWK ",  //
    " KWWWWWWWWWWWWK ",  //
    " KssssssssssssK ",  //
    " KKKKKKKKKKKKKK ",  //
}};

int iconIndex(char key) {
  switch (key) {
    case 'K':
      return 0;  // black
    case 'G':
      return 8;  // grey
    case 's':
      return 7;  // silver
    case 'W':
      return 15;  // white
    case 'r':
      return 1;  // dark red
    case ' ':
      return 0;  // transparent: black under a set mask bit
    default:
      throw std::runtime_error(std::string("no icon colour for '") + key + "'");
  }
}

void put16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xff));
  out.push_back(static_cast<char>(value >> 8 & 0xff));
}

void put32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<char>(value >> shift & 0xff));
}

// A .ico file with one 16 x 16 image of 4 bits per pixel and its 1-bit transparency mask.
std::string drawIcon() {
  constexpr int kSize = 16;
  constexpr std::uint32_t kXorBytes = kSize * kSize / 2;
  constexpr std::uint32_t kAndBytes = kSize * 4;  // 2 bytes of mask per row, padded to 4
  constexpr std::uint32_t kImageBytes = 40 + 16 * 4 + kXorBytes + kAndBytes;

  for (const std::string_view row : kIconMap) {
    if (row.size() != kSize) throw std::runtime_error("ragged icon map");
  }

  std::string out;
  put16(out, 0);
  put16(out, 1);  // an icon
  put16(out, 1);  // one image
  out.push_back(static_cast<char>(kSize));
  out.push_back(static_cast<char>(kSize));
  out.push_back(16);  // colours
  out.push_back(0);
  put16(out, 1);  // planes
  put16(out, 4);  // bits per pixel
  put32(out, kImageBytes);
  put32(out, 6 + 16);

  put32(out, 40);
  put32(out, kSize);
  put32(out, 2 * kSize);  // colour image and mask, one above the other
  put16(out, 1);
  put16(out, 4);
  put32(out, 0);
  put32(out, kXorBytes + kAndBytes);
  put32(out, 0);
  put32(out, 0);
  put32(out, 16);
  put32(out, 0);
  for (const Color& colour : kIconPalette) {
    out.push_back(static_cast<char>(colour.b));
    out.push_back(static_cast<char>(colour.g));
    out.push_back(static_cast<char>(colour.r));
    out.push_back(0);
  }
  // Rows bottom-up. A transparent pixel is black in the colour image and set in the mask, so
  // that the screen shows through unchanged.
  for (int y = kSize - 1; y >= 0; --y) {
    const std::string_view row = kIconMap[static_cast<std::size_t>(y)];
    for (int x = 0; x < kSize; x += 2) {
      const int hi = iconIndex(row[static_cast<std::size_t>(x)]);
      const int lo = iconIndex(row[static_cast<std::size_t>(x) + 1]);
      out.push_back(static_cast<char>(hi << 4 | lo));
    }
  }
  for (int y = kSize - 1; y >= 0; --y) {
    const std::string_view row = kIconMap[static_cast<std::size_t>(y)];
    unsigned mask = 0;
    for (int x = 0; x < kSize; ++x) {
      if (row[static_cast<std::size_t>(x)] == ' ') mask |= 0x8000u >> x;
    }
    out.push_back(static_cast<char>(mask >> 8));
    out.push_back(static_cast<char>(mask & 0xff));
    out.push_back(0);
    out.push_back(0);
  }
  return out;
}

void save(const std::string& folder, const std::string& name, const std::string& bytes) {
  const std::string path = folder + "/" + name;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: draw_art <output folder>\n";
    return 2;
  }
  try {
    const std::string folder = argv[1];
    save(folder, "main_skin.bmp", dorvena::shell::writeBmp(drawMainSkin()));
    save(folder, "note_skin.bmp", dorvena::shell::writeBmp(drawNoteSkin()));
    save(folder, "pushpin.bmp", dorvena::shell::writeBmp(drawPushpin()));
    save(folder, "dorvena.ico", drawIcon());
  } catch (const std::exception& e) {
    std::cerr << "draw_art: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
