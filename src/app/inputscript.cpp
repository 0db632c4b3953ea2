#include "inputscript.h"

#include <Qt>

#include <algorithm>
#include <sstream>

#include "matchwindow.h"

namespace kf {

bool parseInputScript(const std::string& text, std::vector<TScriptEvent>* events, std::string* error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    static const char* verbs[] = {"move", "press", "release", "click", "keydown", "keyup", "key", "type", "screenshot", "quit"};
    while (std::getline(in, line)) {
        ++number;
        std::istringstream fields(line);
        TScriptEvent e;
        std::string first;
        if (!(fields >> first) || first[0] == '#') continue;
        try {
            std::size_t used = 0;
            e.frame = std::stol(first, &used);
            if (used != first.size() || e.frame < 0) throw std::invalid_argument("frame");
        } catch (const std::exception&) {
            if (error) *error = "line " + std::to_string(number) + ": a frame number must come first";
            return false;
        }
        fields >> e.verb;
        if (std::find(std::begin(verbs), std::end(verbs), e.verb) == std::end(verbs)) {
            if (error) *error = "line " + std::to_string(number) + ": unknown event \"" + e.verb + "\"";
            return false;
        }
        if (e.verb == "type") {
            std::string rest;
            std::getline(fields, rest);
            if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
            e.args.push_back(rest);
        } else {
            for (std::string a; fields >> a;) e.args.push_back(a);
        }
        const bool needsOne = e.verb == "press" || e.verb == "release" || e.verb == "keydown" || e.verb == "keyup" ||
                              e.verb == "key" || e.verb == "screenshot";
        if ((e.verb == "move" && e.args.size() != 2) || (needsOne && e.args.size() != 1) ||
            ((e.verb == "key" || e.verb == "keydown" || e.verb == "keyup") && scriptKey(e.args[0]) == 0)) {
            if (error) *error = "line " + std::to_string(number) + ": wrong arguments for \"" + e.verb + "\"";
            return false;
        }
        events->push_back(std::move(e));
    }
    std::stable_sort(events->begin(), events->end(), [](const TScriptEvent& a, const TScriptEvent& b) { return a.frame < b.frame; });
    return true;
}

int scriptKey(const std::string& n) {
    if (n.size() == 1) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(n[0])));
        if (c >= 'A' && c <= 'Z') return Qt::Key_A + (c - 'A');
        if (c >= '0' && c <= '9') return Qt::Key_0 + (c - '0');
    }
    if (n.size() >= 2 && (n[0] == 'F' || n[0] == 'f')) {
        try {
            const int f = std::stoi(n.substr(1));
            if (f >= 1 && f <= 12) return Qt::Key_F1 + (f - 1);
        } catch (const std::exception&) {
        }
    }
    if (n == "Esc") return Qt::Key_Escape;
    if (n == "Enter") return Qt::Key_Return;
    if (n == "Backspace") return Qt::Key_Backspace;
    if (n == "Space") return Qt::Key_Space;
    return 0;
}

namespace {

MouseButton buttonOf(const std::string& s) {
    if (s == "right") return MouseButton::Right;
    if (s == "middle") return MouseButton::Middle;
    return MouseButton::Left;
}

std::string keyText(const std::string& name) {
    if (name.size() == 1) return std::string(1, static_cast<char>(std::tolower(static_cast<unsigned char>(name[0]))));
    if (name == "Space") return " ";
    if (name == "Enter") return "\r";
    return {};
}

}  // namespace

void TInputScript::apply(TMyApp& app, const TScriptEvent& e) {
    const float sx = float(app.backBufferWidth()) / 1024, sy = float(app.backBufferHeight()) / 768;
    if (e.verb == "move") {
        app.onMouseMove(std::stof(e.args[0]) * sx, std::stof(e.args[1]) * sy);
    } else if (e.verb == "press" || e.verb == "release") {
        app.onMouseButton(buttonOf(e.args[0]), e.verb == "press", app.cursorX(), app.cursorY());
    } else if (e.verb == "click") {
        app.onMouseButton(MouseButton::Left, true, app.cursorX(), app.cursorY());
        app.onMouseButton(MouseButton::Left, false, app.cursorX(), app.cursorY());
    } else if (e.verb == "keydown" || e.verb == "key") {
        app.onKey(scriptKey(e.args[0]), true, false, keyText(e.args[0]));
        if (e.verb == "key") app.onKey(scriptKey(e.args[0]), false, false, {});
    } else if (e.verb == "keyup") {
        app.onKey(scriptKey(e.args[0]), false, false, {});
    } else if (e.verb == "type") {
        for (char c : e.args[0]) app.onKey(0, true, false, std::string(1, c));
    } else if (e.verb == "screenshot") {
        if (screenshot) screenshot(e.args[0]);
    } else if (e.verb == "quit") {
        if (quit) quit();
    }
}

void TInputScript::play(TMyApp& app, long frame) {
    while (next_ < events_.size() && events_[next_].frame <= frame) apply(app, events_[next_++]);
}

}  // namespace kf
