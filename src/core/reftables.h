#pragma once
// Small fixed lookups that turn the numbers sent by the web scripts and the
// master server into lobby texts, and the character rules of names and
// e-mail addresses. Texts are bytes of the game's code page (Windows-1252).

#include <cstdint>
#include <string>
#include <string_view>

namespace kf {

// Position code from time spent in the attacking half (up), the defending half
// (down), on the left and on the right: "<vertical> <horizontal>", e.g. "DM C";
// empty unless both pairs have a positive sum.
std::string positionText(std::int32_t up, std::int32_t down, std::int32_t left, std::int32_t right);

// 0 "Europe", 1 "South America"; empty for any other value.
std::string regionName(int index);
// Exact comparison with the two region names; -1 for anything else.
int regionIndex(std::string_view name);

// Team role: 0 "Player", 1 "Admin", 2 "Master"; empty for any other value.
std::string roleName(int role);
// Pitch size: 1 "Small", 2 "Normal", 3 "Large"; empty for any other value.
std::string fieldSizeName(int size);

// The name character set: a-z in either case, 0-9, apostrophe, "_", "@", ".",
// "-", "!" and the blank. Only ASCII letters count; accented letters do not.
bool allowedChar(char c);
// Every character allowed; the empty text passes.
bool allowedName(std::string_view name);

// Displayed level of an experience count: trunc(sqrt(e) / 7) as decimal text,
// so level L starts at 49 * L * L. A negative count shows level "0".
std::string experienceLevel(std::int32_t experience);

// E-mail syntax check of the registration form: a local part of atoms joined
// by "." (or quoted strings), "@", and a domain of at least two labels that
// start with a letter, hold letters, digits and inner hyphens.
bool validEmail(std::string_view text);

}  // namespace kf
