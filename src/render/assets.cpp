#include "assets.h"

#include <QThread>

#include <mutex>
#include <stdexcept>

#include "gltf_loader.h"
#include "image.h"
#include "kits.h"
#include "meshes.h"
#include "settings.h"
#include "sounds.h"
#include "textures.h"

namespace kf {

std::array<std::atomic<bool>, kAssetGroups> assetGroupLoaded{};
TAssetManagers assetManagers;
TGameModels gameModels;
int crowdCountdown = 0;

namespace {

std::mutex gMessagesMutex;
std::vector<std::string> gMessages;
std::mutex gThreadsMutex;
std::vector<QThread*> gThreads;

void postMessage(const std::string& text) {
    std::lock_guard<std::mutex> lock(gMessagesMutex);
    gMessages.push_back(text);
}

TextureManager& textures() { return *assetManagers.textures; }
MeshManager& meshes() { return *assetManagers.meshes; }

// Decodes the file here (any thread); a missing file leaves the texture empty.
TextureHandle loadTexture(const std::string& name, const std::string& relative) {
    return textures().load(name, dataPath(relative));
}

// Parses the model here and registers it; nullptr when it cannot be read.
std::unique_ptr<MeshInstance> loadModel(const std::string& name) {
    if (!meshes().load(name, dataPath("data/models/" + name + ".glb"))) return nullptr;
    auto instance = meshes().createInstance(name);
    if (instance) instance->setNodeCulling(false);
    return instance;
}

void loadFigure(std::unique_ptr<MeshInstance>& slot, const std::string& name) {
    slot = loadModel(name);
    if (!slot) postMessage(name + " is missing");
}

void runGroup(TAssetGroup group) {
    switch (group) {
    case agPlayerModel: loadPlayerModel(); break;
    case agKeeperModel: loadKeeperModel(); break;
    case agHudTextures: loadHudTextures(); break;
    case agStaticModels: loadStaticModels(); break;
    default: return;
    }
    assetGroupLoaded[group].store(true, std::memory_order_release);
}

void startLoaderThread(TAssetGroup group) {
    // An error inside a loader ends its thread without marking the group, so
    // the match stays closed ("Still loading models...") instead of drawing
    // half-loaded data.
    QThread* t = QThread::create([group] {
        try {
            runGroup(group);
        } catch (const std::exception& e) {
            postMessage(std::string("Loading failed: ") + e.what());
        }
    });
    {
        std::lock_guard<std::mutex> lock(gThreadsMutex);
        gThreads.push_back(t);
    }
    QObject::connect(t, &QThread::finished, t, [t] {
        {
            std::lock_guard<std::mutex> lock(gThreadsMutex);
            std::erase(gThreads, t);
        }
        t->deleteLater();
    });
    t->start(QThread::HighPriority);
}

}  // namespace

bool assetsLoaded() {
    for (const auto& f : assetGroupLoaded)
        if (!f.load(std::memory_order_acquire)) return false;
    return true;
}

std::string dataPath(const std::string& relative) {
    // Paths are written "data/..."; the data folder itself may be moved (KF_DATA_DIR).
    const std::string base = dataDir().toStdString();
    const std::string prefix = "data/";
    return relative.rfind(prefix, 0) == 0 ? base + "/" + relative.substr(prefix.size()) : base + "/" + relative;
}

void loadHudTextures() {
    const std::string gui = "data/textures/2d/ingame/gui/";
    loadTexture("panel1", gui + "panel.png");
    for (const char* n : {"readySign", "ready", "quit", "change", "next", "tryAgain", "scoreBoard", "readyh", "quith",
                          "changeh", "nexth", "tryAgainh", "editSmall", "editBig"})
        loadTexture(n, gui + n + ".png");
    for (const char* n : {"power", "powerback"}) loadTexture(n, std::string("data/textures/2d/ingame/powerbar/") + n + ".png");
    for (const char* n : {"smallfield", "smallfield2", "s1", "s2", "s3"})
        loadTexture(n, std::string("data/textures/2d/ingame/radar/") + n + ".png");
    loadTexture("cursor", "data/textures/2d/ingame/misc/cursor.png");
    loadTexture("flags", "data/textures/2d/flags.png");
    for (const char* n : {"ballShadow", "netShadow1", "netShadow2", "adboardShadow1", "adboardShadow2", "shadow",
                          "tutCircle", "benchShadow"})
        loadTexture(n, std::string("data/textures/3d/misc/") + n + ".png");
    for (const char* n : {"grassLow", "grass"}) loadTexture(n, std::string("data/textures/3d/grass/") + n + ".png");
    for (int i = 1; i <= 4; ++i)
        loadTexture("adboardTex" + std::to_string(i), "data/textures/3d/adboards/adboard" + std::to_string(i) + ".png");
}

void loadStaticModels() {
    TGameModels& m = gameModels;
    m.field = loadModel("field");
    m.ball = loadModel("ball");
    m.net = loadModel("net");
    m.bench = loadModel("bench");
    m.adboard = loadModel("adboard");
    m.stadium = loadModel("stad1");
    if (m.field) m.field->setNodeCulling(true);  // the pick surface is never drawn
    // The stadium surrounds every camera, so its box is always in view; its
    // rigid parts are culled one by one instead (the look is the same).
    if (m.stadium) m.stadium->setNodeCulling(true);
    const std::string statics = "data/textures/3d/staticModels/";
    const TextureHandle ball = loadTexture("ball", statics + "ball.png");
    const TextureHandle net = loadTexture("net", statics + "net.png");
    const TextureHandle bench = loadTexture("bench", statics + "bench.png");
    if (m.ball) m.ball->setMaterialTexture(0, ball);
    if (m.net) m.net->setMaterialTexture(0, net);
    if (m.bench) m.bench->setMaterialTexture(0, bench);
    const char* stadium[6] = {"concrete", "board", "steps", "chairs", "back", "steps2"};
    for (int i = 0; i < 6; ++i) {
        const TextureHandle t = loadTexture(stadium[i], std::string("data/textures/3d/stadium/") + stadium[i] + ".png");
        if (m.stadium) m.stadium->setMaterialTexture(i, t);
    }
}

void loadPlayerModel() { loadFigure(gameModels.player, "player"); }
void loadKeeperModel() { loadFigure(gameModels.goalkeeper, "goalkeeper"); }

void loadSounds() {
    for (const char* n : kSoundNames) assetManagers.sounds->load(n, dataPath(std::string("data/sounds/") + n + ".wav"));
}

void startAssetLoading(bool preload) {
    loadSounds();
    buildSkinTextures(textures());
    buildHairTextures(textures());
    buildPlainKits(textures());
    buildKeeperTextures(textures());
    const TAssetGroup order[4] = {agPlayerModel, agKeeperModel, agHudTextures, agStaticModels};
    for (TAssetGroup g : order) {
        if (preload) runGroup(g);
        else startLoaderThread(g);
    }
}

void markAllAssetsLoaded() {
    for (auto& f : assetGroupLoaded) f.store(true, std::memory_order_release);
}

void waitForAssetLoaders() {
    for (;;) {
        QThread* t = nullptr;
        {
            std::lock_guard<std::mutex> lock(gThreadsMutex);
            for (QThread* candidate : gThreads)
                if (!candidate->isFinished()) t = candidate;
        }
        if (!t) return;
        t->wait();
    }
}

std::vector<std::string> takeAssetMessages() {
    std::lock_guard<std::mutex> lock(gMessagesMutex);
    return std::exchange(gMessages, {});
}

void playSound(int code) {
    if (!settings.sounds || code < 0 || code > 10 || !assetManagers.sounds) return;
    SoundManager& s = *assetManagers.sounds;
    if (code == 0) {
        if (crowdCountdown > 0 && --crowdCountdown > 0) return;
        crowdCountdown = 600;
        s.stop(kSoundNames[0]);
        s.start(kSoundNames[0]);
        return;
    }
    if (!s.isPlaying(kSoundNames[code])) s.start(kSoundNames[code]);
}

void stopAllSounds() {
    if (assetManagers.sounds) assetManagers.sounds->stopAll();
}

}  // namespace kf
