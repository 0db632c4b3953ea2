// Time from the start of asset loading to assetsLoaded(), preloaded on the
// calling thread and on the four loader threads. Prints the median and the
// slowest of several runs in ms. Run from the build folder (the data comes
// from bin/data, or KF_DATA_DIR).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "assets.h"
#include "meshes.h"
#include "settings.h"
#include "sounds.h"
#include "textures.h"

using namespace kf;

namespace {

class SilentBackend : public SoundBackend {
public:
    std::unique_ptr<SoundVoice> open(const std::string&) override { return nullptr; }
};

double loadOnce(bool preload) {
    TextureManager textures;
    MeshManager meshes;
    SoundManager sounds(std::make_unique<SilentBackend>());
    assetManagers = {&textures, &meshes, &sounds};
    for (auto& f : assetGroupLoaded) f = false;
    gameModels = TGameModels{};
    QElapsedTimer t;
    t.start();
    startAssetLoading(preload);
    while (!assetsLoaded()) QThread::usleep(200);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    waitForAssetLoaders();
    QCoreApplication::processEvents();
    gameModels = TGameModels{};
    assetManagers = {};
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("KF_DATA_DIR"))
        qputenv("KF_DATA_DIR", (QCoreApplication::applicationDirPath() + "/../bin/data").toUtf8());
    std::printf("data: %s\n", qPrintable(dataDir()));
    for (bool preload : {true, false}) {
        std::vector<double> runs;
        for (int i = 0; i < 7; ++i) runs.push_back(loadOnce(preload));
        std::sort(runs.begin(), runs.end());
        std::printf("%-22s median %7.1f ms   slowest %7.1f ms   (%zu runs)\n",
                    preload ? "preloaded" : "four loader threads", runs[runs.size() / 2], runs.back(), runs.size());
    }
    return 0;
}
