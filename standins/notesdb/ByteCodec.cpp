#include "ByteCodec.h"

namespace notesdb {

namespace {

// Character classes, by byte: a digit's value, or one of the marks below.
constexpr int8_t invalid = -1, space = -2, pad = -3;

struct Table {
    int8_t value[256];
};

constexpr Table MakeTable(bool hex) {
    Table t{};
    for (int c = 0; c < 256; ++c) t.value[c] = invalid;
    for (char c : {' ', '\t', '\r', '\n'}) t.value[static_cast<unsigned char>(c)] = space;
    if (hex) {
        for (int i = 0; i < 10; ++i) t.value['0' + i] = static_cast<int8_t>(i);
        for (int i = 0; i < 6; ++i) t.value['a' + i] = t.value['A' + i] = static_cast<int8_t>(10 + i);
    } else {
        for (int i = 0; i < 26; ++i) {
            t.value['A' + i] = static_cast<int8_t>(i);
            t.value['a' + i] = static_cast<int8_t>(26 + i);
        }
        for (int i = 0; i < 10; ++i) t.value['0' + i] = static_cast<int8_t>(52 + i);
        t.value[static_cast<unsigned char>('+')] = 62;
        t.value[static_cast<unsigned char>('/')] = 63;
        t.value[static_cast<unsigned char>('=')] = pad;
    }
    return t;
}

constexpr Table base64Table = MakeTable(false);
constexpr Table hexTable = MakeTable(true);

// One walk serves both checking and decoding, so the two cannot disagree.
std::optional<uint64_t> Walk(ByteCodec::Encoding encoding, std::string_view text, std::string* out) {
    using Encoding = ByteCodec::Encoding;
    if (encoding == Encoding::Text) {
        if (out) out->assign(text);
        return text.size();
    }
    uint64_t size = 0;
    uint32_t acc = 0;
    int bits = 0;
    size_t digits = 0, padding = 0;
    const bool hex = encoding == Encoding::Hex;
    const int8_t* table = hex ? hexTable.value : base64Table.value;
    const int width = hex ? 4 : 6;
    for (char c : text) {
        const int v = table[static_cast<unsigned char>(c)];
        if (v >= 0) {
            if (padding) return std::nullopt;  // data after padding
            ++digits;
            acc = (acc << width) | static_cast<uint32_t>(v);
            bits += width;
            if (bits >= 8) {
                bits -= 8;
                if (out) *out += static_cast<char>((acc >> bits) & 0xFF);
                ++size;
            }
        } else if (v == pad) {
            ++padding;
        } else if (v != space) {
            return std::nullopt;
        }
    }
    if (encoding == Encoding::Hex) {
        if (digits % 2) return std::nullopt;
    } else {
        if (digits % 4 == 1 || padding > 2) return std::nullopt;
        if (padding && (digits + padding) % 4) return std::nullopt;
        if ((acc & ((1u << bits) - 1)) != 0) return std::nullopt;  // stray low bits: not canonical
    }
    return size;
}

}  // namespace

std::optional<uint64_t> ByteCodec::DecodedSize(Encoding encoding, std::string_view text) {
    return Walk(encoding, text, nullptr);
}

std::string ByteCodec::Decode(Encoding encoding, std::string_view text) {
    std::string out;
    if (auto size = Walk(encoding, text, nullptr)) {
        out.reserve(static_cast<size_t>(*size));
        Walk(encoding, text, &out);
    }
    return out;
}

std::string ByteCodec::EncodeBase64(std::string_view bytes) {
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const uint32_t v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += alphabet[v & 63];
    }
    if (i < bytes.size()) {
        uint32_t v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

}  // namespace notesdb
