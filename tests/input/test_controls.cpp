#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "camerapresets.h"
#include "controls.h"
#include "framedriver.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "practice.h"
#include "practiceworld.h"
#include "settings.h"
#include "tutorial.h"
#include "vkeys.h"

using namespace kf;

class Controls : public ::testing::Test {
protected:
    std::vector<std::string> actions;
    void SetUp() override {
        initSimulation();
        resetIngamedata();
        practiceWorld = TPracticeWorld{};
        cameraPresets = TCameraPresets{};
        ingameChat = TIngameChat{};
        settings = TSettings{};
        settings.tackleKey = 'A';
        settings.jumpKey = 'Q';
        cameraEditor = false;
        clickSizes = TClickSizes{};
        matchActions.leave = [this] { actions.push_back("leave"); };
        matchActions.stopSpectatorPing = [this] { actions.push_back("stopPing"); };
        matchActions.sendChange = [this] { actions.push_back("change"); };
        matchActions.sendReady = [this] { actions.push_back("ready"); };
        matchActions.tutorialBack = [this] { actions.push_back("back"); };
    }
    void TearDown() override { matchActions = TMatchActions{}; }
    void clickAt(double x, double y) {
        ingamedata.mouseScreenX = static_cast<std::int16_t>(x);
        ingamedata.mouseScreenY = static_cast<std::int16_t>(y);
        formClick();
    }
};

TEST_F(Controls, MouseButtonsAndTackleKeyShareFlags) {
    formMouseDown(TMouseButton::left);
    formMouseDown(TMouseButton::right);
    formMouseDown(TMouseButton::middle);
    EXPECT_TRUE(ingamedata.inputLeft && ingamedata.inputRight && ingamedata.inputTackle);
    formKeyDown('A');
    formKeyUp('A');
    EXPECT_FALSE(ingamedata.inputTackle) << "the key's release ends the tackle though the button is down";
    formMouseUp(TMouseButton::left);
    EXPECT_FALSE(ingamedata.inputLeft);
    formKeyDown('Q');
    EXPECT_TRUE(ingamedata.inputJump);
    formKeyUp('Q');
    EXPECT_FALSE(ingamedata.inputJump);
}

TEST_F(Controls, CursorScaledToTheVirtualScreen) {
    formMouseMove(640, 512, 1280, 1024);
    EXPECT_EQ(ingamedata.mouseScreenX, 512);
    EXPECT_EQ(ingamedata.mouseScreenY, 384);
}

TEST_F(Controls, FunctionKeysToggleViews) {
    formKeyDown(vkF8);
    formKeyDown(vkF9);
    formKeyDown(vkF10);
    formKeyDown(vkF11);
    EXPECT_TRUE(settings.plainKits && settings.hideChat && settings.hideRadar && smoothPositions);
    formKeyDown(vkF12);
    formKeyDown(vkF9);
    EXPECT_FALSE(smoothPositions);
    EXPECT_FALSE(settings.hideChat);
}

TEST_F(Controls, DigitKeysSelectCameraUnlessTyping) {
    formKeyDown('3');
    EXPECT_EQ(cameraPresets.selectedCamera, 3);
    formKeyDown('5');
    EXPECT_TRUE(cameraPresets.reversedAngle);
    formKeyDown(vkF5);  // open the chat line
    formKeyDown('2');
    formKeyPress('2');
    EXPECT_EQ(cameraPresets.selectedCamera, 3);
    EXPECT_EQ(ingameChat.text, "2");
}

TEST_F(Controls, EscapeByRoleAndPhase) {
    ingamedata.phase = 0;
    formKeyDown(vkEscape);
    EXPECT_FALSE(ingamedata.menuOpen) << "nothing on the waiting screen";
    ingamedata.phase = 1;
    formKeyDown(vkEscape);
    EXPECT_TRUE(ingamedata.menuOpen);
    formKeyDown(vkEscape);
    EXPECT_FALSE(ingamedata.menuOpen);
    ingamedata.viewMode = 3;
    formKeyDown(vkEscape);
    EXPECT_EQ(actions, (std::vector<std::string>{"leave", "stopPing"}));
}

