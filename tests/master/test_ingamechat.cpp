#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framedriver.h"
#include "ingamechat.h"
#include "ingamedata.h"
#include "owndata.h"
#include "settings.h"
#include "vkeys.h"

using namespace kf;

namespace {

struct Sent {
    std::string target, text;
    int kind;
};

}  // namespace

class IngameChat : public ::testing::Test {
protected:
    std::vector<Sent> sent;
    std::vector<std::string> lobby;
    std::vector<std::pair<std::string, int>> questions;
    bool visible = true;
    int resets = 0;

    void SetUp() override {
        ingameChat = TIngameChat{};
        chatCooldown = 0;
        ownData = TOwnData{};
        ownData.username = "me";
        resetIngamedata();
        chatHooks = TChatHooks{};
        chatHooks.matchWindowVisible = [this] { return visible; };
        chatHooks.sendChat = [this](const std::string& t, const std::string& x, int k) { sent.push_back({t, x, k}); };
        chatHooks.sendGameChat = [this](const std::string& x, int k) { sent.push_back({"", x, k}); };
        chatHooks.lobbyLine = [this](const std::string& s, const std::string&, const std::string& x, int) {
            lobby.push_back(s + ": " + x);
        };
        chatHooks.sendInfo = [this](const std::string& n, int w) { questions.emplace_back(n, w); };
        chatHooks.resetCamera = [this] { ++resets; };
    }
    void TearDown() override { chatHooks = TChatHooks{}; }

    static void type(const std::string& s) {
        for (char c : s) ingameChatChar(c);
    }
    void say(int key, const std::string& text) {
        ingameChatKey(key);
        type(text);
        ingameChatKey(vkReturn);
    }
};

TEST_F(IngameChat, HistoryKeepsTheTenNewestAndLobbyGetsLinesWhenHidden) {
    for (int i = 1; i <= 11; ++i) showChatLine("a", "", "line " + std::to_string(i), chatInfo);
    EXPECT_EQ(ingameChat.history[0].text.view(), "line 11");
    EXPECT_EQ(ingameChat.history[9].text.view(), "line 2");  // the first is gone
    showChatLine("a", "", "", chatInfo);
    EXPECT_EQ(ingameChat.history[0].text.view(), "line 11") << "empty lines are ignored";
    visible = false;
    showChatLine("b", "", "hello", chatUser);
    EXPECT_EQ(lobby, (std::vector<std::string>{"b: hello"}));
    EXPECT_EQ(ingameChat.history[0].text.view(), "line 11");
}

TEST_F(IngameChat, HistoryLineTextByKind) {
    struct Row { int kind; const char* team; const char* want; } rows[] = {
        {chatUser, "Reds", "bob (Reds) -- hi"},
        {chatTeam, "", "bob -- hi"},
        {chatOwnTeam, "Reds", "bob -- hi"},
        {chatGameAll, "Reds", "bob -- hi"},
    };
    for (const Row& r : rows) {
        TChatEntry e{"bob", TStr<20>(r.team), TStr<120>("hi"), static_cast<std::uint8_t>(r.kind)};
        EXPECT_EQ(historyLineText(e), r.want) << r.kind;
    }
}

TEST_F(IngameChat, OpeningKeys) {
    struct Row { int key; bool opens; int kind; bool targetBox; const char* target; } rows[] = {
        {vkF2, false, 0, false, ""},  // nobody to reply to yet
        {vkF3, false, 0, false, ""},  // in practice
        {vkF5, true, chatUser, true, ""},
        {vkF6, true, chatTeam, true, ""},
        {vkF7, false, 0, false, ""},  // no own team
    };
    ingamedata.practice = true;
    for (const Row& r : rows) {
        ingameChat = TIngameChat{};
        ingameChatKey(r.key);
        EXPECT_EQ(ingameChat.inputOpen, r.opens) << r.key;
        if (!r.opens) continue;
        EXPECT_EQ(ingameChat.kind, r.kind);
        EXPECT_EQ(ingameChat.targetVisible, r.targetBox);
        EXPECT_EQ(ingameChat.inputMode, 2);
    }
    ingameChat = TIngameChat{};
    ingameChat.replyTo = "bob";
    ingameChatKey(vkF2);
    EXPECT_EQ(ingameChat.target, "bob");
    EXPECT_TRUE(ingameChat.targetVisible);
    ownData.teamName = "Reds";
    ingameChatKey(vkF7);
    EXPECT_EQ(ingameChat.target, "Reds");
    EXPECT_EQ(ingameChat.kind, chatOwnTeam);
    EXPECT_FALSE(ingameChat.targetVisible);
    ingamedata.practice = false;
    ingamedata.viewMode = 1;
    ingameChatKey(vkF4);
    EXPECT_EQ(ingameChat.kind, chatGameTeam);
    ingamedata.viewMode = 3;
    ingameChat = TIngameChat{};
    ingameChatKey(vkF3);
    EXPECT_FALSE(ingameChat.inputOpen) << "spectators cannot talk to the players";
}

