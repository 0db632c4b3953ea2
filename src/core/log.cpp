#include "log.h"

namespace kf {

namespace {
std::vector<std::string> gLines;
std::function<void(const std::string&)> gObserver;
}  // namespace

void logLine(std::string_view line) {
    gLines.emplace_back(line);
    if (gObserver) gObserver(gLines.back());
}

const std::vector<std::string>& logLines() { return gLines; }
void clearLog() { gLines.clear(); }
void setLogObserver(std::function<void(const std::string&)> observer) { gObserver = std::move(observer); }

}  // namespace kf
