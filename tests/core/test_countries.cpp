#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "countries.h"

using namespace kf;

TEST(CountryTable, SpotChecksOfCodesAndNames) {
    struct Row { int index; const char* code; const char* name; } rows[] = {
        {0, "GBR", "United kingdom"},
        {1, "USA", "United states"},
        {35, "Taiwan", "Taiwan"},
        {40, "?", "New caledonia"},
        {43, "Saudi arabia", "Saudi arabia"},
        {73, "Congo dem rep", "Congo dem rep"},
        {118, "IVB", "Virgin islands, british"},
        {168, "LAO", "Lao people's democratic republic"},
        {180, "&nbsp;", "Jersey"},
        {200, "GBS", "Guinea-bissau"},
        {203, "&aring;land islands", "&aring;land islands"},
        {210, "South georgia and the south sandwich islands", "South georgia and the south sandwich islands"},
        {228, "United states minor outlying islands", "United states minor outlying islands"},
        {229, "", ""},
        {230, "", ""},
        {231, "ENG", "England"},
        {232, "SCO", "Scotland"},
        {233, "WAL", "Wales"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(countryCode(r.index), r.code) << "index " << r.index;
        EXPECT_EQ(countryName(r.index), r.name) << "index " << r.index;
    }
}

TEST(CountryTable, OutsideTheTableIsEmpty) {
    for (int index : {-1, -1000, kCountryCount, 234, 239, 240, 1 << 30}) {
        EXPECT_EQ(countryCode(index), "") << index;
        EXPECT_EQ(countryName(index), "") << index;
    }
}

TEST(CountryTable, CodesAreThreeCapitalsExceptTheFullNamesAndTwoOddOnes) {
    int threeCapitals = 0, fullName = 0, other = 0, empty = 0;
    for (int i = 0; i < kCountryCount; ++i) {
        std::string code = countryCode(i), name = countryName(i);
        if (code.empty()) {
            ++empty;
            EXPECT_TRUE(name.empty()) << i;
        } else if (code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
            ++threeCapitals;
        } else if (code == name) {
            ++fullName;
        } else {
            ++other;
            EXPECT_TRUE(i == 40 || i == 180) << "unexpected code at " << i << ": " << code;
        }
        if (!code.empty()) {
            EXPECT_FALSE(name.empty()) << i;
        }
    }
    EXPECT_EQ(empty, 2);
    EXPECT_EQ(fullName, 44);
    EXPECT_EQ(other, 2);
    EXPECT_EQ(threeCapitals, kCountryCount - 2 - 44 - 2);
}

TEST(CountryIndex, ListNamesAndUnitedKingdomOnly) {
    struct Row { const char* name; int want; } rows[] = {
        {"England", 231},
        {"Jersey", -1},            // in the table but not offered
        {"Congo dem rep", -1},
        {"&aring;land islands", -1},
        {"United kingdom", 0},     // not offered, but the server's index 0
        {"United states", 1},
        {"Wales", 233},
        {"New caledonia", 40},
        {"england", -1},           // case-sensitive
        {"England ", -1},
        {"ENG", -1},               // codes are not names
        {"", -1},
        {"Atlantis", -1},
    };
    for (const Row& r : rows) EXPECT_EQ(countryIndex(r.name), r.want) << '"' << r.name << '"';
}

TEST(CountryIndex, RoundTripsEveryListName) {
    for (const std::string& name : nationalityList()) {
        int index = countryIndex(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_EQ(countryName(index), name);
    }
}

TEST(NationalityList, Has211DistinctNamesSortedAlphabetically) {
    const auto& list = nationalityList();
    ASSERT_EQ(list.size(), 211u);
    EXPECT_EQ(list.front(), "Afghanistan");
    EXPECT_EQ(list.back(), "Zimbabwe");
    EXPECT_EQ(std::set<std::string>(list.begin(), list.end()).size(), list.size());
    auto folded = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    for (std::size_t i = 1; i < list.size(); ++i)
        EXPECT_LT(folded(list[i - 1]), folded(list[i])) << list[i - 1] << " / " << list[i];
    // The table's names are capitalised alike, so plain byte order agrees.
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
    for (const char* absent : {"United kingdom", "Jersey", "Greenland", "Czechoslovakia"})
        EXPECT_EQ(std::count(list.begin(), list.end(), absent), 0) << absent;
    // Prefixes come first: "Guinea" before "Guinea-bissau", "Niger" before "Nigeria".
    auto pos = [&](const char* n) { return std::find(list.begin(), list.end(), n) - list.begin(); };
    EXPECT_LT(pos("Guinea"), pos("Guinea-bissau"));
    EXPECT_LT(pos("Niger"), pos("Nigeria"));
    EXPECT_LT(pos("Dominica"), pos("Dominican republic"));
}

TEST(FlagCell, FormulaAndRange) {
    struct Row { int index; TRect want; } rows[] = {
        {0, {0, 0, 16, 11}},
        {9, {144, 0, 160, 11}},
        {10, {0, 11, 16, 22}},
        {57, {112, 55, 128, 66}},
        {233, {48, 253, 64, 264}},
        {239, {144, 253, 160, 264}},
    };
    for (const Row& r : rows) {
        TRect got = flagCell(r.index);
        EXPECT_EQ(got, r.want) << "index " << r.index << " got " << got.left << "," << got.top << "-"
                               << got.right << "," << got.bottom;
        EXPECT_FALSE(got.isEmpty()) << r.index;
    }
    for (int index : {-1, -57, 240, 241, 100000}) EXPECT_TRUE(flagCell(index).isEmpty()) << index;
}
