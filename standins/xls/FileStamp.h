#pragma once
// A file's size, last write time and identity as its path shows them: a write
// in place by this library is followed by taking the stamp again, so a stamp
// that no longer matches means someone else wrote or replaced the file. The
// identity tells a file saved anew in the same clock tick and of the same size
// from the one it replaced.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace xls {

struct FileStamp {
  uint64_t size = 0;
  int64_t writeTime = 0;  // in the platform's own unit
  uint64_t identity = 0;  // the file's creation time (Windows) or inode number

  bool operator==(const FileStamp&) const = default;
  // Nothing when the path cannot be queried.
  static std::optional<FileStamp> Of(const std::filesystem::path& path);
};

}  // namespace xls
