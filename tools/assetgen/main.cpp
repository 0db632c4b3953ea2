// assetgen DATA_DIR: writes every model, texture, sound and skin the client
// loads into DATA_DIR. The output depends on nothing but this program and the
// flag icons and font files it reads, so two runs give the same bytes.

#include "assetgen.h"
#include "common.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!assetgen::loadFonts()) {
        std::fprintf(stderr, "assetgen: cannot load the DejaVu Sans font files\n");
        return 1;
    }
    assetgen::Output out(QString::fromLocal8Bit(argv[1]));
    using Family = void (*)(assetgen::Output&);
    const Family families[] = {assetgen::writeFigureModels,  assetgen::writeStaticModels, assetgen::writeStadium,
                               assetgen::writeKitTextures,   assetgen::writeSceneTextures,
                               assetgen::writeStadiumTextures, assetgen::writeHud,        assetgen::writeFlags,
                               assetgen::writeSounds,        assetgen::writeSkins};
    for (Family f : families) f(out);
    if (out.failures() > 0) return 1;
    std::printf("assetgen: %zu files written to %s\n", out.written().size(), argv[1]);
    return 0;
}
