#include "sounds.h"

#include <chrono>

#include "wav_info.h"

namespace kf {

namespace {

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SoundManager::SoundManager(std::unique_ptr<SoundBackend> backend, Clock clock)
    : backend_(std::move(backend)), clock_(clock ? std::move(clock) : Clock(steadySeconds)) {}

SoundManager::~SoundManager() { stopAll(); }

bool SoundManager::load(const std::string& name, const std::string& file) {
    double seconds = 0;
    if (!backend_ || !wavDuration(file, &seconds)) return false;
    std::unique_ptr<SoundVoice> voice = backend_->open(file);
    return voice && add(name, std::move(voice), seconds);
}

bool SoundManager::add(const std::string& name, std::unique_ptr<SoundVoice> voice, double seconds) {
    if (!voice) return false;
    if (auto it = sounds_.find(name); it != sounds_.end() && it->second.playing)
        it->second.voice->stop();
    Sound& s = sounds_[name];
    s = Sound{};
    s.voice = std::move(voice);
    s.seconds = seconds;
    return true;
}

void SoundManager::setLooping(const std::string& name, bool loop) {
    if (auto it = sounds_.find(name); it != sounds_.end()) it->second.loop = loop;
}

void SoundManager::start(const std::string& name) {
    const auto it = sounds_.find(name);
    if (it == sounds_.end()) return;
    Sound& s = it->second;
    s.voice->play(s.loop);
    s.playing = true;
    s.startedAt = clock_();
}

void SoundManager::stop(const std::string& name) {
    const auto it = sounds_.find(name);
    if (it == sounds_.end() || !it->second.playing) return;
    it->second.voice->stop();
    it->second.playing = false;
}

void SoundManager::stopAll() {
    for (auto& [name, s] : sounds_)
        if (s.playing) {
            s.voice->stop();
            s.playing = false;
        }
}

bool SoundManager::isPlaying(const std::string& name) const {
    const auto it = sounds_.find(name);
    if (it == sounds_.end()) return false;
    const Sound& s = it->second;
    return s.playing && (s.loop || clock_() - s.startedAt < s.seconds);
}

double SoundManager::duration(const std::string& name) const {
    const auto it = sounds_.find(name);
    return it == sounds_.end() ? 0 : it->second.seconds;
}

}  // namespace kf
