#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <random>

#include "configfixture.h"
#include "settingsstore.h"

using namespace kf;

namespace {

unsigned modeOf(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return 0xFFFF;
    return st.st_mode & 0777;
}

}  // namespace

using SettingsStore = ConfigFolder;

TEST_F(SettingsStore, ConfigFolderChoice) {
    EXPECT_EQ(configDir(), dir);
    setConfigDir(tmp.path() + "/fromOption");  // the command-line option beats the environment
    EXPECT_EQ(configDir(), tmp.path() + "/fromOption");
    EXPECT_EQ(settingsFilePath(TSettingsKey::GameSettings), tmp.path() + "/fromOption/GameSettings.ini");
    setConfigDir({});
    qunsetenv("KICKFIELD_CONFIG_DIR");
    QByteArray oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (tmp.path() + "/xdg").toUtf8());
    EXPECT_EQ(configDir(), tmp.path() + "/xdg/Kickfield");
    qputenv("XDG_CONFIG_HOME", oldXdg);
}

TEST_F(SettingsStore, KeysAreSeparateFiles) {
    writeSetting("versio", "0092");
    writeSetting("username", "bob", TSettingsKey::Credentials);
    writeSetting("gre", "1", TSettingsKey::BanMarker);
    EXPECT_EQ(iniValues("GameSettings.ini"), (std::map<std::string, std::string>{{"versio", "0092"}}));
    EXPECT_EQ(iniValues("Kickfield.ini"), (std::map<std::string, std::string>{{"username", "bob"}}));
    EXPECT_EQ(iniValues("Gre.ini"), (std::map<std::string, std::string>{{"gre", "1"}}));
}

TEST_F(SettingsStore, ReadWritesTheDefaultOnlyForMissingOrEmptyValues) {
    storeValue("GameSettings.ini", "skin", "Dark");
    storeValue("GameSettings.ini", "sounds", "");
    struct Row { const char* name; const char* def; const char* want; } rows[] = {
        {"skin", "KF", "Dark"},       // stored: kept
        {"sounds", "1", "1"},         // empty: replaced
        {"lightning", "1", "1"},      // missing: created
        {"resolution width", "800", "800"},
    };
    for (const Row& r : rows) EXPECT_EQ(readSetting(r.name, r.def).toStdString(), r.want) << r.name;
    auto ini = iniValues("GameSettings.ini");
    for (const Row& r : rows) EXPECT_EQ(ini[r.name], r.want) << r.name;
    // The blank of the name survives; the file spells it percent-encoded.
    EXPECT_TRUE(rawFile("GameSettings.ini").contains("resolution%20width=800"));
}

TEST_F(SettingsStore, WritesReachTheFileAtOnce) {
    writeSetting("grass quality", "0");
    EXPECT_TRUE(rawFile("GameSettings.ini").contains("grass%20quality=0"));
    writeSetting("grass quality", "1");
    EXPECT_TRUE(rawFile("GameSettings.ini").contains("grass%20quality=1"));
    // A value written by another process shows on the next read.
    storeValue("GameSettings.ini", "skin", "FromLauncher");
    EXPECT_EQ(readSetting("skin", "KF"), "FromLauncher");
}

TEST_F(SettingsStore, BatchSharesOneFileAndSyncsAtItsEnd) {
    {
        const TSettingsBatch batch;
        writeSetting("grass quality", "0");
        EXPECT_EQ(readSetting("grass quality", "1"), "0") << "the batch reads its own writes";
        EXPECT_EQ(readSetting("skin", "KF"), "KF");
        {
            const TSettingsBatch inner;
            writeSetting("lightning", "0");
        }
        writeSetting("username", "bob", TSettingsKey::Credentials);
        EXPECT_TRUE(rawFile("Kickfield.ini").contains("username=bob")) << "another key is written at once";
        const auto during = rawFile("GameSettings.ini");
        EXPECT_FALSE(during.contains("grass")) << "nothing reaches the file before the batch ends";
        EXPECT_FALSE(during.contains("lightning")) << "an inner batch does not sync";
    }
    const auto after = rawFile("GameSettings.ini");
    EXPECT_TRUE(after.contains("grass%20quality=0"));
    EXPECT_TRUE(after.contains("skin=KF"));
    EXPECT_TRUE(after.contains("lightning=0"));
}