TEST_F(IngameChat, TypingBackspaceAndBoxes) {
    ingameChatKey(vkF5);
    type("hellp\bo");
    EXPECT_EQ(ingameChat.text, "hello");
    ingameChatClickTarget();
    type("bob\r");
    EXPECT_EQ(ingameChat.target, "bob");
    ingameChatClickText();
    type("!");
    EXPECT_EQ(ingameChat.text, "hello!");
    type(std::string(200, 'x'));
    EXPECT_EQ(ingameChat.text.size(), 120u);
    ingameChatKey(vkReturn);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].target, "bob");
    EXPECT_EQ(sent[0].kind, chatUser);
    EXPECT_EQ(ingameChat.history[0].sender, "me (to bob)");
    EXPECT_FALSE(ingameChat.inputOpen);
    type("zzz");
    EXPECT_TRUE(ingameChat.text.empty()) << "nothing is typed while the line is closed";
}

TEST_F(IngameChat, FloodLimitHoldsTheSecondLine) {
    say(vkF6, "first");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(chatCooldown, 3);
    ingameChatKey(vkF6);
    type("second");
    ingameChatKey(vkReturn);
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_TRUE(ingameChat.inputOpen) << "Enter during the cooldown leaves the input open";
    for (int i = 0; i < 3; ++i) chatCooldownTick();
    ingameChatKey(vkReturn);
    EXPECT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].text, "second");
}

TEST_F(IngameChat, LocalCommands) {
    say(vkF5, "/camera on");
    EXPECT_TRUE(cameraEditor);
    say(vkF5, "/camera off");
    EXPECT_FALSE(cameraEditor);
    say(vkF5, "/camera reset");
    EXPECT_EQ(resets, 1);
    say(vkF5, "/fps on");
    EXPECT_TRUE(settings.showFps);
    say(vkF5, "/fps off");
    EXPECT_FALSE(settings.showFps);
    say(vkF5, "/help");
    EXPECT_EQ(ingameChat.history[0].text.view(), "/camera on");
    EXPECT_EQ(ingameChat.history[2].text.view(), "/camera reset");
    EXPECT_EQ(ingameChat.history[0].kind, chatInfo);
    say(vkF5, "/clear");
    for (const auto& e : ingameChat.history) EXPECT_TRUE(e.text.empty());
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(chatCooldown, 0) << "commands are not lines";
    say(vkF5, "/Camera on");
    EXPECT_EQ(sent.size(), 1u) << "commands are case-sensitive";
}

TEST_F(IngameChat, QuestionCommands) {
    say(vkF5, "/info bob");
    say(vkF5, "/team");  // no own team: ordinary text
    ownData.teamName = "Reds";
    chatCooldown = 0;
    say(vkF5, "/team");
    say(vkF5, "/info ");  // nothing after the blank: ordinary text
    EXPECT_EQ(questions, (std::vector<std::pair<std::string, int>>{{"bob", 1}, {"Reds", 2}}));
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].text, "/team");
    EXPECT_EQ(sent[1].text, "/info ");
}

TEST_F(IngameChat, GameKindsTravelOnTheGameLink) {
    ingamedata.viewMode = 2;
    say(vkF3, "go");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].kind, chatGameAll);
    EXPECT_EQ(ingameChat.history[0].sender, "me");
}
