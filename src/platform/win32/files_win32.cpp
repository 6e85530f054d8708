#include <windows.h>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/temp_file.h"
#include "platform/win32/handles.h"

namespace dorvena::platform {
namespace fs = std::filesystem;

std::string pathText(const fs::path& path) {
  const std::wstring& w = path.native();
  if (w.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr,
                      nullptr);
  return out;
}

bool fileExists(const fs::path& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool folderExists(const fs::path& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void createFolder(const fs::path& path) noexcept {
  CreateDirectoryW(path.c_str(), nullptr);
}

std::string readWholeFile(const fs::path& path) {
  win32::Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size)) throw Error("Cannot open file " + pathText(path));
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 30));
    DWORD n = 0;
    if (!ReadFile(file.get(), bytes.data() + got, want, &n, nullptr)) throw Error("Read error");
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  return bytes;
}

namespace {

class NativeTempFile final : public detail::TempFile {
 public:
  explicit NativeTempFile(fs::path path) : path_(std::move(path)) {}
  ~NativeTempFile() override {
    file_.reset();
    if (!kept_) DeleteFileW(path_.c_str());
  }
  bool create() override {
    file_.reset(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
  }
  bool write(const char* data, std::size_t size) override {
    while (size > 0) {
      const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
      DWORD n = 0;
      if (!WriteFile(file_.get(), data, want, &n, nullptr) || n == 0) return false;
      data += n;
      size -= n;
    }
    return true;
  }
  bool flush() override { return FlushFileBuffers(file_.get()) != 0; }
  bool close() override { return file_.close(); }
  bool replace(const fs::path& target) override {
    if (!MoveFileExW(path_.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    kept_ = true;
    return true;
  }

 private:
  fs::path path_;
  win32::Handle file_;
  bool kept_ = false;
};

}  // namespace

namespace detail {

bool isReadOnlyOrFolder(const fs::path& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

std::unique_ptr<TempFile> makeTempFileFor(const fs::path& target) {
  return std::make_unique<NativeTempFile>(fs::path(target) += L".saving");
}

}  // namespace detail

}  // namespace dorvena::platform
