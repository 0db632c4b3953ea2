#pragma once
// A fresh configuration folder per test: KICKFIELD_CONFIG_DIR points into a
// temporary folder that is removed afterwards.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <map>
#include <string>

#include "settingsstore.h"

class ConfigFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        dir = tmp.path() + "/config";
        oldEnv = qgetenv("KICKFIELD_CONFIG_DIR");
        hadEnv = qEnvironmentVariableIsSet("KICKFIELD_CONFIG_DIR");
        qputenv("KICKFIELD_CONFIG_DIR", dir.toUtf8());
        kf::setConfigDir({});
    }
    void TearDown() override {
        if (hadEnv) qputenv("KICKFIELD_CONFIG_DIR", oldEnv);
        else qunsetenv("KICKFIELD_CONFIG_DIR");
        kf::setConfigDir({});
    }

    QString path(const char* file) const { return dir + "/" + file; }

    // Every value of an INI file as a plain QSettings reads it.
    std::map<std::string, std::string> iniValues(const char* file) const {
        QSettings s(path(file), QSettings::IniFormat);
        std::map<std::string, std::string> out;
        for (const QString& k : s.allKeys()) out[k.toStdString()] = s.value(k).toString().toStdString();
        return out;
    }
    void storeValue(const char* file, const QString& name, const QString& text) const {
        QDir().mkpath(dir);
        QSettings s(path(file), QSettings::IniFormat);
        s.setValue(name, text);
        s.sync();
        ASSERT_EQ(s.status(), QSettings::NoError);
    }
    QByteArray rawFile(const char* file) const {
        QFile f(path(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir tmp;
    QString dir;
    QByteArray oldEnv;
    bool hadEnv = false;
};
