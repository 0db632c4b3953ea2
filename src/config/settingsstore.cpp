#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>

namespace kf {

namespace {

QString& overrideDir() {
    static QString dir;
    return dir;
}

QString fileName(TSettingsKey key) {
    switch (key) {
    case TSettingsKey::GameSettings: return QStringLiteral("GameSettings.ini");
    case TSettingsKey::Credentials: return QStringLiteral("Kickfield.ini");
    case TSettingsKey::BanMarker: return QStringLiteral("Gre.ini");
    }
    return {};
}

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The owner/group/other bits only: Qt adds the *User bits for the caller's own access.
QFileDevice::Permissions modeBits(const QString& path) {
    return QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

bool ensureDir(const QString& dir) {
    QFileInfo info(dir);
    if (!info.exists() && !QDir().mkpath(dir)) return false;
    info.refresh();
    // QSettings replaces the file through a temporary beside it, so the
    // folder itself must be writable, not only the file.
    return info.isDir() && info.isWritable() && info.isExecutable();
}

// The file of `key`, created when missing, after proving that it can be read
// and written; nullopt when the key cannot be opened.
std::optional<QString> openKey(TSettingsKey key) {
    QString dir = configDir();
    if (dir.isEmpty() || !ensureDir(dir)) return std::nullopt;
    QString path = dir + QLatin1Char('/') + fileName(key);
    QFileInfo info(path);
    if (info.exists() && !info.isFile()) return std::nullopt;
    bool secret = key == TSettingsKey::Credentials;
    QFile file(path);
    bool opened = secret ? file.open(QIODevice::ReadWrite, kOwnerOnly) : file.open(QIODevice::ReadWrite);
    if (!opened) return std::nullopt;
    file.close();
    // A credentials file made by someone else (or an older build) may be wider.
    if (secret && modeBits(path) != kOwnerOnly && !QFile::setPermissions(path, kOwnerOnly))
        return std::nullopt;
    return path;
}

QString valueText(const QVariant& value) {
    // A hand-edited "64,174,197" without quotes comes back as a list.
    if (value.userType() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void finishWrite(QSettings& s, const QString& path, TSettingsKey key) {
    s.sync();
    if (key == TSettingsKey::Credentials) QFile::setPermissions(path, kOwnerOnly);
}

// The file of a key, opened and parsed; `settings` is null when the key
// cannot be opened or its file cannot be parsed (a sync would overwrite it).
struct OpenKey {
    TSettingsKey key;
    QString path;
    std::unique_ptr<QSettings> settings;
    bool dirty = false;

    explicit OpenKey(TSettingsKey k) : key(k) {
        std::optional<QString> p = openKey(k);
        if (!p) return;
        path = *p;
        settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        settings->allKeys();  // parses the file, so that a format error shows now
        if (settings->status() != QSettings::NoError) settings.reset();
    }
    void write(const QString& name, const QString& text) {
        settings->setValue(name, text);
        dirty = true;
    }
    void finish() {
        if (settings && dirty) finishWrite(*settings, path, key);
        dirty = false;
    }
};

OpenKey*& activeBatch() {
    static OpenKey* batch = nullptr;
    return batch;
}

// Runs `use` on the batch's open key when one lives for `key`, else on a key
// opened for this one call and synced after it.
template <typename Use>
auto withKey(TSettingsKey key, Use use) {
    OpenKey* batch = activeBatch();
    if (batch && batch->key == key) return use(*batch);
    OpenKey single(key);
    auto result = use(single);
    single.finish();
    return result;
}

}  // namespace

TSettingsBatch::TSettingsBatch(TSettingsKey key) {
    if (activeBatch()) return;
    activeBatch() = new OpenKey(key);
    owner_ = true;
}

TSettingsBatch::~TSettingsBatch() {
    if (!owner_) return;
    OpenKey* batch = activeBatch();
    activeBatch() = nullptr;
    batch->finish();
    delete batch;
}

void setConfigDir(const QString& dir) { overrideDir() = dir; }

QString configDir() {
    if (!overrideDir().isEmpty()) return overrideDir();
    QString env = qEnvironmentVariable("KICKFIELD_CONFIG_DIR");
    if (!env.isEmpty()) return env;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty()) return {};
    return base + QStringLiteral("/Kickfield");
}

QString settingsFilePath(TSettingsKey key) { return configDir() + QLatin1Char('/') + fileName(key); }

QString readSetting(const QString& name, const QString& defaultText, TSettingsKey key) {
    return withKey(key, [&](OpenKey& k) -> QString {
        if (!k.settings) return {};
        QString text = valueText(k.settings->value(name));
        if (!text.isEmpty()) return text;
        k.write(name, defaultText);
        return defaultText;
    });
}

void writeSetting(const QString& name, const QString& text, TSettingsKey key) {
    withKey(key, [&](OpenKey& k) {
        if (k.settings) k.write(name, text);
        return 0;
    });
}

QString readSettingOrDefault(const QString& name, const QString& defaultText, TSettingsKey key) {
    QString text = readSetting(name, defaultText, key);
    return text.isEmpty() ? defaultText : text;
}

std::optional<std::int64_t> parseInteger(const QString& text) {
    bool ok = false;
    qlonglong v = text.trimmed().toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return static_cast<std::int64_t>(v);
}

std::int32_t readIntSetting(const QString& name, std::int32_t defaultValue, TSettingsKey key) {
    std::optional<std::int64_t> v = parseInteger(readSettingOrDefault(name, QString::number(defaultValue), key));
    if (!v || *v < std::numeric_limits<std::int32_t>::min() || *v > std::numeric_limits<std::int32_t>::max())
        return defaultValue;
    return static_cast<std::int32_t>(*v);
}

QString floatText(float value, const QLocale& locale) {
    // The float's own shortest digits, then the double nearest to them: that
    // double's shortest text has the same digits, in the locale's spelling.
    char buf[64];
    std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value);
    double nearest = 0;
    std::from_chars(buf, r.ptr, nearest);
    QLocale out = locale;
    out.setNumberOptions(out.numberOptions() | QLocale::OmitGroupSeparator);
    return out.toString(nearest, 'g', QLocale::FloatingPointShortest);
}

std::optional<float> parseFloat(const QString& text, const QLocale& locale) {
    QLocale in = locale;
    // Never written by floatText; in a decimal-comma locale a "." is far more
    // likely another locale's decimal point than a thousands separator.
    in.setNumberOptions(in.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    double d = in.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    float f = static_cast<float>(d);
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

float readFloatSetting(const QString& name, float defaultValue, const QLocale& locale, TSettingsKey key) {
    return parseFloat(readSettingOrDefault(name, floatText(defaultValue, locale), key), locale).value_or(defaultValue);
}

void writeFloatSetting(const QString& name, float value, const QLocale& locale, TSettingsKey key) {
    writeSetting(name, floatText(value, locale), key);
}

}  // namespace kf
