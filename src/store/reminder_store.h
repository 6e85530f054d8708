#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/case_fold.h"
#include "platform/files.h"

namespace dorvena::store {

// The planner's name=value lines in the order they were added, and the file that keeps them.
//
// A line's name is the text before its first "="; a line without "=" has none. Names compare
// through the case fold. A name is looked up as a scan from the top would find it: the first line
// with that name wins. An index over the names makes that fast without changing the answer.
class ReminderStore {
 public:
  explicit ReminderStore(platform::CaseFold fold = platform::asciiCaseFold());
  ~ReminderStore();
  ReminderStore(const ReminderStore&) = delete;
  ReminderStore& operator=(const ReminderStore&) = delete;
  // A store that has been moved from may only be assigned to or destroyed.
  ReminderStore(ReminderStore&&) noexcept;
  ReminderStore& operator=(ReminderStore&&) noexcept;

  // Position, from 0 at the top, of the first line whose name equals `name`.
  std::optional<std::size_t> find(std::string_view name) const;
  // The text after the found line's first "="; empty when no line has the name.
  std::string read(std::string_view name) const;
  // A non-empty value replaces the found line by name + "=" + value, with the name as passed, or
  // appends that line; an empty value removes the found line. No other line moves or changes.
  void write(std::string_view name, std::string_view value);

  std::size_t size() const;
  std::vector<std::string> lines() const;
  void clear();

  // Replaces every line by those of `bytes` as the file is read: a NUL ends the text, and CR LF,
  // a lone CR or a lone LF each end a line.
  void parse(std::string_view bytes);
  // Every line followed by CR LF.
  std::string serialize() const;

  void setFileName(std::filesystem::path path);
  const std::filesystem::path& fileName() const;
  // Replaces the lines by the file's; when the file cannot be read the store keeps its lines.
  void load();
  // Replaces the file by serialize(); a failed save leaves the file as it was.
  void save(const platform::SaveFaults* faults = nullptr) const;
  // Faults every later save runs with, for tests that make the disk fail under a whole operation.
  void setSaveFaults(const platform::SaveFaults* faults) { saveFaults_ = faults; }

 private:
  struct Line;
  struct Chain;
  struct Content;

  void adopt(std::string bytes);

  std::unique_ptr<Content> content_;
  std::filesystem::path fileName_;
  const platform::SaveFaults* saveFaults_ = nullptr;
};

}  // namespace dorvena::store
