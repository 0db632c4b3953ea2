#pragma once
// Animation triggers: every write of a player's motion state or a keeper's
// action state passes through these, from the state datagrams and from the
// practice hand-over alike. They set the trigger flags and restart the clocks
// that the model drawing reads.

namespace kf {

void playerAnimTriggers(int team, int slot);
void keeperAnimTriggers(int team);

}  // namespace kf
