#include "store/keys.h"

namespace dorvena::store {
namespace {

std::string dayKey(std::string_view token, int hour, std::string_view field) {
  std::string key;
  key.reserve(token.size() + field.size() + 20);
  key += "tarih[";
  key += token;
  key += "].zaman[";
  key += std::to_string(hour);
  key += "].";
  key += field;
  return key;
}

std::string noteKey(std::string_view prefix, std::string_view note) {
  std::string key;
  key.reserve(prefix.size() + note.size() + 1);
  key += prefix;
  key += note;
  key += ']';
  return key;
}

}  // namespace

std::string captionKey(std::string_view token, int hour) {
  return dayKey(token, hour, "caption");
}
std::string descriptionKey(std::string_view token, int hour) {
  return dayKey(token, hour, "description");
}
std::string chkKey(std::string_view token, int hour) {
  return dayKey(token, hour, "chk");
}

std::string posMsgKey(std::string_view note) {
  return noteKey("pos.msg[", note);
}
std::string posMsgKey(int note) {
  return posMsgKey(std::to_string(note));
}
std::string posXKey(std::string_view note) {
  return noteKey("pos.X[", note);
}
std::string posXKey(int note) {
  return posXKey(std::to_string(note));
}
std::string posYKey(std::string_view note) {
  return noteKey("pos.Y[", note);
}
std::string posYKey(int note) {
  return posYKey(std::to_string(note));
}

}  // namespace dorvena::store
