#include "FileStamp.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace xls {

std::optional<FileStamp> FileStamp::Of(const std::filesystem::path& path) {
#ifdef _WIN32
  // One query for both, in 100 ns steps (the C runtime's stat counts whole seconds).
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return FileStamp{(uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow,
                   static_cast<int64_t>((uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) |
                                        data.ftLastWriteTime.dwLowDateTime)};
#else
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return std::nullopt;
  const auto time = std::filesystem::last_write_time(path, ec);
  if (ec) return std::nullopt;
  return FileStamp{size, static_cast<int64_t>(time.time_since_epoch().count())};
#endif
}

}  // namespace xls
