#pragma once
// Windows virtual-key codes, the key numbers the settings store and the
// match window's handlers speak ("tackle key" 65 is A).

namespace kf {

enum TVirtualKey : int {
    vkBack = 8,
    vkReturn = 13,
    vkEscape = 27,
    vkF1 = 0x70,
    vkF2 = 0x71,
    vkF3 = 0x72,
    vkF4 = 0x73,
    vkF5 = 0x74,
    vkF6 = 0x75,
    vkF7 = 0x76,
    vkF8 = 0x77,
    vkF9 = 0x78,
    vkF10 = 0x79,
    vkF11 = 0x7A,
    vkF12 = 0x7B,
};

}  // namespace kf
