#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "owndata.h"
#include "settingsstore.h"

namespace kf {

TSettings settings;

namespace {

constexpr std::array<const char*, 4> kLobbyColorDefaults{"64,174,197", "255,0,0", "0,255,0", "255,255,255"};
constexpr std::array<const char*, 6> kIngameColorDefaults{"255,0,0", "0,255,0", "64,174,197",
                                                          "255,255,255", "255,255,0", "255,255,255"};

const QSize kStandardModes[] = {
    {640, 480},   {800, 600},   {1024, 768},  {1152, 864},  {1280, 720},  {1280, 768},  {1280, 800},
    {1280, 960},  {1280, 1024}, {1360, 768},  {1366, 768},  {1440, 900},  {1600, 900},  {1600, 1200},
    {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1440}, {2560, 1600}, {3840, 2160},
};
const QSize kFallbackModes[] = {{640, 480}, {800, 600}, {1024, 768}};

// "on exactly when '1'"
bool readFlag(QLatin1String name, const char* defaultText) {
    return readSettingOrDefault(name, QString::fromLatin1(defaultText)) == QLatin1String("1");
}

TRgb readColor(const QString& name, const char* defaultText) {
    QString def = QString::fromLatin1(defaultText);
    std::optional<TRgb> c = parseColor(readSettingOrDefault(name, def));
    return c ? *c : *parseColor(def);
}

QString programDir() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

}  // namespace

QString lobbyColorName(int n) { return QStringLiteral("lobbyColor%1").arg(n); }
QString ingameColorName(int n) { return QStringLiteral("ingameColor%1").arg(n); }

QString colorText(const TRgb& c) { return QStringLiteral("%1,%2,%3").arg(c.r).arg(c.g).arg(c.b); }

std::optional<TRgb> parseColor(const QString& text) {
    QStringList parts = text.split(QLatin1Char(','));
    std::uint8_t rgb[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < parts.size(); ++i) {
        std::optional<std::int64_t> v = parseInteger(parts[i]);
        if (!v) return std::nullopt;
        rgb[i] = static_cast<std::uint8_t>(static_cast<std::uint64_t>(*v) & 0xFF);
    }
    return TRgb{rgb[0], rgb[1], rgb[2]};
}

void loadSettings() {
    using namespace settingName;
    TSettings s;
    const TSettingsBatch batch;
    writeSetting(versio, QString::fromLatin1(clientVersion));

    std::vector<QSize> modes = displayModes();
    s.resolutionWidth = readIntSetting(resolutionWidth, modes.back().width());
    s.resolutionHeight = readIntSetting(resolutionHeight, modes.back().height());

    s.skin = readSettingOrDefault(skin, QStringLiteral("KF"));
    s.sounds = readFlag(sounds, "1");
    s.drawStadium = readFlag(drawStadium, "1");
    s.lightning = readFlag(lightning, "1");
    s.preloadAssets = readFlag(preloadAssets, "1");
    s.grassQuality = readIntSetting(grassQuality, 1);
    s.tackleKey = readIntSetting(tackleKey, 65);  // A
    s.jumpKey = readIntSetting(jumpKey, 81);      // Q
    s.slowMoving = readFlag(slowMoving, "1");

    for (int n = 1; n <= s.lobbyColors.size(); ++n)
        s.lobbyColors[n] = readColor(lobbyColorName(n), kLobbyColorDefaults[static_cast<std::size_t>(n - 1)]);
    for (int n = 1; n <= s.ingameColors.size(); ++n)
        s.ingameColors[n] = readColor(ingameColorName(n), kIngameColorDefaults[static_cast<std::size_t>(n - 1)]);
    settings = s;
}

std::vector<QSize> buildDisplayModes(std::optional<QSize> screen) {
    if (!screen || screen->isEmpty()) return {std::begin(kFallbackModes), std::end(kFallbackModes)};
    std::vector<QSize> modes;
    auto add = [&modes](QSize m) {
        if (std::find(modes.begin(), modes.end(), m) == modes.end()) modes.push_back(m);
    };
    for (QSize m : kStandardModes)
        if (m.width() <= screen->width() && m.height() <= screen->height()) add(m);
    add(*screen);
    return modes;
}

std::vector<QSize> displayModes() {
    std::optional<QSize> size;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (QScreen* screen = QGuiApplication::primaryScreen()) size = screen->size();
    return buildDisplayModes(size);
}

QString dataDir() {
    QString env = qEnvironmentVariable("KF_DATA_DIR");
    if (!env.isEmpty()) return env;
    return programDir() + QStringLiteral("/data");
}

QStringList skinNames() {
    QStringList names = QDir(dataDir() + QStringLiteral("/skins")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.compare(b, Qt::CaseSensitive) < 0;
    });
    return names;
}

}  // namespace kf
