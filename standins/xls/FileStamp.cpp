#include "FileStamp.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace xls {

std::optional<FileStamp> FileStamp::Of(const std::filesystem::path& path) {
#ifdef _WIN32
  // One query for all, in 100 ns steps (the C runtime's stat counts whole seconds).
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  auto value = [](DWORD high, DWORD low) { return (uint64_t{high} << 32) | low; };
  return FileStamp{value(data.nFileSizeHigh, data.nFileSizeLow),
                   static_cast<int64_t>(value(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)),
                   value(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime)};
#else
  struct stat data;
  if (stat(path.c_str(), &data) != 0) return std::nullopt;
  return FileStamp{static_cast<uint64_t>(data.st_size),
                   static_cast<int64_t>(data.st_mtim.tv_sec) * 1000000000 + data.st_mtim.tv_nsec,
                   static_cast<uint64_t>(data.st_ino)};
#endif
}

}  // namespace xls
