#pragma once
// Length of a RIFF/WAVE clip from its header: the data chunk's size over the
// format chunk's byte rate.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kf {

bool wavDurationFromBytes(const uint8_t* bytes, size_t size, double* seconds);
bool wavDuration(const std::string& file, double* seconds);

}  // namespace kf
