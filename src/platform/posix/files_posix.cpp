#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/temp_file.h"

namespace dorvena::platform {
namespace fs = std::filesystem;

std::string pathText(const fs::path& path) {
  return path.string();
}

bool fileExists(const fs::path& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool folderExists(const fs::path& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void createFolder(const fs::path& path) noexcept {
  ::mkdir(path.c_str(), 0777);
}

std::string readWholeFile(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st;
  if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (fd >= 0) ::close(fd);
    throw Error("Cannot open file " + pathText(path));
  }
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  for (;;) {
    if (got == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);  // the file grew meanwhile
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw Error("Read error");
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return bytes;
}

namespace {

class NativeTempFile final : public detail::TempFile {
 public:
  explicit NativeTempFile(fs::path path) : path_(std::move(path)) {}
  ~NativeTempFile() override {
    if (fd_ >= 0) ::close(fd_);
    if (!kept_) ::unlink(path_.c_str());
  }
  bool create() override {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0;
  }
  bool write(const char* data, std::size_t size) override {
    while (size > 0) {
      const ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<std::size_t>(n);
    }
    return true;
  }
  bool flush() override { return ::fsync(fd_) == 0; }
  bool close() override {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  bool replace(const fs::path& target) override {
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    kept_ = true;
    return true;
  }

 private:
  fs::path path_;
  int fd_ = -1;
  bool kept_ = false;
};

}  // namespace

namespace detail {

bool isReadOnlyOrFolder(const fs::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  // A file without its owner's write bit stands for the Windows read-only attribute: even root
  // must not replace it, as the program would not on Windows.
  return !S_ISREG(st.st_mode) || (st.st_mode & S_IWUSR) == 0;
}

std::unique_ptr<TempFile> makeTempFileFor(const fs::path& target) {
  return std::make_unique<NativeTempFile>(fs::path(target) += ".saving");
}

}  // namespace detail

}  // namespace dorvena::platform
