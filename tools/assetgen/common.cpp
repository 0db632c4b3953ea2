#include "common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

#include <cstdio>

namespace assetgen {

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

QString Output::path(const QString& rel) const { return root_ + "/" + rel; }

QString Output::prepare(const QString& rel) {
    const QString full = path(rel);
    if (!QDir().mkpath(QFileInfo(full).absolutePath())) fail("cannot make the folder of " + rel);
    written_.push_back(rel);
    return full;
}

void Output::savePng(const QImage& img, const QString& rel) {
    const QString full = prepare(rel);
    if (!img.save(full, "PNG")) fail("cannot write " + rel);
}

void Output::writeBytes(const QString& rel, const std::string& bytes) {
    QFile f(prepare(rel));
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()))
        fail("cannot write " + rel);
}

void Output::fail(const QString& what) {
    ++failures_;
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(what));
}

namespace {
QString g_family;
}

bool loadFonts() {
    const char* files[] = {KF_FONT_DIR "/DejaVuSans.ttf", KF_FONT_DIR "/DejaVuSans-Bold.ttf"};
    bool ok = true;
    for (const char* f : files) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(f));
        if (id < 0) {
            ok = false;
            continue;
        }
        const QStringList fam = QFontDatabase::applicationFontFamilies(id);
        if (!fam.isEmpty()) g_family = fam.first();
    }
    return ok && !g_family.isEmpty();
}

QFont uiFont(int pixelSize, bool bold) {
    QFont f(g_family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage filled(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

}  // namespace assetgen
