#pragma once
// Loading of the match window's models, textures and sounds, once per run,
// and sound playback by code. The four heavy groups load one after another on
// the calling thread (preloading) or on four loader threads; the engine's
// managers take registrations from any thread and upload to GL on the GL
// thread at first use, so a loader thread only reads files, decodes images
// and parses models.

#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "texture_handle.h"

namespace kf {

class MeshInstance;
class MeshManager;
class SoundManager;
class TextureManager;

enum TAssetGroup { agPlayerModel, agKeeperModel, agHudTextures, agStaticModels, kAssetGroups };

extern std::array<std::atomic<bool>, kAssetGroups> assetGroupLoaded;
bool assetsLoaded();

// The managers of the match window's engine object.
struct TAssetManagers {
    TextureManager* textures = nullptr;
    MeshManager* meshes = nullptr;
    SoundManager* sounds = nullptr;
};
extern TAssetManagers assetManagers;

// One instance per model, made by the loaders; read only after the group's
// flag is set.
struct TGameModels {
    std::unique_ptr<MeshInstance> player, goalkeeper, field, ball, net, bench, adboard, stadium;
};
extern TGameModels gameModels;

// "data/..." below the data folder.
std::string dataPath(const std::string& relative);

// The greeting step: sounds and the generated textures on this thread, then
// the four groups (here, or on loader threads when `preload` is off).
void startAssetLoading(bool preload);
// A version mismatch loads nothing but lets the program close.
void markAllAssetsLoaded();
// Waits for running loader threads (program end, tests).
void waitForAssetLoaders();
// Messages the loaders want shown ("player is missing"); taken on the lobby's thread.
std::vector<std::string> takeAssetMessages();

// The groups themselves (exposed for tests and tools).
void loadHudTextures();
void loadStaticModels();
void loadPlayerModel();
void loadKeeperModel();
void loadSounds();

// Sound codes 0 .. 10; 0 is the crowd loop, restarted every 600 frames.
inline constexpr const char* kSoundNames[11] = {"default", "app",  "boo",  "finalwhis", "goal", "goal2",
                                                "horn",    "kick", "near", "post",      "whis"};
extern int crowdCountdown;
void playSound(int code);
void stopAllSounds();

}  // namespace kf
