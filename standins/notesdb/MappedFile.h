#pragma once
#include <cstddef>
#include <filesystem>
#include <string_view>

namespace notesdb {

// A file's bytes mapped read-only into memory: large databases are read without
// copying them into fresh memory page by page.
class MappedFile {
public:
    // Throws std::runtime_error when the file cannot be opened or mapped.
    explicit MappedFile(const std::filesystem::path& file);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    size_t size_ = 0;
#ifdef _WIN32
    void* mapping_ = nullptr;
#endif
};

}  // namespace notesdb
