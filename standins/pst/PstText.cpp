#include "PstText.h"

#include <algorithm>

#include "textcodec/Utf8.h"

namespace pst {

namespace {

// The 0x80-0x9F range of Windows-1252 (U+FFFD where a byte has no character); the
// rest of it matches Latin-1.
const char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

}

std::vector<uint8_t> PstText::encode(const std::string& utf8, bool unicode)
{
    std::vector<uint8_t> out;
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        out.reserve(utf8.size() * (unicode ? 2 : 1));
        for (char c : utf8) {
            out.push_back(static_cast<uint8_t>(c));
            if (unicode)
                out.push_back(0);
        }
        return out;
    }
    if (unicode) {
        const std::u16string wide = textcodec::Utf8::ToUtf16(utf8);
        out.reserve(wide.size() * 2);
        for (char16_t unit : wide) {
            out.push_back(static_cast<uint8_t>(unit));
            out.push_back(static_cast<uint8_t>(unit >> 8));
        }
        return out;
    }
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = textcodec::Utf8::Next(utf8, i);
        uint8_t b = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) {
            b = static_cast<uint8_t>(cp);
        } else {
            // U+FFFD has no byte of its own: it is written as '?', as Windows does.
            for (int k = 0; k < 32; ++k)
                if (kCp1252High[k] == cp && cp != 0xFFFD)
                    b = static_cast<uint8_t>(0x80 + k);
        }
        out.push_back(b);
    }
    return out;
}

std::string PstText::decode(const std::vector<uint8_t>& data, bool unicode)
{
    std::string out;
    if (!unicode) {
        for (uint8_t b : data) {
            if (b == 0)
                break;
            textcodec::Utf8::Append(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b);
        }
        return out;
    }
    std::u16string wide;
    wide.reserve(data.size() / 2);
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0)
            break;
        wide += unit;
    }
    // An unpaired surrogate in the file reads as U+FFFD, so the text stays valid UTF-8.
    return textcodec::Utf8::FromUtf16(wide);
}

}
