#pragma once
// The preferences record the whole client reads (one global, `settings`),
// filled once at start-up from the settings store; the settings page and the
// match window write single values back the moment they change.

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <vector>

#include "rgb.h"

namespace kf {

// Arrays numbered 1 .. N the way the stored names count them ("lobbyColor1").
template <class T, int N>
struct OneBased {
    std::array<T, N> v{};
    static constexpr int size() { return N; }
    T& operator[](int n) { assert(n >= 1 && n <= N); return v[static_cast<std::size_t>(n - 1)]; }
    const T& operator[](int n) const { assert(n >= 1 && n <= N); return v[static_cast<std::size_t>(n - 1)]; }
};

using TRgb = TRGB;

struct TSettings {
    std::int32_t resolutionWidth = 0;
    std::int32_t resolutionHeight = 0;
    QString skin;
    bool sounds = false;
    bool preloadAssets = false;
    std::int32_t grassQuality = 0;  // 0 "Low", 1 "High"
    bool hideChat = false;          // F9, not stored
    bool hideRadar = false;         // F10, not stored
    bool plainKits = false;         // F8, not stored
    std::int32_t jumpKey = 0;       // virtual-key code
    std::int32_t tackleKey = 0;
    OneBased<TRgb, 4> lobbyColors;
    OneBased<TRgb, 6> ingameColors;
    bool showFps = false;           // "/fps on", not stored
    bool drawStadium = false;
    bool lightning = false;
    bool slowMoving = false;
};

extern TSettings settings;

// Stored value names, for the code that writes single values back.
namespace settingName {
inline constexpr QLatin1String versio{"versio"};
inline constexpr QLatin1String resolutionWidth{"resolution width"};
inline constexpr QLatin1String resolutionHeight{"resolution height"};
inline constexpr QLatin1String skin{"skin"};
inline constexpr QLatin1String sounds{"sounds"};
inline constexpr QLatin1String preloadAssets{"pre load assets at startup"};
inline constexpr QLatin1String grassQuality{"grass quality"};
inline constexpr QLatin1String jumpKey{"jump key"};
inline constexpr QLatin1String tackleKey{"tackle key"};
inline constexpr QLatin1String drawStadium{"draw stadium"};
inline constexpr QLatin1String lightning{"lightning"};
inline constexpr QLatin1String slowMoving{"slowMoving"};
}  // namespace settingName
QString lobbyColorName(int n);   // "lobbyColor1" .. "lobbyColor4"
QString ingameColorName(int n);  // "ingameColor1" .. "ingameColor6"

// "red,green,blue" as stored.
QString colorText(const TRgb& c);
// Split at every ","; the first three parts are integers of which the low
// 8 bits are kept ("300" is 44); missing parts read 0. nullopt when one of
// those parts is not an integer.
std::optional<TRgb> parseColor(const QString& text);

// Fills `settings` from the store, starting from a fresh record (the runtime
// toggles start off). Writes "versio" first; a value that is missing is
// created with its default; a numeric or colour text that does not parse
// reads as the default and is left in the store as it is.
void loadSettings();

// Resolutions offered by the settings page; the last one is the default.
// The display driver's mode list is not available through Qt, which reports
// only each screen's current mode, so the list is made by a rule:
//  - with a screen: the standard modes 640x480 ... 3840x2160 that fit into
//    the primary screen (width and height both no larger), then the screen's
//    own size (logical pixels), a repeated size kept only where it first
//    appears -- so the default is the desktop's size;
//  - without a QGuiApplication or without a screen: 640x480, 800x600,
//    1024x768 (default 1024x768).
std::vector<QSize> buildDisplayModes(std::optional<QSize> screen);
// buildDisplayModes for the running application's primary screen.
std::vector<QSize> displayModes();

// Folder of models, textures, sounds and skins: "data" beside the program,
// or the environment variable KF_DATA_DIR when set.
QString dataDir();
// Names of the folders under "<data dir>/skins", sorted by name (folders
// have no stable order on Linux): letters compared without case, ties by case.
QStringList skinNames();

}  // namespace kf
