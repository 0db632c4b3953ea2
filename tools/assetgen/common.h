#pragma once
// Shared plumbing of the data generator: where files go, a seeded random
// source (the same bytes on every run) and the fixed font.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// splitmix64: small, fast and the same everywhere, unlike the distributions
// of the standard library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();                                          // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// The data folder being written; every path is relative to it, with forward
// slashes ("textures/2d/flags.png").
class Output {
public:
    explicit Output(QString root) : root_(std::move(root)) {}
    QString path(const QString& rel) const;
    void savePng(const QImage& img, const QString& rel);
    void writeBytes(const QString& rel, const std::string& bytes);
    // Makes the parent folder of rel and reports it as written (for writers
    // that open the file themselves).
    QString prepare(const QString& rel);
    void fail(const QString& what);
    int failures() const { return failures_; }
    const std::vector<QString>& written() const { return written_; }

private:
    QString root_;
    int failures_ = 0;
    std::vector<QString> written_;
};

// DejaVu Sans loaded from its file, so text looks the same whatever the
// machine's font configuration prefers.
bool loadFonts();
QFont uiFont(int pixelSize, bool bold = false);

// An image of the given size filled with one colour (ARGB32, premultiplied
// formats are avoided so that pixels are stored as drawn).
QImage filled(int w, int h, QColor c);

constexpr QRgb kMagenta = 0xffff00ff;

}  // namespace assetgen
