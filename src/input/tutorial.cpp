#include "tutorial.h"

#include "ingamedata.h"
#include "practice.h"
#include "settings.h"

namespace kf {

namespace {

// ’ is byte 0x92 of the game's code page.
const std::vector<std::string> kSteps[7] = {
    {"Welcome! This tutorial will guide you through the basic controls of Kickfield.",
     "Moving: Start by using your Mouse cursor to move towards the blue areas you can find on your screen."},
    {"Passing: Now, aim your Mouse Cursor towards the blue areas, and then use the Left Mouse Button to power it up.",
     "The height of the pass is determined by the distance of your Mouse Cursor in relation to your player,",
     "while the power is determined by the Power-bar you can see on the bottom of your screen."},
    {"Do the same exact thing but use your Right Mouse Button instead. This time, the ball won't leave the ground",
     "and the power is determined by the distance of your Mouse Cursor in relation to your player."},
    {"On this step you\x92ll be repeating what you learned about Left Mouse Button passing,",
     "except now you\x92ll have to make sure the ball lands inside the blue areas."},
    {"Good job! Do the same using Right Mouse Button instead."},
    {"Sliding Tackles: Move towards the blue areas and when you\x92re about to reach them,",
     "use Middle Mouse Button or [TackleButton] to perform a Sliding Tackle."},
    {"Shooting:  Shooting controls are the same you learned on the Passing step, except this time you\x92ll want to aim",
     "towards the goal and avoid hitting the players on the wall by figuring out the necessary height to do so."},
};

const std::vector<std::string> kFinalLines = {
    "Congratulations, you\x92ve completed the tutorial! Now, the real challenge starts!",
    "Head towards Free Practice and Public Training servers to improve your skills.",
    "Find yourself a team in order to play Matches.",
    "Playing against human opponents can be tough, but never give up! You\x92ll eventually get good at it ;)",
};

}  // namespace

const std::vector<std::string>& tutorialStepLines(int stage) {
    static const std::vector<std::string> none;
    return stage >= 1 && stage <= 7 ? kSteps[stage - 1] : none;
}

std::vector<std::string> tutorialDoneLines(int stage) {
    if (stage == kLastTutorialStage) return kFinalLines;
    return {"Tutorial " + std::to_string(stage) + " completed"};
}

double tutorialCircleHalfSize(int stage) { return stage == 4 || stage == 5 ? 0.4 : 0.2; }

void beginLocalMatch(int stage, std::string_view username) {
    beginPractice(stage, username);
    if (stage != 0) {
        // The tutorial's own team colours; with plain kits on the player wears red.
        ingamedata.shirtPattern[1] = 0;
        ingamedata.shirtColour[1] = {0, 0, 255};
        ingamedata.shortsColour[1] = {255, 255, 255};
        ingamedata.socksColour[1] = {0, 0, 255};
    }
    settings.plainKits = true;
}

}  // namespace kf
