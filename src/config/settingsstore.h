#pragma once
// The persistent store of preferences. Each settings key (the game settings,
// the saved credentials, the ban marker) is one INI file
// (QSettings::IniFormat) in the configuration folder, every
// value a text stored under its exact name ("resolution width" keeps its blank;
// the file shows it percent-encoded). Every write is synced at once, or at
// the end of its batch (TSettingsBatch): the launcher, a separate process,
// reads the same files.
//
// Configuration folder, first match wins: setConfigDir() (the programs'
// "--config-dir" option), the environment variable KICKFIELD_CONFIG_DIR,
// <generic config location>/Kickfield (~/.config/Kickfield).

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace kf {

enum class TSettingsKey {
    GameSettings,  // "GameSettings.ini": all settings and camera presets, shared with the launcher
    Credentials,   // "Kickfield.ini": saved "username" and "password"; owner-only (0600)
    BanMarker,     // "Gre.ini": the machine-ban marker "gre"
};

// An empty dir restores the environment/default choice. Call before the first read.
void setConfigDir(const QString& dir);
QString configDir();
QString settingsFilePath(TSettingsKey key);

// Opens the key (creating folder and file when missing) and returns the value;
// a missing or empty value is written with `defaultText`, which is returned.
// A key that cannot be opened (folder or file not creatable, readable and
// writable, or a file QSettings cannot parse) reads as the empty text.
QString readSetting(const QString& name, const QString& defaultText, TSettingsKey key = TSettingsKey::GameSettings);
// Writes and syncs one value; does nothing when the key cannot be opened.
void writeSetting(const QString& name, const QString& text, TSettingsKey key = TSettingsKey::GameSettings);

// While a batch lives, the reads and writes of its key share one opened and
// parsed file and are synced once, when the outermost batch ends (a batch
// opened while another one lives does nothing). Loading or saving a whole
// record is one batch, so the launcher sees it change at once.
class TSettingsBatch {
public:
    explicit TSettingsBatch(TSettingsKey key = TSettingsKey::GameSettings);
    ~TSettingsBatch();
    TSettingsBatch(const TSettingsBatch&) = delete;
    TSettingsBatch& operator=(const TSettingsBatch&) = delete;

private:
    bool owner_ = false;
};

// readSetting, but the empty text of an unopenable key gives `defaultText` too,
// so that a broken store runs the game on its defaults.
QString readSettingOrDefault(const QString& name, const QString& defaultText,
                             TSettingsKey key = TSettingsKey::GameSettings);

// Integers are plain decimal text in every locale (the launcher and older
// files expect "1024", never "1.024").
std::optional<std::int64_t> parseInteger(const QString& text);
// A stored integer, or `defaultValue` when the text is not an int32. A text
// that is not a number is left in the store as it is.
std::int32_t readIntSetting(const QString& name, std::int32_t defaultValue,
                            TSettingsKey key = TSettingsKey::GameSettings);

// Decimal numbers use the separators of `locale` (the user's: QLocale::system()),
// never group separators, and the shortest text that reads back as the same
// float ("0.6", not "0.6000000238418579").
QString floatText(float value, const QLocale& locale);
// Non-numbers, texts with group separators and values that are not finite floats give nullopt.
std::optional<float> parseFloat(const QString& text, const QLocale& locale);
float readFloatSetting(const QString& name, float defaultValue, const QLocale& locale,
                       TSettingsKey key = TSettingsKey::GameSettings);
void writeFloatSetting(const QString& name, float value, const QLocale& locale,
                       TSettingsKey key = TSettingsKey::GameSettings);

}  // namespace kf
