#pragma once
// The sound manager: WAV clips registered under a name, one playable
// instance each. Starting mixes with whatever plays; starting a playing
// instance restarts it. Whether an instance plays is worked out from the
// clip's length and the clock, not asked of the audio system, which without
// an audio device reports "playing" forever.

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace kf {

// One loaded clip in an audio system.
class SoundVoice {
public:
    virtual ~SoundVoice() = default;
    virtual void play(bool loop) = 0;
    virtual void stop() = 0;
};

// The audio system; tests use a fake one.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // nullptr when the file cannot be used.
    virtual std::unique_ptr<SoundVoice> open(const std::string& file) = 0;
};

// The default backend (Qt Multimedia, QSoundEffect).
std::unique_ptr<SoundBackend> makeQtSoundBackend();

class SoundManager {
public:
    using Clock = std::function<double()>;  // seconds, monotonic
    explicit SoundManager(std::unique_ptr<SoundBackend> backend, Clock clock = {});
    ~SoundManager();

    // False when the file is missing, not a WAV file or refused by the backend.
    bool load(const std::string& name, const std::string& file);
    // Registers a clip whose length is known (for backends without files).
    bool add(const std::string& name, std::unique_ptr<SoundVoice> voice, double seconds);
    bool contains(const std::string& name) const { return sounds_.count(name) != 0; }

    void setLooping(const std::string& name, bool loop);
    void start(const std::string& name);
    void stop(const std::string& name);
    void stopAll();
    bool isPlaying(const std::string& name) const;
    double duration(const std::string& name) const;

private:
    struct Sound {
        std::unique_ptr<SoundVoice> voice;
        double seconds = 0;
        bool loop = false;
        bool playing = false;
        double startedAt = 0;
    };
    std::unique_ptr<SoundBackend> backend_;
    Clock clock_;
    std::unordered_map<std::string, Sound> sounds_;
};

}  // namespace kf
