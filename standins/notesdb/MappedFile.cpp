#include "MappedFile.h"

#include <stdexcept>
#include <string>

#include "textcodec/Utf8.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace notesdb {

#ifdef _WIN32

MappedFile::MappedFile(const std::filesystem::path& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be opened");
    LARGE_INTEGER size{};
    const bool sized = GetFileSizeEx(handle, &size);
    if (!sized || static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) {
        CloseHandle(handle);
        throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": is too large to read");
    }
    size_ = static_cast<size_t>(size.QuadPart);
    if (size_ > 0) {
        mapping_ = CreateFileMappingW(handle, nullptr, PAGE_READONLY, 0, 0, nullptr);
        if (mapping_) data_ = static_cast<const char*>(MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, 0));
    }
    CloseHandle(handle);
    if (size_ > 0 && !data_) {
        if (mapping_) CloseHandle(mapping_);
        throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be read");
    }
}

MappedFile::~MappedFile() {
    if (data_) UnmapViewOfFile(data_);
    if (mapping_) CloseHandle(mapping_);
}

#else

MappedFile::MappedFile(const std::filesystem::path& file) {
    const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be opened");
    struct stat st{};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be opened");
    }
    size_ = static_cast<size_t>(st.st_size);
    if (size_ > 0) {
        void* data = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (data == MAP_FAILED) {
            close(fd);
            throw std::runtime_error(textcodec::Utf8::FromPath(file) + ": cannot be read");
        }
        data_ = static_cast<const char*>(data);
    }
    close(fd);
}

MappedFile::~MappedFile() {
    if (data_) munmap(const_cast<char*>(data_), size_);
}

#endif

}  // namespace notesdb
