#include "wav_info.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace kf {

namespace {

uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }

}  // namespace

// offset 0      4     8      12
//        "RIFF" size  "WAVE" chunks: id(4) size(4) body, padded to even
// "fmt " body: format(2) channels(2) sampleRate(4) byteRate(4) ...
bool wavDurationFromBytes(const uint8_t* b, size_t size, double* seconds) {
    if (size < 12 || std::memcmp(b, "RIFF", 4) != 0 || std::memcmp(b + 8, "WAVE", 4) != 0)
        return false;
    uint32_t byteRate = 0;
    size_t pos = 12;
    while (pos + 8 <= size) {
        const uint8_t* id = b + pos;
        const uint32_t len = le32(b + pos + 4);
        const size_t body = pos + 8;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (len < 16 || body + 16 > size) return false;
            byteRate = le32(b + body + 8);
        } else if (std::memcmp(id, "data", 4) == 0) {
            if (byteRate == 0) return false;
            // A truncated file plays what it has.
            const size_t have = std::min<size_t>(len, size - body);
            *seconds = double(have) / byteRate;
            return true;
        }
        pos = body + len + (len & 1);
    }
    return false;
}

bool wavDuration(const std::string& file, double* seconds) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return wavDurationFromBytes(bytes.data(), bytes.size(), seconds);
}

}  // namespace kf
