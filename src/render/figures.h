#pragma once
// Field players and goalkeepers: one shared model instance each, dressed,
// posed and placed per figure; the name labels; the tutorial's wall.

namespace kf {

void renderPlayers();
void renderPlayer(int team, int slot);
void renderKeeper(int k);
// The five wall players of the last tutorial step (not culled, first animation at frame 0).
void renderWallFigures();

}  // namespace kf
