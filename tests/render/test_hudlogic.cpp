#include <gtest/gtest.h>

#include "hudlogic.h"
#include "ingamedata.h"
#include "pitch.h"

using namespace kf;

TEST(HudText, ClockInStoppageTime) {
    struct Row { int minute, half; const char* want; } rows[] = {
        {45, 1, "45"}, {46, 1, "45+"}, {46, 2, "46"}, {90, 2, "90"}, {91, 2, "90+"}, {0, 0, "0"},
    };
    for (const Row& r : rows) EXPECT_EQ(clockText(r.minute, r.half), r.want) << r.minute << "/" << r.half;
}

TEST(HudText, ShortNames) {
    EXPECT_EQ(shortNameText(" a b c"), "ABC");
    EXPECT_EQ(shortNameText("fc"), "FC");
    EXPECT_EQ(shortNameText("abcd"), "ABC");
    EXPECT_EQ(shortNameText("   "), "");
}

TEST(HudText, PossessionShares) {
    struct Row { long long s1, s2; int a, b; } rows[] = {{30, 10, 75, 25}, {0, 0, 0, 0}, {1, 2, 33, 67}, {0, 5, 0, 100}, {1, 7, 12, 88}};
    for (const Row& r : rows) {
        auto s = possessionShare(r.s1, r.s2);
        EXPECT_EQ(s[0], r.a) << r.s1 << "/" << r.s2;
        EXPECT_EQ(s[1], r.b) << r.s1 << "/" << r.s2;
    }
}

TEST(HudLayout, HitTestIsStrict) {
    EXPECT_TRUE(hitTest(10, 10, 20, 20, 11, 11));
    EXPECT_FALSE(hitTest(10, 10, 20, 20, 10, 15));
    EXPECT_FALSE(hitTest(10, 10, 20, 20, 30, 15));
    EXPECT_FALSE(hitTest(10, 10, 20, 20, 15, 30));
}

TEST(HudLayout, TextPixelsRoundHalfToEven) {
    TPixel p = textPixel(20, 20, 1920, 1080);
    EXPECT_EQ(p.x, 38);  // 37.5
    EXPECT_EQ(p.y, 28);  // 28.125
    p = textPixel(100, 100, 1024, 768);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(virtualMouseX(640, 1280), 512);
    EXPECT_EQ(virtualMouseY(512, 1024), 384);
}

TEST(HudLayout, RadarMappingBothOrientationsAndMirror) {
    setPitchSize(3);
    TVec2 a = radarPoint({pitch.sideLinePos, pitch.goalLinePos}, 1, false);
    EXPECT_DOUBLE_EQ(a.x, 116 + 102);
    EXPECT_DOUBLE_EQ(a.y, 198 + 128);
    TVec2 m = radarPoint({pitch.sideLinePos, pitch.goalLinePos}, 1, true);
    EXPECT_DOUBLE_EQ(m.x, 116 - 102);  // mirrored through the centre
    EXPECT_DOUBLE_EQ(m.y, 198 - 128);
    TVec2 c = radarPoint({pitch.sideLinePos, pitch.goalLinePos}, 3, false);
    EXPECT_DOUBLE_EQ(c.x, 143 + 128.5);  // +y to the right
    EXPECT_DOUBLE_EQ(c.y, 171 - 101.8);  // +x up
    TVec2 centre = radarPoint({0, 0}, 4, true);
    EXPECT_DOUBLE_EQ(centre.x, 143);
    EXPECT_DOUBLE_EQ(centre.y, 171);
}

TEST(HudLayout, RosterRowsPackUsedSlots) {
    resetIngamedata();
    ingamedata.teamSize = 4;
    ingamedata.playerName(1, 1) = "a";
    ingamedata.playerName(1, 3) = "c";
    ingamedata.playerName(1, 6) = "beyond team size";
    EXPECT_EQ(rosterRows(1), (std::vector<int>{1, 3}));
    EXPECT_TRUE(rosterRows(2).empty());
}
