#pragma once
// Runs the generator program into a fresh temporary folder.

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

namespace probe {

inline bool runGenerator(const QString& dir) {
    const QString cmd = QString("\"%1\" \"%2\" > /dev/null").arg(KF_ASSETGEN_EXE, dir);
    return std::system(cmd.toLocal8Bit().constData()) == 0;
}

// One generated tree shared by the tests of a program.
inline const QString& generated() {
    static std::unique_ptr<QTemporaryDir> tmp;
    static QString dir;
    if (!tmp) {
        tmp = std::make_unique<QTemporaryDir>();
        dir = tmp->path() + "/data";
        if (!runGenerator(dir)) dir.clear();
    }
    return dir;
}

}  // namespace probe
