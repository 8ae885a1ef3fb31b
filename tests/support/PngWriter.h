#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Writes 24-bit RGB images as PNG files. The image data goes into stored
// (uncompressed) deflate blocks, which every PNG reader accepts; test images are
// small, so size does not matter and no compression library is needed.
class PngWriter {
public:
    // rgb: height rows of width pixels, three bytes each (red, green, blue), no padding.
    static std::vector<std::uint8_t> Encode(int width, int height, const std::vector<std::uint8_t>& rgb);
    static bool Save(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb);

    static std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
    static std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);
};

} // namespace testsupport
