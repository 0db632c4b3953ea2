// The game client. Until the lobby exists it opens straight into free
// practice or the tutorial; leaving the match window ends the program.
//
// Options (for players, tests and demonstrations):
//   --practice            free practice (the default)
//   --tutorial            the tutorial from step 1
//   --user NAME           the player's name (default: the login name)
//   --script FILE         plays timed input events (see inputscript.h)
//   --screenshot N:FILE   saves frame N as a PNG (repeatable)
//   --quit-after N        ends the program after N frames
//   --windowed            a window of the configured resolution instead of full screen
//   --config-dir DIR      where the settings files live

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "assets.h"
#include "camerapresets.h"
#include "framedriver.h"
#include "inputscript.h"
#include "matchwindow.h"
#include "owndata.h"
#include "practice.h"
#include "settings.h"
#include "settingsstore.h"

using namespace kf;

namespace {

struct Options {
    int stage = 0;
    QString user;
    QString script;
    std::vector<std::pair<long, QString>> screenshots;
    long quitAfter = -1;
    bool windowed = false;
};

bool parseOptions(QApplication& app, Options* o) {
    QCommandLineParser p;
    p.setApplicationDescription("Kickfield");
    p.addHelpOption();
    p.addOptions({
        {"practice", "Free practice (the default)."},
        {"tutorial", "The tutorial from step 1."},
        {"user", "The player's name.", "name"},
        {"script", "Plays timed input events from a file.", "file"},
        {"screenshot", "Saves frame N as a PNG file (N:file, repeatable).", "N:file"},
        {"quit-after", "Ends the program after N frames.", "N"},
        {"windowed", "A window instead of full screen."},
        {"config-dir", "The folder of the settings files.", "dir"},
    });
    p.process(app);
    o->stage = p.isSet("tutorial") ? kFirstTutorialStage : 0;
    o->user = p.value("user");
    o->script = p.value("script");
    o->windowed = p.isSet("windowed");
    if (p.isSet("quit-after")) o->quitAfter = p.value("quit-after").toLong();
    if (p.isSet("config-dir")) setConfigDir(p.value("config-dir"));
    for (const QString& s : p.values("screenshot")) {
        const int colon = s.indexOf(':');
        bool ok = false;
        const long frame = colon > 0 ? s.left(colon).toLong(&ok) : 0;
        if (!ok || colon + 1 >= s.size()) {
            std::fprintf(stderr, "--screenshot wants N:file, not %s\n", qPrintable(s));
            return false;
        }
        o->screenshots.emplace_back(frame, s.mid(colon + 1));
    }
    return true;
}

QString defaultUser() {
    const QString login = qEnvironmentVariable("USER");
    return login.isEmpty() ? QStringLiteral("Player") : login;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kickfield");
    Options opt;
    if (!parseOptions(app, &opt)) return 2;

    loadSettings();
    loadCameraPresets();
    initSimulation();
    debugMode = QFileInfo::exists("debug");
    ownData.username = (opt.user.isEmpty() ? defaultUser() : opt.user).toStdString();

    std::unique_ptr<TInputScript> script;
    if (!opt.script.isEmpty()) {
        QFile f(opt.script);
        std::vector<TScriptEvent> events;
        std::string error;
        if (!f.open(QIODevice::ReadOnly) || !parseInputScript(f.readAll().toStdString(), &events, &error)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(opt.script), error.empty() ? "cannot be read" : error.c_str());
            return 2;
        }
        script = std::make_unique<TInputScript>(std::move(events));
    }

    TMyApp window;
    window.setWindowed(opt.windowed);
    window.showMessage = [](const std::string& text) {
        QMessageBox::information(nullptr, "Kickfield", QString::fromStdString(text));
    };
    window.onLeft = [] { QApplication::quit(); };
    window.initialise();

    auto saveShot = [&window](const QString& file) {
        QTimer::singleShot(0, [&window, file] {
            const QImage img = window.grabFrame();
            if (img.isNull() || !img.save(file)) std::fprintf(stderr, "screenshot %s failed\n", qPrintable(file));
        });
    };
    if (script) {
        script->screenshot = [saveShot](const std::string& f) { saveShot(QString::fromStdString(f)); };
        script->quit = [] { QTimer::singleShot(0, [] { QApplication::quit(); }); };
    }
    window.beforeFrame = [&](long frame) {
        if (script) script->play(window, frame);
        for (const auto& [n, file] : opt.screenshots)
            if (n == frame + 1) saveShot(file);  // the grab draws the next frame
        if (opt.quitAfter >= 0 && frame >= opt.quitAfter) QTimer::singleShot(0, [] { QApplication::quit(); });
    };

    startAssetLoading(settings.preloadAssets);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (const std::string& m : takeAssetMessages()) window.showMessage(m);
        if (!assetsLoaded()) return;
        poll.stop();
        if (!window.startLocalMatch(opt.stage)) QApplication::quit();
    });
    poll.start(20);
    const int rc = app.exec();
    waitForAssetLoaders();
    window.finalise();
    return rc;
}
