#pragma once
// Timed mouse and keyboard events for tests and demonstrations, played
// through the match window's real handlers. One event per line:
//
//   <frame> move <x> <y>          cursor to a point of the virtual 1024 x 768 screen
//   <frame> press left|right|middle
//   <frame> release left|right|middle
//   <frame> click                 left press and release (a button click)
//   <frame> keydown <key> / keyup <key> / key <key>   key: A..Z, 0..9, F1..F12, Esc, Enter, Backspace, Space
//   <frame> type <text>           characters to the chat line
//   <frame> screenshot <file.png> saves the next drawn frame
//   <frame> quit                  ends the program
//
// Blank lines and lines starting with "#" are ignored.

#include <functional>
#include <string>
#include <vector>

namespace kf {

class TMyApp;

struct TScriptEvent {
    long frame = 0;
    std::string verb;
    std::vector<std::string> args;
};

// Parses a script; a malformed line is reported in *error with its number.
bool parseInputScript(const std::string& text, std::vector<TScriptEvent>* events, std::string* error);

// Qt key code of a key name of the script, 0 when unknown.
int scriptKey(const std::string& name);

class TInputScript {
public:
    explicit TInputScript(std::vector<TScriptEvent> events) : events_(std::move(events)) {}
    // Plays the events due at this frame; screenshots and quitting go through the callbacks.
    void play(TMyApp& app, long frame);

    std::function<void(const std::string& file)> screenshot;
    std::function<void()> quit;

private:
    void apply(TMyApp& app, const TScriptEvent& e);
    std::vector<TScriptEvent> events_;
    std::size_t next_ = 0;
};

}  // namespace kf
