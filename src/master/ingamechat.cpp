#include "ingamechat.h"

#include "framedriver.h"
#include "owndata.h"
#include "ingamedata.h"
#include "settings.h"
#include "vkeys.h"

namespace kf {

TIngameChat ingameChat;
std::int32_t chatCooldown = 0;
TChatHooks chatHooks;

namespace {

constexpr std::int32_t kChatCooldownSeconds = 3;
constexpr std::size_t kMaxTarget = 20;
constexpr std::size_t kMaxText = 120;

bool matchWindowVisible() { return chatHooks.matchWindowVisible && chatHooks.matchWindowVisible(); }

void infoLine(std::string_view text) { showChatLine(kInfoSender, "", text, chatInfo); }

void openInput(int kind, bool targetBox) {
    TIngameChat& c = ingameChat;
    c.inputOpen = true;
    c.inputMode = 2;
    c.targetVisible = targetBox;
    c.kind = static_cast<std::uint8_t>(kind);
    c.text.clear();
    c.target.clear();
}

void closeInput() {
    ingameChat.inputOpen = false;
    ingameChat.targetVisible = false;
    ingameChat.inputMode = 0;
}

bool localCommand(const std::string& text) {
    if (text == "/help") {
        infoLine("/camera reset");
        infoLine("/camera off");
        infoLine("/camera on");
    } else if (text == "/camera on") {
        cameraEditor = true;
    } else if (text == "/camera off") {
        cameraEditor = false;
    } else if (text == "/camera reset") {
        if (chatHooks.resetCamera) chatHooks.resetCamera();
    } else if (text == "/fps on") {
        settings.showFps = true;
    } else if (text == "/fps off") {
        settings.showFps = false;
    } else if (text == "/clear") {
        clearChatHistory();
    } else {
        return false;
    }
    return true;
}

void sendLine(const std::string& target, const std::string& text, int kind) {
    if (kind >= chatUser && kind <= chatOwnTeam) {
        if (chatHooks.sendChat) chatHooks.sendChat(target, text, kind);
    } else if (chatHooks.sendGameChat) {
        chatHooks.sendGameChat(text, kind);
    }
    const bool addressed = kind == chatUser || kind == chatTeam;
    const std::string sender = addressed ? ownData.username + " (to " + target + ")" : ownData.username;
    showChatLine(sender, "", text, kind);
    chatCooldown = kChatCooldownSeconds;
}

void processLine() {
    TIngameChat& c = ingameChat;
    const std::string text = c.text, target = c.target;
    c.text.clear();
    c.target.clear();
    if (chatQuestionCommand(text) || localCommand(text)) return;
    if (text.empty()) return;  // an empty line shows nothing and is not sent
    sendLine(target, text, c.kind);
}

}  // namespace

void showChatLine(std::string_view sender, std::string_view team, std::string_view text, int kind) {
    if (text.empty()) return;
    if (matchWindowVisible()) {
        auto& h = ingameChat.history;
        for (int i = kChatHistory - 1; i > 0; --i) h[i] = h[i - 1];
        h[0] = TChatEntry{std::string(sender), TStr<20>(team), TStr<120>(text), static_cast<std::uint8_t>(kind)};
        return;
    }
    if (chatHooks.lobbyLine) chatHooks.lobbyLine(std::string(sender), std::string(team), std::string(text), kind);
}

void clearChatHistory() { ingameChat.history.fill(TChatEntry{}); }

std::string historyLineText(const TChatEntry& e) {
    std::string line = e.sender;
    if ((e.kind == chatUser || e.kind == chatTeam) && !e.team.empty()) line += " (" + e.team.str() + ")";
    return line + " -- " + e.text.str();
}

void chatCooldownTick() {
    if (chatCooldown > 0) --chatCooldown;
}

bool chatQuestionCommand(const std::string& text) {
    if (text == "/team" && !ownData.teamName.empty()) {
        if (chatHooks.sendInfo) chatHooks.sendInfo(ownData.teamName, 2);
        return true;
    }
    if (text.size() > 6 && text.compare(0, 6, "/info ") == 0) {
        if (chatHooks.sendInfo) chatHooks.sendInfo(text.substr(6, 20), 1);
        return true;
    }
    return false;
}

void ingameChatKey(int vk) {
    TIngameChat& c = ingameChat;
    const bool teamGame = !ingamedata.practice && ingamedata.viewMode != 3;
    switch (vk) {
    case vkF2:
        if (c.replyTo.empty()) return;
        openInput(chatUser, true);
        c.target = c.replyTo;
        break;
    case vkF3:
        if (teamGame) openInput(chatGameAll, false);
        break;
    case vkF4:
        if (teamGame) openInput(chatGameTeam, false);
        break;
    case vkF5: openInput(chatUser, true); break;
    case vkF6: openInput(chatTeam, true); break;
    case vkF7:
        if (ownData.teamName.empty()) return;
        openInput(chatOwnTeam, false);
        c.target = ownData.teamName;
        break;
    case vkReturn:
        if (!c.inputOpen || chatCooldown != 0) return;
        closeInput();
        processLine();
        break;
    default:
        break;
    }
}

void ingameChatChar(char c) {
    TIngameChat& chat = ingameChat;
    if (!chat.inputOpen || chat.inputMode == 0) return;
    std::string& field = chat.inputMode == 1 ? chat.target : chat.text;
    if (c == '\b') {
        if (!field.empty()) field.pop_back();
        return;
    }
    // Enter, Esc and other control characters arrive here too; only text is typed.
    if (static_cast<unsigned char>(c) < 32) return;
    const std::size_t limit = chat.inputMode == 1 ? kMaxTarget : kMaxText;
    if (field.size() < limit) field.push_back(c);
}

void ingameChatClickTarget() {
    if (ingameChat.inputOpen && ingameChat.targetVisible) ingameChat.inputMode = 1;
}

void ingameChatClickText() {
    if (ingameChat.inputOpen) ingameChat.inputMode = 2;
}

bool ingameChatTyping() { return ingameChat.inputOpen; }

}  // namespace kf
