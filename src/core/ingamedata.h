#pragma once
// The displayed match state: one global record filled by the game server
// (online) or by the practice simulation, and read by everything that draws.
// Every field has a zero default, so `resetIngamedata()` (assignment of a
// value-initialised record) is the one reset used when a match starts.

#include <array>
#include <cstdint>
#include <string>

#include "indexed.h"
#include "kfstring.h"
#include "rgb.h"
#include "vec2.h"

namespace kf {

constexpr int kAnimKinds = 51;

// Indices of the six counters of the match-end statistics.
enum TMatchStat { statShotsTotal, statShotsOnGoal, statOffsides, statThrowIns, statGoalKicks, statCornerKicks };

struct TIngamedata {
    bool practice = false;

    PerPlayer<TStr<15>> playerName;
    PerPlayer<bool> playerHighlight;
    PerPlayer<TVec2> playerPos;
    PerPlayer<double> playerDir;
    PerPlayer<double> playerSpeed;
    PerPlayer<std::int8_t> playerTurn;
    PerPlayer<bool> playerReady;
    PerPlayer<std::int16_t> playerCountry;
    PerPlayer<std::uint8_t> playerBody;
    PerPlayer<std::uint8_t> playerSkin;
    PerPlayer<std::uint8_t> playerHair;
    PerPlayer<std::uint8_t> playerNumber;
    PerPlayer<TRGB> playerLook;
    PerPlayer<std::uint8_t> playerMotion;
    PerPlayer<std::array<bool, kAnimKinds>> playerAnimStarted;
    PerPlayer<std::array<double, kAnimKinds>> playerAnimClock;
    PerPlayer<double> playerThrowInClock;
    PerPlayer<bool> playerThrowIn;

    PerTeam<std::array<double, kAnimKinds>> keeperAnimClock;
    PerTeam<TVec2> keeperPos;
    PerTeam<double> keeperSpeed;
    PerTeam<double> keeperDir;
    PerTeam<std::uint8_t> keeperAction;
    PerTeam<std::array<bool, kAnimKinds>> keeperAnimStarted;

    TVec2 ballPos;
    double ballSpeed = 0;
    double ballHeight = 0;
    double ballDir = 0;
    double ballClimb = 0;
    std::uint8_t keeperWithBall = 0;

    std::uint32_t gameId = 0;
    std::uint8_t viewMode = 0;  // 1 training server, 2 challenge match, 3 spectator
    std::uint8_t phase = 0;     // 0 waiting, 1 playing, 2 finished
    std::uint8_t matchMinute = 0;
    std::uint32_t minuteFrames = 0;
    std::array<std::uint8_t, 2> score{};  // team 1, team 2
    std::uint8_t kickoffTeam = 0;
    std::uint8_t half = 0;
    std::uint8_t teamSize = 0;

    TVec2 mouseTarget;
    std::int16_t mouseScreenX = 0;
    std::int16_t mouseScreenY = 0;
    bool inputLeft = false;
    bool inputRight = false;
    bool inputTackle = false;
    bool inputJump = false;
    bool menuOpen = false;
    bool clockRunning = false;

    PerTeam<TStr<20>> teamName;
    PerTeam<TStr<3>> teamShortName;
    PerTeam<TRGB> shirtColour;
    PerTeam<TRGB> patternColour;
    PerTeam<TRGB> shortsColour;
    PerTeam<TRGB> socksColour;
    PerTeam<std::uint8_t> shirtPattern;  // 1..3 pattern images; anything else plain

    std::int16_t powerBar = 0;
    std::string goalMessage;
    std::int32_t goalMessageFrames = 0;
    std::string infoMessage;
    std::int32_t infoMessageFrames = 0;

    PerTeam<std::array<std::int32_t, 6>> possessionCounts;
    PerTeam<std::array<std::uint8_t, 6>> matchStats;  // indexed by TMatchStat
};

extern TIngamedata ingamedata;

void resetIngamedata();

// True when the slot holds a player (every per-player loop skips empty names).
inline bool slotUsed(int team, int slot) { return !ingamedata.playerName(team, slot).empty(); }
// Each team's slots 1 .. rosterSlots() take part: teamSize, at most kSlots.
inline int rosterSlots() { return ingamedata.teamSize > kSlots ? kSlots : ingamedata.teamSize; }

struct TSlot {
    int team = 0;
    int slot = 0;
    friend bool operator==(const TSlot&, const TSlot&) = default;
};

// The (team, slot) holding the logged-in user's name, (0, 0) when absent.
// An empty own name never matches (unused slots have empty names too).
TSlot ownSlot();

}  // namespace kf
