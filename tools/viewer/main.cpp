// kf_viewer --out sheet.png [--data DIR]
// Renders every generated model, and every animation of the two figures at
// four frames, into one contact sheet. Exits non-zero when a model does not
// load or a cell comes out empty.

#include <QGuiApplication>

#include <cstdio>
#include <string>

#include "contact_sheet.h"

namespace {

constexpr int kCellWidth = 240, kCellHeight = 200;
constexpr int kColumns = 8;  // two clips of four frames a row

struct Options {
    std::string out;
    std::string data;
};

bool parseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--out" || a == "--data") && i + 1 < argc) (a == "--out" ? o->out : o->data) = argv[++i];
        else return false;
    }
    return !o->out.empty();
}

int run(const Options& opt) {
    kf::ViewerApp app;
    app.setBackBufferSize(kCellWidth, kCellHeight);
    app.initialise();
    if (!app.waitUntilReady()) {
        std::fprintf(stderr, "kf_viewer: no OpenGL window\n");
        return 1;
    }
    std::string error;
    if (!kf::loadViewerAssets(app, &error)) {
        std::fprintf(stderr, "kf_viewer: model failed to load: %s\n", error.c_str());
        return 1;
    }
    const std::vector<kf::ViewerCell> cells = kf::buildCells(app, float(kCellWidth) / kCellHeight);
    std::vector<kf::SheetCell> sheet;
    int empty = 0;
    for (const kf::ViewerCell& c : cells) {
        QImage img = app.renderCell(c);
        if (kf::singleColour(img)) {
            std::fprintf(stderr, "kf_viewer: empty cell: %s\n", c.caption.c_str());
            ++empty;
            if (img.isNull()) img = QImage(kCellWidth, kCellHeight, QImage::Format_RGB32);
        }
        sheet.push_back({img, c.caption});
    }
    app.finalise();
    const QImage out = kf::composeSheet(sheet, kColumns);
    if (out.isNull() || !out.save(QString::fromStdString(opt.out))) {
        std::fprintf(stderr, "kf_viewer: cannot write %s\n", opt.out.c_str());
        return 1;
    }
    std::printf("kf_viewer: %zu cells written to %s\n", sheet.size(), opt.out.c_str());
    return empty == 0 && !sheet.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    if (!parseOptions(argc, argv, &opt)) {
        std::fprintf(stderr, "usage: kf_viewer --out sheet.png [--data DIR]\n");
        return 2;
    }
    // The kit builders and the model paths read the data folder from here.
    if (!opt.data.empty()) qputenv("KF_DATA_DIR", opt.data.c_str());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication qapp(argc, argv);
    return run(opt);
}
