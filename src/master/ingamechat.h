#pragma once
// Chat lines: the single entry point that shows a line (the match window's
// ten-line history while it is visible, else the lobby's chat box), and the
// in-match input line with its keys, typing, clicks, local commands and the
// flood limit shared with the lobby.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "kfstring.h"

namespace kf {

enum TChatKind : std::uint8_t {
    chatUser = 1,
    chatTeam = 2,
    chatOwnTeam = 3,
    chatGameAll = 4,
    chatGameTeam = 5,
    chatInfo = 6,
};

// Sender shown with the client's own information lines.
inline constexpr std::string_view kInfoSender = "Info";

struct TChatEntry {
    std::string sender;
    TStr<20> team;
    TStr<120> text;
    std::uint8_t kind = 0;
};

constexpr int kChatHistory = 10;

struct TIngameChat {
    std::uint8_t inputMode = 0;  // 0 nothing typed yet, 1 typing the target, 2 typing the text
    bool targetVisible = false;
    bool inputOpen = false;
    std::string target;
    std::string text;
    std::uint8_t kind = 0;
    std::string replyTo;  // sender of the last private line received
    std::array<TChatEntry, kChatHistory> history{};  // newest first
    std::uint8_t blink = 0;  // cursor blink counter of the overlay
};

extern TIngameChat ingameChat;
extern std::int32_t chatCooldown;  // seconds until the next line may be sent

// What the chat needs from the rest of the client; unset hooks do nothing.
struct TChatHooks {
    std::function<bool()> matchWindowVisible;
    std::function<void(const std::string& sender, const std::string& team, const std::string& text, int kind)> lobbyLine;
    std::function<void(const std::string& target, const std::string& text, int kind)> sendChat;  // master link
    std::function<void(const std::string& text, int kind)> sendGameChat;                       // game-server link
    std::function<void(const std::string& name, int what)> sendInfo;  // "/info" (1) and "/team" (2)
    std::function<void()> resetCamera;
};

extern TChatHooks chatHooks;

void showChatLine(std::string_view sender, std::string_view team, std::string_view text, int kind);
void clearChatHistory();
// The line of history entry i (0 = newest) as the overlay prints it.
std::string historyLineText(const TChatEntry& e);

// Timer2 (every second).
void chatCooldownTick();

// In-match keys (Windows virtual-key codes), typed characters and box clicks.
void ingameChatKey(int vk);
void ingameChatChar(char c);
void ingameChatClickTarget();
void ingameChatClickText();
// True while the line takes typed text (the digit keys then do not switch cameras).
bool ingameChatTyping();

// Lobby and in-match sending share these: "/info " and "/team" go to the master
// server as questions. Returns true when the text was such a command.
bool chatQuestionCommand(const std::string& text);

}  // namespace kf
