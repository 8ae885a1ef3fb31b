#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace fileio {

// An open file read and written at offsets, and made durable on request (what a
// commit needs and a stream does not give: a way to wait until the disk has the bytes).
// The path keeps every character (a wide path on Windows).
class PositionedFile {
public:
    enum class Mode { Read, ReadWrite, Create };

    PositionedFile() = default;
    ~PositionedFile();
    PositionedFile(const PositionedFile&) = delete;
    PositionedFile& operator=(const PositionedFile&) = delete;

    bool open(const std::filesystem::path& path, Mode mode);
    void close();
    bool isOpen() const;
    uint64_t size() const;
    bool read(uint64_t offset, void* data, size_t size) const;
    bool write(uint64_t offset, const void* data, size_t size);
    // Returns once everything written so far is on the disk.
    bool sync();

private:
#ifdef _WIN32
    void* handle_ = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
#else
    int fd_ = -1;
#endif
};

}
