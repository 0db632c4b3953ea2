#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ingamedata.h"
#include "kfstring.h"
#include "owndata.h"
#include "pitch.h"
#include "random.h"
#include "tuning.h"
#include "vec2.h"

using namespace kf;

TEST(Bearing, CardinalDirectionsAndEqualPoints) {
    struct Row { double bx, by, want; } rows[] = {
        {0, 0, 0}, {1, 0, 0}, {0, 1, 90}, {-1, 0, 180}, {0, -1, 270}, {1, 1, 45}, {1, -1, 315},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(bearing(0, 0, r.bx, r.by), r.want, 1e-9) << r.bx << "," << r.by;
    }
    // Never 360: a minute negative angle stays in [0, 360).
    double b = bearing(0, 0, 1, -1e-300);
    EXPECT_GE(b, 0);
    EXPECT_LT(b, 360);
}

TEST(Distance, IsEuclidean) {
    EXPECT_DOUBLE_EQ(distance(1, 2, 4, 6), 5.0);
    EXPECT_DOUBLE_EQ(distance(TVec2{0.1, 0.1}, TVec2{0.1, 0.1}), 0.0);
}

TEST(FixedString, TruncatesOnWriteAndCutsLongLengthByteOnRead) {
    TStr<3> s("ABCDEF");
    EXPECT_EQ(s.view(), "ABC");
    std::vector<std::uint8_t> wire(4);
    s.encode(wire);
    EXPECT_EQ(wire, (std::vector<std::uint8_t>{3, 'A', 'B', 'C'}));

    TStr<3> t;
    std::uint8_t bad[] = {200, 'x', 'y', 'z'};
    ASSERT_TRUE(t.decode(bad));
    EXPECT_EQ(t.view(), "xyz");

    std::uint8_t shortWire[] = {2, 'q'};
    EXPECT_FALSE(t.decode(shortWire));
    EXPECT_TRUE(t.empty());

    TStr<15> name("ab");
    std::vector<std::uint8_t> w(16, 0xEE);
    name.encode(w);
    EXPECT_EQ(w[0], 2);
    for (int i = 3; i < 16; ++i) EXPECT_EQ(w[i], 0) << i;  // padding is zero, not stale bytes
}

TEST(Ingamedata, ResetZeroFillsEverything) {
    ingamedata.practice = true;
    ingamedata.playerName(2, 10) = "someone";
    ingamedata.playerAnimClock(1, 3)[17] = 4.5;
    ingamedata.goalMessage = "Goal!";
    ingamedata.keeperAnimStarted[2][19] = true;
    ingamedata.score = {3, 1};
    resetIngamedata();
    EXPECT_FALSE(ingamedata.practice);
    EXPECT_TRUE(ingamedata.playerName(2, 10).empty());
    EXPECT_EQ(ingamedata.playerAnimClock(1, 3)[17], 0.0);
    EXPECT_TRUE(ingamedata.goalMessage.empty());
    EXPECT_FALSE(ingamedata.keeperAnimStarted[2][19]);
    EXPECT_EQ(ingamedata.score[0], 0);
}

TEST(OwnSlot, FindsFirstMatchAndNeverAnEmptySlot) {
    resetIngamedata();
    ownData.username = "";
    EXPECT_EQ(ownSlot(), (TSlot{0, 0}));  // empty own name must not match empty slots

    ownData.username = "striker";
    EXPECT_EQ(ownSlot(), (TSlot{0, 0}));
    ingamedata.playerName(2, 4) = "striker";
    EXPECT_EQ(ownSlot(), (TSlot{2, 4}));
    ingamedata.playerName(1, 7) = "striker";
    EXPECT_EQ(ownSlot(), (TSlot{1, 7}));  // team 1 is searched first

    // A slot holds 15 characters; a longer own name matches its cut form.
    resetIngamedata();
    ownData.username = "averyveryverylongname";
    ingamedata.playerName(1, 1) = ownData.username;
    EXPECT_EQ(ownSlot(), (TSlot{1, 1}));
    ownData = TOwnData{};
    resetIngamedata();
}

TEST(PitchSize, TableAndInvalidSizes) {
    struct Row { int size; double goal, side, box, boxSide, board; } rows[] = {
        {1, 4.89, 2.895, 3.43, 1.5, 2.3},
        {2, 5.71, 3.62, 4.0, 1.9, 3.6},
        {3, 6.52, 4.345, 4.57, 2.3, 4.6},
    };
    for (const Row& r : rows) {
        setPitchSize(r.size);
        EXPECT_EQ(pitch.pitchSize, r.size);
        EXPECT_DOUBLE_EQ(pitch.goalLinePos, r.goal);
        EXPECT_DOUBLE_EQ(pitch.goalLineNeg, -r.goal);
        EXPECT_DOUBLE_EQ(pitch.sideLinePos, r.side);
        EXPECT_DOUBLE_EQ(pitch.boxLineNeg, -r.box);
        EXPECT_DOUBLE_EQ(pitch.boxSidePos, r.boxSide);
        EXPECT_DOUBLE_EQ(pitch.netBackPos, r.goal + 0.21);
        EXPECT_DOUBLE_EQ(pitch.netBackNeg, -r.goal - 0.21);
        EXPECT_DOUBLE_EQ(boardHalfWidth(), r.board);
    }
    for (int bad : {0, 4, 255, -1}) {
        setPitchSize(1);
        setPitchSize(bad);
        EXPECT_EQ(pitch.pitchSize, 3) << bad;
        EXPECT_DOUBLE_EQ(pitch.goalLinePos, 6.52) << bad;
    }
}

TEST(Tuning, LevelsAreFractionsOfTheBaseRunSpeed) {
    initPracticeTuning();
    EXPECT_DOUBLE_EQ(tuning.runSpeed[1], 0.9523 * 0.0169);
    EXPECT_DOUBLE_EQ(tuning.slideBoost[1], 0.7142 * 0.0169);
    EXPECT_DOUBLE_EQ(tuning.slideReach[1], 0.1063);
    EXPECT_DOUBLE_EQ(tuning.kickMaxHeight[1], 0.2);
    EXPECT_DOUBLE_EQ(tuning.groundPassSpeed[5], 0.055);
}

TEST(Random, UniformRangeAndSeedable) {
    seedRandom(7);
    std::vector<int> a;
    std::vector<int> seen(45, 0);
    for (int i = 0; i < 5000; ++i) {
        int r = randomInt(45);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 45);
        ++seen[r];
        if (i < 20) a.push_back(r);
    }
    for (int i = 0; i < 45; ++i) EXPECT_GT(seen[i], 50) << i;  // every value occurs
    seedRandom(7);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(randomInt(45), a[i]);
    EXPECT_EQ(randomInt(0), 0);
    EXPECT_EQ(randomInt(1), 0);
}

#include "cp1252.h"

TEST(Cp1252, RoundTripOfTheGamesCharacters) {
    EXPECT_EQ(cp1252ToUtf8("you\x92ll"), "you\u2019ll");
    EXPECT_EQ(cp1252ToUtf8("\xe5land"), "\u00e5land");
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\ufffd");
    EXPECT_EQ(utf8ToCp1252("you\u2019ll \u20ac \u00e9"), "you\x92ll \x80 \xe9");
    EXPECT_EQ(utf8ToCp1252("\u4e2d"), "?");
}
