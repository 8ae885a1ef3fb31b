#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notesdb {

// Binary content written as text: base64 (RFC 4648, padding optional) or hex.
// Whitespace between characters is ignored, so long content may span lines.
class ByteCodec {
public:
    enum class Encoding : uint8_t { Text, Base64, Hex };

    // Decoded size, or nothing when the text is not valid in the encoding.
    static std::optional<uint64_t> DecodedSize(Encoding encoding, std::string_view text);
    // The text must have passed DecodedSize.
    static std::string Decode(Encoding encoding, std::string_view text);
    static std::string EncodeBase64(std::string_view bytes);
};

}  // namespace notesdb
