#pragma once
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/case_fold.h"

namespace dorvena::bench {

// The store as it behaves without an index: every lookup scans the lines from the top and
// compares names through the case fold. The yardstick the indexed store is measured against.
class PlainScanStore {
 public:
  explicit PlainScanStore(platform::CaseFold fold = platform::asciiCaseFold()) : fold_(fold) {}

  void parse(std::string_view bytes) {
    lines_.clear();
    bytes = bytes.substr(0, bytes.find('\0'));
    std::size_t p = 0;
    while (p < bytes.size()) {
      const std::size_t end = std::min(bytes.find_first_of("\r\n", p), bytes.size());
      lines_.emplace_back(bytes.substr(p, end - p));
      p = end;
      if (p < bytes.size() && bytes[p] == '\r') ++p;
      if (p < bytes.size() && bytes[p] == '\n') ++p;
    }
  }

  std::optional<std::size_t> find(std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const std::string_view line = lines_[i];
      const std::size_t eq = line.find('=');
      if (eq == name.size() && sameName(line.substr(0, eq), name)) return i;
    }
    return std::nullopt;
  }

  std::string read(std::string_view name) const {
    const auto i = find(name);
    return i ? lines_[*i].substr(name.size() + 1) : std::string();
  }

  void write(std::string_view name, std::string_view value) {
    const auto i = find(name);
    if (value.empty()) {
      if (i) lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*i));
      return;
    }
    std::string line = std::string(name) + "=" + std::string(value);
    if (i) {
      lines_[*i] = std::move(line);
    } else {
      lines_.push_back(std::move(line));
    }
  }

  std::string serialize() const {
    std::string out;
    for (const auto& line : lines_) {
      out += line;
      out += "\r\n";
    }
    return out;
  }

  std::size_t size() const { return lines_.size(); }

 private:
  bool sameName(std::string_view a, std::string_view b) const {
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (fold_[static_cast<unsigned char>(a[i])] != fold_[static_cast<unsigned char>(b[i])])
        return false;
    }
    return true;
  }

  platform::CaseFold fold_;
  std::vector<std::string> lines_;
};

}  // namespace dorvena::bench
