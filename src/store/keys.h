#pragma once
#include <string>
#include <string_view>

namespace dorvena::store {

// The names the program stores its data under. `token` is a date token; hours and note numbers
// are written in decimal without leading zeros.
std::string captionKey(std::string_view token, int hour);
std::string descriptionKey(std::string_view token, int hour);
std::string chkKey(std::string_view token, int hour);

inline constexpr std::string_view kPosCount = "pos.count";

// The text overloads take a note number as the note code holds it and put it in unchanged.
std::string posMsgKey(int note);
std::string posMsgKey(std::string_view note);
std::string posXKey(int note);
std::string posXKey(std::string_view note);
std::string posYKey(int note);
std::string posYKey(std::string_view note);

}  // namespace dorvena::store
