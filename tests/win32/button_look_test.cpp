#include "platform/win32/button_look.h"

#include <gtest/gtest.h>

namespace dorvena::platform::win32 {
namespace {

TEST(ButtonLook, StateFromPointerAndPress) {
  struct Row {
    bool over, pressedHere;
    ButtonState state;
  };
  const Row rows[] = {
      {false, false, ButtonState::Normal},
      {true, false, ButtonState::Hover},
      {true, true, ButtonState::Pressed},
      {false, true, ButtonState::Normal},  // dragged off while held
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.over) + std::to_string(r.pressedHere));
    EXPECT_EQ(buttonState(r.over, r.pressedHere), r.state);
  }
}

TEST(ButtonLook, FrameOnlyWhileHotAndNoFillWhenTransparent) {
  struct Row {
    ButtonState state;
    bool transparent;
    ButtonLook look;
  };
  const Row rows[] = {
      {ButtonState::Normal, false, {Edge::None, true, 0}},
      {ButtonState::Hover, false, {Edge::Raised, true, 0}},
      {ButtonState::Pressed, false, {Edge::Sunken, true, 1}},
      {ButtonState::Normal, true, {Edge::None, false, 0}},
      {ButtonState::Hover, true, {Edge::Raised, false, 0}},
      {ButtonState::Pressed, true, {Edge::Sunken, false, 1}},
      {static_cast<ButtonState>(7), false, {Edge::None, true, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(r.state)) + (r.transparent ? " transparent" : ""));
    EXPECT_EQ(flatButtonLook(r.state, r.transparent), r.look);
  }
}

TEST(ButtonLook, GlyphAndCaptionCentredTogether) {
  struct Row {
    const char* what;
    Rect client;
    Size glyph, text;
    int shift;
    ButtonLayout layout;
  };
  const Row rows[] = {
      // "Postit": an 11 x 17 pin left of the caption in a 46 x 18 button (inside its 1-pixel
      // frame).
      {"glyph and caption", {1, 1, 44, 16}, {11, 17}, {27, 13}, 0, {2, 1, {17, 3, 27, 13}}},
      {"caption only", {1, 1, 14, 12}, {0, 0}, {6, 13}, 0, {5, 7, {5, 1, 6, 13}}},
      {"pressed moves both", {1, 1, 44, 16}, {11, 17}, {27, 13}, 1, {3, 2, {18, 4, 27, 13}}},
      {"glyph only", {31, 6, 13, 13}, {11, 11}, {0, 0}, 0, {32, 7, {43, 13, 0, 0}}},
      {"caption wider than the button",
       {1, 1, 10, 12},
       {0, 0},
       {20, 13},
       0,
       {-4, 7, {-4, 1, 20, 13}}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const ButtonLayout got = layoutButton(r.client, r.glyph, r.text, r.shift);
    EXPECT_EQ(got.glyphX, r.layout.glyphX);
    EXPECT_EQ(got.glyphY, r.layout.glyphY);
    EXPECT_EQ(got.text, r.layout.text);
  }
}

TEST(ButtonLook, AcceleratorIsTheLetterAfterTheFirstSingleAmpersand) {
  struct Row {
    const wchar_t* caption;
    std::size_t index;
  };
  const Row rows[] = {
      {L"&Tamam", 1},
      {L"Ta&mam", 3},
      {L"A&&B", std::wstring_view::npos},
      {L"A&&&B", 4},
      {L"Tamam&", std::wstring_view::npos},
      {L"", std::wstring_view::npos},
      {L"&&&", std::wstring_view::npos},
      {L"&A&B", 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.caption, r.caption + std::wstring_view(r.caption).size()));
    EXPECT_EQ(acceleratorIndex(r.caption), r.index);
  }
}

}  // namespace
}  // namespace dorvena::platform::win32
