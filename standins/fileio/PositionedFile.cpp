#include "PositionedFile.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fileio {

PositionedFile::~PositionedFile()
{
    close();
}

#ifdef _WIN32

bool PositionedFile::open(const std::filesystem::path& path, Mode mode)
{
    close();
    const DWORD access = mode == Mode::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    handle_ = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          mode == Mode::Create ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return isOpen();
}

void PositionedFile::close()
{
    if (isOpen())
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

bool PositionedFile::isOpen() const
{
    return handle_ != INVALID_HANDLE_VALUE;
}

uint64_t PositionedFile::size() const
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

// The file pointer is moved and the transfer made without an OVERLAPPED: under Wine an
// OVERLAPPED transfer costs a round trip to the server for its completion, which made each
// of the many small writes of a save several times dearer. A PositionedFile belongs to one thread.
static bool seek(void* handle, uint64_t offset)
{
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(handle, at, nullptr, FILE_BEGIN) != 0;
}

bool PositionedFile::read(uint64_t offset, void* data, size_t size) const
{
    DWORD done = 0;
    return seek(handle_, offset) && ReadFile(handle_, data, static_cast<DWORD>(size), &done, nullptr) && done == size;
}

bool PositionedFile::write(uint64_t offset, const void* data, size_t size)
{
    DWORD done = 0;
    return seek(handle_, offset) && WriteFile(handle_, data, static_cast<DWORD>(size), &done, nullptr) && done == size;
}

bool PositionedFile::sync()
{
    return FlushFileBuffers(handle_) != 0;
}

#else

bool PositionedFile::open(const std::filesystem::path& path, Mode mode)
{
    close();
    const int flags = mode == Mode::Read ? O_RDONLY : mode == Mode::ReadWrite ? O_RDWR : O_RDWR | O_CREAT | O_TRUNC;
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    return isOpen();
}

void PositionedFile::close()
{
    if (isOpen())
        ::close(fd_);
    fd_ = -1;
}

bool PositionedFile::isOpen() const
{
    return fd_ >= 0;
}

uint64_t PositionedFile::size() const
{
    struct stat st {};
    return fstat(fd_, &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

bool PositionedFile::read(uint64_t offset, void* data, size_t size) const
{
    return pread(fd_, data, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
}

bool PositionedFile::write(uint64_t offset, const void* data, size_t size)
{
    return pwrite(fd_, data, size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size);
}

bool PositionedFile::sync()
{
    return fsync(fd_) == 0;
}

#endif

}
