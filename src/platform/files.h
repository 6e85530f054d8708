#pragma once
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace dorvena::platform {

// A path as the platform writes it in its messages (ANSI code page bytes on Windows).
std::string pathText(const std::filesystem::path& path);

bool fileExists(const std::filesystem::path& path);
bool folderExists(const std::filesystem::path& path);
// Creates one folder; whether it worked is the caller's business to test later.
void createFolder(const std::filesystem::path& path) noexcept;

// The whole file, opened for shared reading. Raises "Cannot open file <path>".
std::string readWholeFile(const std::filesystem::path& path);

// The steps of a crash-safe replace, named so that tests can make any one of them fail.
enum class SaveStep { CreateTemp, Write, Flush, Close, Replace };

struct SaveFaults {
  // Bytes handed to one write call; 0 writes everything in one piece.
  std::size_t chunkSize = 0;
  // Asked before each step (with the bytes written so far); true makes that step fail as the OS
  // would.
  std::function<bool(SaveStep, std::size_t written)> fail;
};

// Replaces the file with `bytes` so that it is never seen half-written: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the temporary file then takes the file's place.
// On failure the previous file is untouched, no temporary file is left, and the platform's error is
// raised: "Cannot create file <path>" when the file cannot be created or replaced (folder missing,
// file read-only or held open), "Stream write error" when writing or flushing fails.
void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 const SaveFaults* faults = nullptr);

}  // namespace dorvena::platform
