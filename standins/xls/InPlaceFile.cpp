#include "InPlaceFile.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include "XlsError.h"
#include "textcodec/Utf8.h"

namespace xls {

InPlaceFile::InPlaceFile(const std::filesystem::path& path) : path_(path) {
#ifdef _WIN32
  // Sharing deletion too keeps a replacing save (this library's or another
  // program's) possible while the file is held.
  const HANDLE handle = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) Fail();
  handle_ = handle;
#else
  file_.open(path_, std::ios::in | std::ios::out | std::ios::binary);
  if (!file_) Fail();
#endif
}

InPlaceFile::~InPlaceFile() {
#ifdef _WIN32
  CloseHandle(handle_);
#endif
}

void InPlaceFile::Write(uint64_t offset, const uint8_t* data, size_t size) {
#ifdef _WIN32
  // Positioned, synchronous writes: one given an OVERLAPPED costs Wine a server call.
  LARGE_INTEGER at;
  at.QuadPart = static_cast<LONGLONG>(offset);
  DWORD written = 0;
  if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) ||
      !WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr) || written != size)
    Fail();
#else
  file_.seekp(static_cast<std::streamoff>(offset));
  file_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  file_.flush();
  if (!file_) Fail();
#endif
}

void InPlaceFile::Fail() const {
  throw XlsError(kStateGeneral, "The workbook cannot be written: " + textcodec::Utf8::FromPath(path_));
}

}  // namespace xls
