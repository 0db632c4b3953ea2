#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

#include "reftables.h"

using namespace kf;

TEST(PositionText, BandEdges) {
    // Sums of 200 make 100 / sum exact, so each edge and the half step below it are hit exactly.
    struct Row { std::int32_t up, down, left, right; const char* want; } rows[] = {
        {6, 14, 1, 1, "D C"},      // v = 30, h = 50
        {7, 13, 1, 1, "DM C"},     // v = 35 exactly belongs to DM
        {69, 131, 1, 1, "D C"},    // 34.5
        {70, 130, 1, 1, "DM C"},   // 35
        {77, 123, 1, 1, "DM C"},   // 38.5
        {78, 122, 1, 1, "M C"},    // 39
        {91, 109, 1, 1, "M C"},    // 45.5
        {92, 108, 1, 1, "AM C"},   // 46
        {99, 101, 1, 1, "AM C"},   // 49.5
        {100, 100, 1, 1, "F C"},   // 50
        {11, 11, 1, 1, "F C"},     // 100 / 22 * 11 is a hair above 50
        {0, 5, 1, 1, "D C"},
        {5, 0, 1, 1, "F C"},
        {1, 1, 73, 127, "F R"},    // 36.5
        {1, 1, 74, 126, "F RC"},   // 37
        {1, 1, 93, 107, "F RC"},   // 46.5
        {1, 1, 94, 106, "F C"},    // 47
        {1, 1, 105, 95, "F C"},    // 52.5
        {1, 1, 106, 94, "F LC"},   // 53
        {1, 1, 125, 75, "F LC"},   // 62.5
        {1, 1, 126, 74, "F L"},    // 63
        {1, 1, 0, 9, "F R"},
        {1, 1, 9, 0, "F L"},
        {10, 10, 0, 0, ""},        // no horizontal code
        {0, 0, 10, 10, ""},        // no vertical code
        {0, 0, 0, 0, ""},
        {INT32_MAX, INT32_MAX, INT32_MAX, 0, "F L"},  // sums beyond int32 still count
    };
    for (const Row& r : rows)
        EXPECT_EQ(positionText(r.up, r.down, r.left, r.right), r.want)
            << r.up << "," << r.down << "," << r.left << "," << r.right;
}

TEST(Lookups, RegionsRolesFieldSizes) {
    struct Row { int value; const char* region; const char* role; const char* size; } rows[] = {
        {-1, "", "", ""},
        {0, "Europe", "Player", ""},
        {1, "South America", "Admin", "Small"},
        {2, "", "Master", "Normal"},
        {3, "", "", "Large"},
        {4, "", "", ""},
        {255, "", "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(regionName(r.value), r.region) << r.value;
        EXPECT_EQ(roleName(r.value), r.role) << r.value;
        EXPECT_EQ(fieldSizeName(r.value), r.size) << r.value;
    }
    struct Name { const char* name; int want; } names[] = {
        {"Europe", 0}, {"South America", 1}, {"South america", -1}, {"europe", -1}, {"Any", -1}, {"", -1},
    };
    for (const Name& n : names) EXPECT_EQ(regionIndex(n.name), n.want) << n.name;
}

TEST(AllowedName, CharacterSet) {
    struct Row { std::string name; bool want; } rows[] = {
        {"", true},
        {"Big Boss!", true},
        {"o'neil_2.x-y@z", true},
        {"ABCXYZ abcxyz 0189", true},
        {"a#b", false},
        {"caf\xE9", false},            // Windows-1252 e acute
        {"\xC9mile", false},           // E acute
        {"tab\there", false},
        {"semi;colon", false},
        {"a\"b", false},
        {"x+y", false},
        {"back`tick", false},
        {std::string("nul\0byte", 8), false},
    };
    for (const Row& r : rows) EXPECT_EQ(allowedName(r.name), r.want) << '"' << r.name << '"';
    // Every byte: exactly the 26 + 26 + 10 + 7 characters of the set.
    int allowed = 0;
    for (int c = 0; c < 256; ++c) allowed += allowedChar(static_cast<char>(c));
    EXPECT_EQ(allowed, 69);
}

TEST(ExperienceLevel, LevelBoundaries) {
    struct Row { std::int32_t e; const char* want; } rows[] = {
        {0, "0"}, {1, "0"}, {48, "0"}, {49, "1"}, {195, "1"}, {196, "2"},
        {440, "2"}, {441, "3"}, {49 * 100 * 100 - 1, "99"}, {49 * 100 * 100, "100"},
        {INT32_MAX, "6620"},
        {-1, "0"}, {INT32_MIN, "0"},  // no square root: lowest level
    };
    for (const Row& r : rows) EXPECT_EQ(experienceLevel(r.e), r.want) << r.e;
}

TEST(ValidEmail, Cases) {
    struct Row { std::string text; bool want; } rows[] = {
        {"john@example.com", true},
        {"john@example", false},                // one label
        {"john@1example.com", false},           // label starts with a digit
        {"john@example.1com", false},
        {"john@-example.com", false},           // label starts with "-"
        {".john@example.com", false},           // local part starts with "."
        {"jo-hn@ex-am-ple.com", true},          // hyphens inside local part and labels
        {"john@ex--ample.com", true},
        {"john@example-.com", false},           // label ends in "-" before "."
        {"john@example.com-", false},
        {"\"john smith\"@example.com", true},   // quoted local part with a blank
        {"\"jo\\\"hn\"@example.com", true},     // escaped quote inside quotes
        {"\"a\".b@example.com", true},
        {"\"a\"b@example.com", false},          // nothing may follow a closing quote but "@" or "."
        {"\"a\rb\"@example.com", false},        // carriage return inside quotes
        {"\"unclosed@example.com", false},
        {"john..smith@example.com", false},     // two dots in a row
        {"john.@example.com", false},
        {"john.smith@example.com", true},
        {"john@example..com", false},
        {"john@example.com.", false},
        {"john@.example.com", false},
        {"@example.com", false},
        {"john@", false},
        {"john", false},
        {"", false},
        {"jo hn@example.com", false},           // blank outside quotes
        {"john@@example.com", false},
        {"a@b.c", true},
        {"a@b.c.d.e9", true},
        {"j\xF6rg@example.com", true},          // bytes 128-255 are atom characters
        {"j\xF6rg@ex\xE4mple.com", false},      // but not domain letters
        {"john!#$%&'*+-=?^_`{|}~@example.com", true},
        {"jo(hn@example.com", false},
        {"jo\x7Fhn@example.com", false},        // DEL
        {"jo\x1Fhn@example.com", false},        // control character
        {"john@exa_mple.com", false},
        {"john@EXAMPLE.COM", true},
        {"john@example.com ", false},
    };
    for (const Row& r : rows) EXPECT_EQ(validEmail(r.text), r.want) << '"' << r.text << '"';
}
