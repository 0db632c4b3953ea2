#include "ingamedata.h"

#include "owndata.h"

namespace kf {

TIngamedata ingamedata;

void resetIngamedata() { ingamedata = TIngamedata{}; }

TSlot ownSlot() {
    // Compare as the slot stores names: cut to its 15 characters.
    const TStr<15> own(ownData.username);
    if (own.empty()) return {};
    for (int team = 1; team <= kTeams; ++team)
        for (int slot = 1; slot <= kSlots; ++slot)
            if (ingamedata.playerName(team, slot) == own) return {team, slot};
    return {};
}

}  // namespace kf
