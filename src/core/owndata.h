#pragma once
// The logged-in user's session. Empty before login; nothing clears it later.

#include <cstdint>
#include <string>

namespace kf {

inline constexpr const char* clientVersion = "0092";

struct TOwnData {
    std::string username;
    std::string teamName;
    std::int32_t teamId = 0;
    std::int32_t playerId = 0;
    std::int32_t sessionKey = 0;
    std::string token;
    std::uint8_t teamRole = 0;  // 0 Player, 1 Admin, 2 Master
    bool reconnecting = false;
};

extern TOwnData ownData;

}  // namespace kf
