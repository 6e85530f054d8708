#pragma once
#include <filesystem>
#include <memory>

namespace dorvena::platform::detail {

// The OS half of a crash-safe replace: each call tells whether the system agreed. The file is
// removed when the object goes away, unless it has replaced its target.
class TempFile {
 public:
  virtual ~TempFile() = default;
  virtual bool create() = 0;
  virtual bool write(const char* data, std::size_t size) = 0;
  virtual bool flush() = 0;
  virtual bool close() = 0;
  virtual bool replace(const std::filesystem::path& target) = 0;
};

std::unique_ptr<TempFile> makeTempFileFor(const std::filesystem::path& target);
// The store file must be left alone when it is read-only, as Windows would refuse to replace it.
bool isReadOnlyOrFolder(const std::filesystem::path& path);

}  // namespace dorvena::platform::detail
