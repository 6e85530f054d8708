#include <algorithm>

#include "platform/error.h"
#include "platform/files.h"
#include "platform/temp_file.h"

namespace dorvena::platform {

void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 const SaveFaults* faults) {
  const auto failing = [&](SaveStep step, std::size_t written) {
    return faults && faults->fail && faults->fail(step, written);
  };
  const auto cannotCreate = [&] { return Error("Cannot create file " + pathText(path)); };

  if (detail::isReadOnlyOrFolder(path)) throw cannotCreate();
  const auto temp = detail::makeTempFileFor(path);
  if (failing(SaveStep::CreateTemp, 0) || !temp->create()) throw cannotCreate();

  const std::size_t chunk = faults && faults->chunkSize ? faults->chunkSize : bytes.size();
  std::size_t written = 0;
  do {
    const std::size_t n = std::min(chunk, bytes.size() - written);
    if (failing(SaveStep::Write, written) || !temp->write(bytes.data() + written, n)) {
      throw Error("Stream write error");
    }
    written += n;
  } while (written < bytes.size());

  if (failing(SaveStep::Flush, written) || !temp->flush()) throw Error("Stream write error");
  if (failing(SaveStep::Close, written) || !temp->close()) throw Error("Stream write error");
  if (failing(SaveStep::Replace, written) || !temp->replace(path)) throw cannotCreate();
}

}  // namespace dorvena::platform
