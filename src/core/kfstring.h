#pragma once
// Fixed-capacity string of the wire and of several global records: one length
// byte followed by N characters (N + 1 bytes in all). Characters are bytes of
// the game's single-byte code page (Windows-1252); nothing here decodes them.
//
// offset 0     1 ... N
//        len   characters (only the first len are meaningful)
//
// Writers truncate to N; a length byte above N read from the wire is cut to N.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace kf {

template <std::size_t N>
struct TStr {
    static_assert(N > 0 && N < 256, "a length byte holds at most 255");
    static constexpr std::size_t capacity = N;
    static constexpr std::size_t wireSize = N + 1;

    std::uint8_t len = 0;
    char chars[N] = {};

    TStr() = default;
    TStr(std::string_view s) { assign(s); }  // NOLINT: implicit on purpose, like the original's strings

    void assign(std::string_view s) {
        len = static_cast<std::uint8_t>(std::min(s.size(), N));
        std::memset(chars, 0, N);
        std::memcpy(chars, s.data(), len);
    }
    TStr& operator=(std::string_view s) { assign(s); return *this; }

    std::string_view view() const { return {chars, std::min<std::size_t>(len, N)}; }
    std::string str() const { return std::string(view()); }
    bool empty() const { return len == 0; }
    std::size_t size() const { return view().size(); }

    // Reads N + 1 bytes; returns false (and leaves the string empty) when fewer are given.
    bool decode(std::span<const std::uint8_t> in) {
        assign({});
        if (in.size() < wireSize) return false;
        std::size_t n = std::min<std::size_t>(in[0], N);
        std::memcpy(chars, in.data() + 1, n);
        len = static_cast<std::uint8_t>(n);
        return true;
    }
    // Writes exactly N + 1 bytes: the length, the characters, zero padding.
    void encode(std::span<std::uint8_t> out) const {
        if (out.size() < wireSize) return;
        std::size_t n = size();
        out[0] = static_cast<std::uint8_t>(n);
        std::memcpy(out.data() + 1, chars, n);
        std::memset(out.data() + 1 + n, 0, N - n);
    }

    friend bool operator==(const TStr& a, const TStr& b) { return a.view() == b.view(); }
    friend bool operator==(const TStr& a, std::string_view b) { return a.view() == b; }
};

}  // namespace kf
