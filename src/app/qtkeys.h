#pragma once
// Qt key codes to the Windows virtual-key codes the game's handlers and the
// settings speak; 0 for keys the game does not know.

namespace kf {

int virtualKeyFromQt(int qtKey);

}  // namespace kf
