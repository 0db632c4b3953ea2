#include <gtest/gtest.h>

#include "testkit.h"
#include "text.h"

namespace kf {
namespace {

TEST(Utf8, DecodesCodePoints) {
    struct Row {
        const char* name;
        std::string text;
        std::vector<char32_t> expected;
    };
    const Row rows[] = {
        {"ascii", "Ab", {'A', 'b'}},
        {"right single quote", "you\xE2\x80\x99re", {'y', 'o', 'u', 0x2019, 'r', 'e'}},
        {"latin-1", "\xC3\xA4", {0xE4}},
        {"four bytes", "\xF0\x9F\x98\x80", {0x1F600}},
        {"broken sequence", "\xE2\x80" "A", {0xFFFD, 'A'}},
        {"stray continuation", "\x80", {0xFFFD}},
    };
    for (const Row& r : rows) {
        std::vector<char32_t> got;
        for (size_t i = 0; i < r.text.size();) got.push_back(nextCodePoint(r.text, &i));
        EXPECT_EQ(got, r.expected) << r.name;
    }
}

TEST(Font, MeasuresTextAsTheSumOfAdvances) {
    testkit::ensureGuiApp(false);
    FontCache cache;
    Font& f = cache.get("Verdana", 12);
    EXPECT_EQ(&f, &cache.get("Verdana", 12)) << "cached";
    EXPECT_NE(&f, &cache.get("Verdana", 10));
    const float a = f.width("A"), b = f.width("b");
    EXPECT_GT(a, 3);
    EXPECT_NEAR(f.width("Ab"), a + b, 1e-3);
    EXPECT_FLOAT_EQ(f.width(""), 0);
    EXPECT_GT(f.width("Kickfield Kickfield"), 2 * f.width("Kickfield"));
    EXPECT_GT(cache.get("Verdana", 20).width("Kickfield"), f.width("Kickfield")) << "bigger size";
    EXPECT_GT(f.lineHeight(), 10);
}

TEST(Font, GlyphsGoIntoTheAtlasOnce) {
    testkit::ensureGuiApp(false);
    FontCache cache;
    Font& f = cache.get("Verdana", 14);
    const Glyph* g = f.glyph('W');
    ASSERT_NE(g, nullptr);
    EXPECT_GT(g->w, 5);
    EXPECT_GT(g->h, 5);
    EXPECT_EQ(f.glyph('W'), g);
    const Glyph* quote = f.glyph(0x2019);
    ASSERT_NE(quote, nullptr);
    EXPECT_FALSE(quote->x == g->x && quote->y == g->y) << "separate atlas cells";
    const Glyph* space = f.glyph(' ');
    EXPECT_EQ(space->w, 0) << "blank has no pixels";
    EXPECT_GT(space->advance, 0);
}

}  // namespace
}  // namespace kf
