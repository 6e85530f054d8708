#pragma once
#include <string>
#include <string_view>

namespace dorvena::platform::win32 {

// The model's texts are bytes of the ANSI code page; the windows speak UTF-16.
std::wstring widen(std::string_view ansi);
// Characters the code page cannot hold become its default character.
std::string narrow(std::wstring_view wide);

}  // namespace dorvena::platform::win32