TEST_F(Controls, ClicksByPhaseAndMenu) {
    const double y = kButtonY + 10;
    ingamedata.phase = 1;
    clickAt(kLeaveX + 10, y);
    clickAt(kReadyX + 10, y);
    EXPECT_TRUE(actions.empty()) << "buttons do nothing during play without the menu";
    ingamedata.menuOpen = true;
    clickAt(kChangeX + 10, y);
    clickAt(kLeaveX + 10, y);
    ingamedata.phase = 0;
    ingamedata.menuOpen = false;
    clickAt(kReadyX + 10, y);
    clickAt(kReadyX, y);  // on the edge: strict test
    EXPECT_EQ(actions, (std::vector<std::string>{"change", "leave", "ready"}));
}

TEST_F(Controls, CompletionScreenBackRetryNext) {
    const double y = kButtonY + 10;
    beginPractice(3, "me");
    practiceWorld.stageDone = true;
    clickAt(kChangeX + 10, y);
    EXPECT_FALSE(practiceWorld.stageDone);
    EXPECT_EQ(practiceWorld.stage, 3);
    practiceWorld.stageDone = true;
    clickAt(kReadyX + 10, y);
    EXPECT_EQ(practiceWorld.stage, 4);
    EXPECT_FALSE(practiceWorld.stageDone);
    setStage(7);
    practiceWorld.stageDone = true;
    clickAt(kReadyX + 10, y);
    EXPECT_EQ(practiceWorld.stage, 7) << "no next step after the last";
    EXPECT_TRUE(practiceWorld.stageDone);
    clickAt(kLeaveX + 10, y);
    EXPECT_EQ(actions, (std::vector<std::string>{"back"}));
}

TEST_F(Controls, PracticeKeysAndCameraEditorFromOneKey) {
    beginPractice(0, "me");
    practiceWorld.playerPos = {1, 1};
    practiceWorld.ballPos = {3, 3};
    cameraEditor = true;
    const float fov = cameraPresets.fov[1];
    formKeyDown('R');
    EXPECT_DOUBLE_EQ(practiceWorld.ballPos.x, 1) << "R recalls the ball";
    EXPECT_FLOAT_EQ(cameraPresets.fov[1], fov + 0.01f) << "and widens the editor's field of view";
    formMouseWheel(120);
    EXPECT_FLOAT_EQ(cameraPresets.eye[1].z, 8.0f);
    EXPECT_FALSE(formCloseQuery());
}

TEST(Tutorial, TextsAndCircles) {
    EXPECT_EQ(tutorialStepLines(1).size(), 2u);
    EXPECT_EQ(tutorialStepLines(2).size(), 3u);
    EXPECT_EQ(tutorialStepLines(5).size(), 1u);
    EXPECT_TRUE(tutorialStepLines(8).empty());
    EXPECT_EQ(tutorialStepLines(4)[0], "On this step you\x92ll be repeating what you learned about Left Mouse Button passing,");
    EXPECT_EQ(tutorialStepLines(7)[0].substr(0, 11), "Shooting:  ");
    EXPECT_NE(tutorialStepLines(6)[1].find("[TackleButton]"), std::string::npos);
    EXPECT_EQ(tutorialDoneLines(3), (std::vector<std::string>{"Tutorial 3 completed"}));
    EXPECT_EQ(tutorialDoneLines(7).size(), 4u);
    EXPECT_DOUBLE_EQ(tutorialCircleHalfSize(4), 2 * tutorialCircleHalfSize(2));
}

TEST(Tutorial, LocalMatchStartWearsPlainKits) {
    initSimulation();
    settings.plainKits = false;
    beginLocalMatch(1, "me");
    EXPECT_TRUE(settings.plainKits);
    EXPECT_EQ(ingamedata.shirtColour[1], (TRGB{0, 0, 255}));
    EXPECT_EQ(ingamedata.shortsColour[1], (TRGB{255, 255, 255}));
    EXPECT_EQ(practiceWorld.stage, 1);
    EXPECT_TRUE(ingamedata.practice);
}
