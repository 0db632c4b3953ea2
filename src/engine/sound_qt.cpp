// Qt Multimedia backend. Without an audio device QSoundEffect stays silent
// and fails nothing, which is what the game wants on such machines.

#include <QSoundEffect>
#include <QUrl>

#include "sounds.h"

namespace kf {

namespace {

class QtVoice : public SoundVoice {
public:
    explicit QtVoice(const std::string& file) {
        effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(file)));
    }
    void play(bool loop) override {
        effect_.setLoopCount(loop ? QSoundEffect::Infinite : 1);
        if (effect_.isPlaying()) effect_.stop();  // restart from the beginning
        effect_.play();
    }
    void stop() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};

class QtBackend : public SoundBackend {
public:
    std::unique_ptr<SoundVoice> open(const std::string& file) override {
        return std::make_unique<QtVoice>(file);
    }
};

}  // namespace

std::unique_ptr<SoundBackend> makeQtSoundBackend() { return std::make_unique<QtBackend>(); }

}  // namespace kf
