#pragma once
#include <string>
#include <string_view>

namespace dorvena::store {

// What the store can carry of the user's input. A title is stored as it is, so a pasted line
// break would split its line at the next load: it becomes a blank. A description is stored
// through the line-break codec, which would turn the bytes 4 and 5 into line breaks: they go.
// NUL ends the store's text, so it never reaches it.
std::string titleForStore(std::string_view title);
// Also the rule for a note's text, which is stored through the same codec.
std::string descriptionForStore(std::string_view description);

}  // namespace dorvena::store
