#include "PstText.h"

#include <algorithm>

namespace pst {

namespace {

// The 0x80-0x9F range of Windows-1252; the rest of it matches Latin-1.
const char16_t kCp1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

std::u32string toCodePoints(const std::string& utf8)
{
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= utf8.size() + (extra == 0 ? 1 : 0)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char d = static_cast<unsigned char>(utf8[i + k]);
            ok = ok && (d & 0xC0) == 0x80;
            cp = (cp << 6) | (d & 0x3F);
        }
        out.push_back(ok ? cp : 0xFFFD);
        i += ok ? extra + 1 : 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

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
    for (char32_t cp : toCodePoints(utf8)) {
        if (unicode) {
            if (cp >= 0x10000) {
                const char32_t v = cp - 0x10000;
                for (char32_t unit : {0xD800 + (v >> 10), 0xDC00 + (v & 0x3FF)}) {
                    out.push_back(static_cast<uint8_t>(unit));
                    out.push_back(static_cast<uint8_t>(unit >> 8));
                }
            } else {
                out.push_back(static_cast<uint8_t>(cp));
                out.push_back(static_cast<uint8_t>(cp >> 8));
            }
            continue;
        }
        uint8_t b = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp < 0x100)) {
            b = static_cast<uint8_t>(cp);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kCp1252High[k] == cp)
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
            appendUtf8(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b);
        }
        return out;
    }
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        char32_t u = data[i] | (data[i + 1] << 8);
        if (u == 0)
            break;
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < data.size()) {
            const char32_t low = data[i + 2] | (data[i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                u = 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, u);
    }
    return out;
}

}