TEST_F(SettingsStore, HandEditedListValueReadsAsItsText) {
    QDir().mkpath(dir);
    QFile f(path("GameSettings.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[General]\nlobbyColor1=1,2,3\n");
    f.close();
    EXPECT_EQ(readSetting("lobbyColor1", "64,174,197"), "1,2,3");
}

TEST_F(SettingsStore, CredentialsFileIsOwnerOnly) {
    struct Row {
        const char* name;
        int existingMode;  // 0: no file before
        std::function<void()> act;
    } rows[] = {
        {"fresh file, write", 0, [] { writeSetting("username", "bob", TSettingsKey::Credentials); }},
        {"wide file, write", 0644, [] { writeSetting("password", "secret", TSettingsKey::Credentials); }},
        {"wide file, read only", 0666, [] { readSetting("username", "", TSettingsKey::Credentials); }},
    };
    for (const Row& r : rows) {
        QDir(dir).removeRecursively();
        if (r.existingMode) {
            storeValue("Kickfield.ini", "username", "old");
            ASSERT_EQ(::chmod(QFile::encodeName(path("Kickfield.ini")).constData(), r.existingMode), 0);
        }
        r.act();
        EXPECT_EQ(modeOf(path("Kickfield.ini")), 0600u) << r.name;
        if (r.existingMode) {
            EXPECT_EQ(iniValues("Kickfield.ini")["username"], "old") << r.name;
        }
    }
    // Other keys keep the ordinary mode.
    writeSetting("versio", "0092");
    EXPECT_NE(modeOf(path("GameSettings.ini")), 0600u);
}

TEST_F(SettingsStore, UnopenableKeyReadsEmptyAndWritesNothing) {
    struct Row {
        const char* name;
        std::function<bool(const QString& base)> breakIt;
        bool wholeFolder;  // false: only the GameSettings key is broken
    } rows[] = {
        {"config folder is a file",
         [](const QString& base) {
             QFile f(base);
             return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
         }, true},
        {"parent of the config folder is a file",
         [this](const QString&) {
             QFile f(tmp.path() + "/blocker");
             if (!f.open(QIODevice::WriteOnly)) return false;
             setConfigDir(tmp.path() + "/blocker/config");
             return true;
         }, true},
        {"settings file is a folder",
         [](const QString& base) { return QDir().mkpath(base + "/GameSettings.ini"); }, false},
    };
    for (const Row& r : rows) {
        setConfigDir({});
        QString base = tmp.path() + "/case" + QString::number(&r - rows);
        qputenv("KICKFIELD_CONFIG_DIR", base.toUtf8());
        ASSERT_TRUE(r.breakIt(base)) << r.name;
        QString effective = configDir();
        EXPECT_EQ(readSetting("skin", "KF"), "") << r.name;
        EXPECT_EQ(readSettingOrDefault("skin", "KF"), "KF") << r.name;
        writeSetting("skin", "Dark");
        writeSetting("username", "bob", TSettingsKey::Credentials);
        EXPECT_FALSE(QFileInfo(effective + "/GameSettings.ini").isFile()) << r.name;
        // The other keys are files of their own and open as long as the folder does.
        EXPECT_EQ(QFileInfo::exists(effective + "/Kickfield.ini"), !r.wholeFolder) << r.name;
    }
}

TEST_F(SettingsStore, ReadOnlyConfigFolderReadsEmptyAndWritesNothing) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passes every permission check";
    storeValue("GameSettings.ini", "skin", "Dark");
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0500), 0);
    EXPECT_EQ(readSetting("skin", "KF"), "");
    writeSetting("skin", "Light");
    writeSetting("username", "bob", TSettingsKey::Credentials);
    ::chmod(QFile::encodeName(dir).constData(), 0700);
    EXPECT_EQ(iniValues("GameSettings.ini")["skin"], "Dark");
    EXPECT_FALSE(QFileInfo::exists(path("Kickfield.ini")));
}

