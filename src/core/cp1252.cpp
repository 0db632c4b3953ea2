#include "cp1252.h"

#include <cstdint>

namespace kf {

namespace {

// 0x80 .. 0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD;
        appendUtf8(out, c);
    }
    return out;
}

std::string utf8ToCp1252(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        char32_t c;
        int len;
        if (b < 0x80) { c = b; len = 1; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; len = 2; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; len = 3; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; len = 4; }
        else { out.push_back('?'); ++i; continue; }
        if (i + len > s.size()) { out.push_back('?'); break; }
        for (int k = 1; k < len; ++k) c = (c << 6) | (static_cast<std::uint8_t>(s[i + k]) & 0x3F);
        i += len;
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) { out.push_back(static_cast<char>(c)); continue; }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] && kHigh[k] == c) mapped = static_cast<char>(0x80 + k);
        out.push_back(mapped);
    }
    return out;
}

}  // namespace kf
