#pragma once
// A file held open for writes at given offsets, so that a writer committing
// often pays for its writes and not for opening and closing the file each
// time. Others may go on reading, writing, renaming or deleting the file
// meanwhile; whoever holds one checks the file's stamp before writing.
#include <cstdint>
#include <filesystem>

#ifndef _WIN32
#include <fstream>
#endif

namespace xls {

class InPlaceFile {
 public:
  // XlsError when the file cannot be opened for writing.
  explicit InPlaceFile(const std::filesystem::path& path);
  ~InPlaceFile();
  InPlaceFile(const InPlaceFile&) = delete;
  InPlaceFile& operator=(const InPlaceFile&) = delete;

  // Reaches the system before it returns, in the order of the calls. XlsError
  // when the write fails.
  void Write(uint64_t offset, const uint8_t* data, size_t size);

 private:
  [[noreturn]] void Fail() const;

  std::filesystem::path path_;
#ifdef _WIN32
  void* handle_ = nullptr;  // a HANDLE
#else
  std::fstream file_;
#endif
};

}  // namespace xls