TEST(NumberText, LocaleSpelling) {
    const QLocale c = QLocale::c();
    const QLocale de(QLocale::German, QLocale::Germany);
    struct Row { float value; const char* inC; const char* inDe; } rows[] = {
        {0.6f, "0.6", "0,6"},
        {5.944f, "5.944", "5,944"},
        {-0.856f, "-0.856", "-0,856"},
        {7.5f, "7.5", "7,5"},
        {0.0f, "0", "0"},
        {-1.0f, "-1", "-1"},
        {1234567.0f, "1234567", "1234567"},  // no thousands separator
    };
    for (const Row& r : rows) {
        EXPECT_EQ(floatText(r.value, c).toStdString(), r.inC) << r.inC;
        EXPECT_EQ(floatText(r.value, de).toStdString(), r.inDe) << r.inC;
        EXPECT_EQ(parseFloat(r.inDe, de), r.value) << r.inDe;
        EXPECT_EQ(parseFloat(r.inC, c), r.value) << r.inC;
    }
}

TEST(NumberText, RejectsWhatIsNotAFiniteFloat) {
    const QLocale de(QLocale::German, QLocale::Germany);
    for (const char* text : {"", "abc", "5.64", "1.234,5", "1e39", "nan", "inf", "0,6x", ","})
        EXPECT_FALSE(parseFloat(text, de).has_value()) << text;
    EXPECT_FALSE(parseFloat("0,6", QLocale::c()).has_value());
    for (const char* text : {"", "x", "1.5", "12a", "0x10"}) EXPECT_FALSE(parseInteger(text).has_value()) << text;
    EXPECT_EQ(parseInteger(" 1024 "), 1024);
    EXPECT_EQ(parseInteger("-7"), -7);
}

TEST(NumberText, EveryFloatRoundTrips) {
    // Random bit patterns cover the shortest-digits path far from the defaults too.
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                               QLocale(QLocale::French, QLocale::France)};
    std::mt19937 rng(12345);
    int checked = 0;
    while (checked < 60000) {
        float f = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
        if (!std::isfinite(f)) continue;
        const QLocale& loc = locales[checked % 3];
        std::optional<float> back = parseFloat(floatText(f, loc), loc);
        ASSERT_TRUE(back.has_value()) << floatText(f, loc).toStdString();
        ASSERT_EQ(std::bit_cast<std::uint32_t>(*back), std::bit_cast<std::uint32_t>(f))
            << floatText(f, loc).toStdString();
        ++checked;
    }
}

TEST_F(SettingsStore, IntAndFloatReaders) {
    const QLocale de(QLocale::German, QLocale::Germany);
    storeValue("GameSettings.ini", "jump key", "70");
    storeValue("GameSettings.ini", "tackle key", "A");
    storeValue("GameSettings.ini", "resolution width", "99999999999");
    storeValue("GameSettings.ini", "fov1", "0,75");
    storeValue("GameSettings.ini", "fov2", "0.75");
    EXPECT_EQ(readIntSetting("jump key", 81), 70);
    EXPECT_EQ(readIntSetting("tackle key", 65), 65);
    EXPECT_EQ(readIntSetting("resolution width", 1024), 1024);
    EXPECT_EQ(readFloatSetting("fov1", 0.6f, de), 0.75f);
    EXPECT_EQ(readFloatSetting("fov2", 0.6f, de), 0.6f);  // another locale's text: default, not 75
    auto ini = iniValues("GameSettings.ini");
    EXPECT_EQ(ini["tackle key"], "A");  // not rewritten
    EXPECT_EQ(ini["fov2"], "0.75");
    writeFloatSetting("fov3", 5.944f, de);
    EXPECT_EQ(iniValues("GameSettings.ini")["fov3"], "5,944");
}
