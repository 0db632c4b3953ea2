#pragma once
// The fixed country table: the server sends only an index, the lobby shows the
// code beside the flag and the name in selection lists. Texts are bytes of the
// game's code page (Windows-1252), kept exactly as the web pages expect them,
// character references ("&nbsp;", "&aring;") included.

#include <string>
#include <string_view>
#include <vector>

namespace kf {

constexpr int kCountryCount = 234;  // indices 0 .. 233; 229 and 230 are unused

// Code shown in list rows; empty outside the table or for an unused entry.
std::string countryCode(int index);
// Name shown in selection lists; empty outside the table or for an unused entry.
std::string countryName(int index);
// Exact, case-sensitive match against the names of the nationality list and
// "United kingdom" (index 0); every other text, the remaining table names
// included, gives -1.
int countryIndex(std::string_view name);
// The names offered by the advanced search's "Nationality" list, alphabetical:
// bytes compared with A-Z folded to a-z, ties broken by the plain bytes.
const std::vector<std::string>& nationalityList();

// Source rectangle in "data/textures/2d/flags.png": 10 flags per row, 16 x 11
// pixels each, in index order. right and bottom are exclusive.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool isEmpty() const { return right <= left || bottom <= top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr int kFlagWidth = 16;
constexpr int kFlagHeight = 11;
constexpr int kFlagsPerRow = 10;
constexpr int kFlagCells = 240;  // the image's 24 rows

// The cell of flag n for 0 <= n < kFlagCells; an empty rectangle otherwise
// (the image has no such cell: callers hide the flag and the code).
TRect flagCell(int index);

}  // namespace kf
