#pragma once
// The client's log: the line list shown in the debug window. Web-script replies
// are read from the same list, so it is a plain vector of lines.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kf {

void logLine(std::string_view line);
const std::vector<std::string>& logLines();
void clearLog();
// Optional observer (the debug window); called after each appended line.
void setLogObserver(std::function<void(const std::string&)> observer);

}  // namespace kf
