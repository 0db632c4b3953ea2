#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framedriver.h"
#include "ingamedata.h"
#include "practice.h"
#include "practiceworld.h"

using namespace kf;

namespace {

// Records the steps in the order the driver calls them.
class Recorder : public TFrameSteps {
public:
    std::vector<std::string> calls;
    void crowdUpkeep() override { calls.push_back("crowd"); }
    void waitingScreen() override { calls.push_back("waiting"); }
    void statsScreen() override { calls.push_back("stats"); }
    void tutorialDone() override { calls.push_back("done"); }
    void extrapolate() override { calls.push_back("extrapolate"); }
    void renderGrass() override { calls.push_back("grass"); }
    void renderShadows() override { calls.push_back("shadows"); }
    void tutorialStep() override { calls.push_back("tutorial"); }
    void renderBall() override { calls.push_back("ball"); }
    void renderPlayers() override { calls.push_back("players"); }
    void renderBenches() override { calls.push_back("benches"); }
    void renderAdboards() override { calls.push_back("adboards"); }
    void renderNets() override { calls.push_back("nets"); }
    void renderStadium() override { calls.push_back("stadium"); }
    void renderPowerBar() override { calls.push_back("power"); }
    void renderScoreBoard() override { calls.push_back("score"); }
    void renderRadar() override { calls.push_back("radar"); }
    void sendInput() override { calls.push_back("input"); }
    void renderMenu() override { calls.push_back("menu"); }
    void renderChat() override { calls.push_back("chat"); }
    void renderMessages() override { calls.push_back("messages"); }
    void renderCursor() override { calls.push_back("cursor"); }
    void renderOverlays() override { calls.push_back("overlays"); }
};

using Calls = std::vector<std::string>;

}  // namespace

class FrameDriver : public ::testing::Test {
protected:
    void SetUp() override {
        initSimulation();
        resetIngamedata();
        practiceWorld = TPracticeWorld{};
    }
};

TEST_F(FrameDriver, OnlinePlayingFrameOrder) {
    ingamedata.phase = 1;
    Recorder r;
    matchFrame(r, {});
    EXPECT_EQ(r.calls, (Calls{"crowd", "extrapolate", "grass", "shadows", "tutorial", "ball", "players", "benches",
                              "adboards", "nets", "stadium", "power", "score", "radar", "input", "chat", "messages",
                              "cursor", "overlays"}));
}

TEST_F(FrameDriver, PracticeStepsLocallyAndSendsNothing) {
    beginPractice(0, "me");
    ingamedata.mouseTarget = {1, 0};
    Recorder r;
    matchFrame(r, {true, true});
    EXPECT_EQ(r.calls, (Calls{"crowd", "grass", "shadows", "tutorial", "ball", "players", "benches", "adboards",
                              "nets", "stadium", "power", "score", "messages", "cursor", "overlays"}));
    EXPECT_GT(ingamedata.playerSpeed(1, 1), 0.0) << "the practice step ran and handed over";
}

TEST_F(FrameDriver, ScreensReplaceThePlayView) {
    struct Row { int phase; bool done; bool menu; Calls want; } rows[] = {
        {0, false, false, {"crowd", "waiting", "chat", "messages", "cursor", "overlays"}},
        {2, false, true, {"crowd", "stats", "menu", "chat", "messages", "cursor", "overlays"}},
    };
    for (const Row& row : rows) {
        SetUp();
        ingamedata.phase = static_cast<std::uint8_t>(row.phase);
        ingamedata.menuOpen = row.menu;
        practiceWorld.stageDone = row.done;
        Recorder r;
        matchFrame(r, {});
        EXPECT_EQ(r.calls, row.want) << row.phase;
    }
    // The tutorial's completion screen comes first, then the playing frame.
    beginPractice(1, "me");
    practiceWorld.stageDone = true;
    Recorder r;
    matchFrame(r, {});
    ASSERT_GE(r.calls.size(), 3u);
    EXPECT_EQ(r.calls[1], "done");
    EXPECT_EQ(r.calls[2], "grass");
}

TEST_F(FrameDriver, ClockCountsFiveHundredFramesAMinuteUpToNinetyFive) {
    ingamedata.clockRunning = true;
    ingamedata.matchMinute = 10;
    for (unsigned i = 0; i < kFramesPerMinute; ++i) advanceMatchClock();
    EXPECT_EQ(ingamedata.matchMinute, 10);
    advanceMatchClock();  // the 501st frame exceeds 500
    EXPECT_EQ(ingamedata.matchMinute, 11);
    EXPECT_EQ(ingamedata.minuteFrames, 0u);
    ingamedata.matchMinute = 95;
    for (int i = 0; i < 2000; ++i) advanceMatchClock();
    EXPECT_EQ(ingamedata.matchMinute, 95);
    ingamedata.clockRunning = false;
    const auto frames = ingamedata.minuteFrames;
    advanceMatchClock();
    EXPECT_EQ(ingamedata.minuteFrames, frames);
}

TEST_F(FrameDriver, PowerBarGrowsWhileHeldAndDropsOnRelease) {
    ingamedata.inputLeft = true;
    for (int i = 0; i < 10; ++i) updatePowerBar();
    EXPECT_EQ(ingamedata.powerBar, 40);
    for (int i = 0; i < 40; ++i) updatePowerBar();
    EXPECT_EQ(ingamedata.powerBar, 150);
    ingamedata.inputLeft = false;
    updatePowerBar();
    EXPECT_EQ(ingamedata.powerBar, 0);
}
