#pragma once
// A file's size and last write time as its path shows them: a write in place
// by this library is followed by taking the stamp again, so a stamp that no
// longer matches means someone else wrote or replaced the file.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace xls {

struct FileStamp {
  uint64_t size = 0;
  int64_t writeTime = 0;  // in the platform's own unit

  bool operator==(const FileStamp&) const = default;
  // Nothing when the path cannot be queried.
  static std::optional<FileStamp> Of(const std::filesystem::path& path);
};

}  // namespace xls
