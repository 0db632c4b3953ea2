// The generated data tree: same bytes on every run, every file the client
// names, valid images and sounds of the sizes the client relies on.
#include "rungenerator.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const QString& data() { return probe::generated(); }

QImage image(const QString& rel) { return QImage(data() + "/" + rel); }

QStringList allFiles(const QString& root) {
    QStringList out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(AssetgenFiles, TwoRunsGiveIdenticalBytes) {
    ASSERT_FALSE(data().isEmpty()) << "generator failed";
    QTemporaryDir other;
    const QString second = other.path() + "/data";
    ASSERT_TRUE(probe::runGenerator(second));
    const QStringList a = allFiles(data()), b = allFiles(second);
    ASSERT_EQ(a, b);
    for (const QString& f : a) EXPECT_EQ(bytes(data() + "/" + f), bytes(second + "/" + f)) << qPrintable(f);
}

// Every file the client loads by name, listed here from the client's tables
// rather than taken from the generator.
const char* const kExpected[] = {
    "models/player.glb", "models/goalkeeper.glb", "models/field.glb", "models/ball.glb", "models/net.glb",
    "models/bench.glb", "models/adboard.glb", "models/stad1.glb",
    "textures/2d/ingame/gui/panel.png", "textures/2d/ingame/gui/readySign.png", "textures/2d/ingame/gui/ready.png",
    "textures/2d/ingame/gui/quit.png", "textures/2d/ingame/gui/change.png", "textures/2d/ingame/gui/next.png",
    "textures/2d/ingame/gui/tryAgain.png", "textures/2d/ingame/gui/scoreBoard.png", "textures/2d/ingame/gui/readyh.png",
    "textures/2d/ingame/gui/quith.png", "textures/2d/ingame/gui/changeh.png", "textures/2d/ingame/gui/nexth.png",
    "textures/2d/ingame/gui/tryAgainh.png", "textures/2d/ingame/gui/editSmall.png", "textures/2d/ingame/gui/editBig.png",
    "textures/2d/ingame/powerbar/power.png", "textures/2d/ingame/powerbar/powerback.png",
    "textures/2d/ingame/radar/smallfield.png", "textures/2d/ingame/radar/smallfield2.png",
    "textures/2d/ingame/radar/s1.png", "textures/2d/ingame/radar/s2.png", "textures/2d/ingame/radar/s3.png",
    "textures/2d/ingame/misc/cursor.png", "textures/2d/flags.png",
    "textures/3d/misc/ballShadow.png", "textures/3d/misc/netShadow1.png", "textures/3d/misc/netShadow2.png",
    "textures/3d/misc/adboardShadow1.png", "textures/3d/misc/adboardShadow2.png", "textures/3d/misc/shadow.png",
    "textures/3d/misc/tutCircle.png", "textures/3d/misc/benchShadow.png",
    "textures/3d/grass/grassLow.png", "textures/3d/grass/grass.png",
    "textures/3d/adboards/adboard1.png", "textures/3d/adboards/adboard2.png", "textures/3d/adboards/adboard3.png",
    "textures/3d/adboards/adboard4.png",
    "textures/3d/staticModels/ball.png", "textures/3d/staticModels/net.png", "textures/3d/staticModels/bench.png",
    "textures/3d/stadium/concrete.png", "textures/3d/stadium/board.png", "textures/3d/stadium/steps.png",
    "textures/3d/stadium/chairs.png", "textures/3d/stadium/back.png", "textures/3d/stadium/steps2.png",
    "textures/3d/player/skin.png", "textures/3d/player/hair.png", "textures/3d/player/shirt.png",
    "textures/3d/player/shirt1.png", "textures/3d/player/shirt2.png", "textures/3d/player/shirt3.png",
    "textures/3d/player/pants.png", "textures/3d/player/socks.png", "textures/3d/player/shoe.png",
    "textures/3d/player/gloves.png",
    "textures/2d/lobby/kits/shirt2D.png", "textures/2d/lobby/kits/pants2D.png", "textures/2d/lobby/kits/socks2D.png",
    "textures/2d/lobby/kits/shirt2D1.png", "textures/2d/lobby/kits/shirt2D2.png", "textures/2d/lobby/kits/shirt2D3.png",
    "textures/2d/lobby/misc/separator1.png", "textures/2d/lobby/misc/separator2.png",
    "textures/2d/lobby/misc/separator3.png", "textures/2d/lobby/misc/noimage.png",
    "sounds/default.wav", "sounds/app.wav", "sounds/boo.wav", "sounds/finalwhis.wav", "sounds/goal.wav",
    "sounds/goal2.wav", "sounds/horn.wav", "sounds/kick.wav", "sounds/near.wav", "sounds/post.wav", "sounds/whis.wav",
    "skins/KF/skin.qss",
};

TEST(AssetgenFiles, EveryNamedFileExists) {
    for (const char* f : kExpected) EXPECT_TRUE(QFile::exists(data() + "/" + f)) << f;
}

TEST(AssetgenFiles, EveryPngLoadsAtASensibleSize) {
    for (const QString& f : allFiles(data())) {
        if (!f.endsWith(".png")) continue;
        const QImage img = image(f);
        ASSERT_FALSE(img.isNull()) << qPrintable(f);
        EXPECT_GE(img.width(), 6) << qPrintable(f);
        EXPECT_GE(img.height(), 6) << qPrintable(f);
        EXPECT_LE(img.width(), 2048) << qPrintable(f);
        EXPECT_LE(img.height(), 2048) << qPrintable(f);
    }
}

// Sizes the drawing code depends on: sprites are drawn at their image size.
TEST(AssetgenFiles, HudImagesHaveTheSizesTheScreenNeeds) {
    const QSize button = image("textures/2d/ingame/gui/ready.png").size();
    EXPECT_LE(button.width(), 94) << "buttons stand 94 apart";
    for (const char* b : {"ready", "readyh", "quit", "quith", "change", "changeh", "next", "nexth", "tryAgain",
                          "tryAgainh"})
        EXPECT_EQ(image(QString("textures/2d/ingame/gui/%1.png").arg(b)).size(), button) << b;
    EXPECT_EQ(image("textures/2d/ingame/misc/cursor.png").size(), QSize(29, 29));
    // Radar: centre (116, 198) with the lines 102 / 128 away, drawn from (18, 73).
    EXPECT_EQ(image("textures/2d/ingame/radar/smallfield.png").size(), QSize(196, 250));
    EXPECT_EQ(image("textures/2d/ingame/radar/smallfield2.png").size(), QSize(250, 196));
    EXPECT_EQ(image("textures/2d/ingame/powerbar/power.png").width(), 150);
    // The panel at (112, 134) holds the buttons at y 586 and the rows from x 220 to 660.
    const QSize panel = image("textures/2d/ingame/gui/panel.png").size();
    EXPECT_GE(112 + panel.width(), 313 + button.width());
    EXPECT_GE(134 + panel.height(), 586 + button.height());
    EXPECT_GE(112 + panel.width(), 760);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(image(QString("textures/2d/lobby/misc/separator%1.png").arg(k)).height(), 16) << k;
}

TEST(AssetgenFiles, HighlightedButtonsDifferFromNormalOnes) {
    for (const char* b : {"ready", "quit", "change", "next", "tryAgain"})
        EXPECT_NE(image(QString("textures/2d/ingame/gui/%1.png").arg(b)),
                  image(QString("textures/2d/ingame/gui/%1h.png").arg(b)))
            << b;
}

bool nearMagenta(QRgb p) { return qRed(p) > 200 && qBlue(p) > 200 && qGreen(p) < 80 && p != 0xffff00ff; }

// Tinting leaves exact magenta alone; a pixel close to it would turn pink.
TEST(AssetgenFiles, TemplatesUseExactMagentaOnly) {
    const char* const templates[] = {"3d/player/shirt", "3d/player/shirt1", "3d/player/shirt2", "3d/player/shirt3",
                                     "3d/player/pants", "3d/player/socks", "3d/player/shoe", "3d/player/skin",
                                     "3d/player/hair", "3d/player/gloves", "2d/lobby/kits/shirt2D",
                                     "2d/lobby/kits/shirt2D1", "2d/lobby/kits/shirt2D2", "2d/lobby/kits/shirt2D3",
                                     "2d/lobby/kits/pants2D", "2d/lobby/kits/socks2D"};
    for (const char* t : templates) {
        const QImage img = image(QString("textures/%1.png").arg(t)).convertToFormat(QImage::Format_ARGB32);
        int magenta = 0, other = 0, fringe = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = img.pixel(x, y);
                if (p == 0xffff00ff) ++magenta;
                else ++other;
                if (nearMagenta(p)) ++fringe;
            }
        EXPECT_GT(magenta, 0) << t;
        EXPECT_GT(other, 0) << t;
        EXPECT_EQ(fringe, 0) << t;
    }
}

// A pattern pixel replaces the shirt pixel; it keeps the shirt's shading.
TEST(AssetgenFiles, PatternsFollowTheirShirt) {
    const struct {
        const char* shirt;
        const char* prefix;
    } sets[] = {{"textures/3d/player/shirt.png", "textures/3d/player/shirt"},
                {"textures/2d/lobby/kits/shirt2D.png", "textures/2d/lobby/kits/shirt2D"}};
    for (const auto& s : sets) {
        const QImage shirt = image(s.shirt).convertToFormat(QImage::Format_ARGB32);
        for (int k = 1; k <= 3; ++k) {
            const QImage pat = image(QString("%1%2.png").arg(s.prefix).arg(k)).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(pat.size(), shirt.size()) << s.prefix << k;
            int used = 0, wrong = 0;
            for (int y = 0; y < pat.height(); ++y)
                for (int x = 0; x < pat.width(); ++x) {
                    const QRgb p = pat.pixel(x, y);
                    if (p == 0xffff00ff) continue;
                    ++used;
                    if (p != shirt.pixel(x, y)) ++wrong;
                }
            EXPECT_GT(used, 100) << s.prefix << k;
            EXPECT_EQ(wrong, 0) << s.prefix << k;
        }
    }
}

// The grass shows one half pitch: top edge = the end, bottom edge = centre
// line; the marks sit at the fractions every pitch size shares.
TEST(AssetgenFiles, GrassMarkingsLineUpWithThePitchProportions) {
    for (const char* f : {"textures/3d/grass/grass.png", "textures/3d/grass/grassLow.png"}) {
        const QImage g = image(f);
        const int w = g.width(), h = g.height();
        auto whiteAt = [&](double u, double v) {
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const QColor c = g.pixelColor(std::clamp(static_cast<int>(u * w) + dx, 0, w - 1),
                                                  std::clamp(static_cast<int>(v * h) + dy, 0, h - 1));
                    if (c.red() > 170 && c.blue() > 150) return true;
                }
            return false;
        };
        const struct {
            const char* what;
            double u, v;
            bool white;
        } rows[] = {
            {"side line", 0.5 + 0.5 * 0.724, 0.6, true},
            {"other side line", 0.5 - 0.5 * 0.724, 0.6, true},
            {"goal line", 0.3, 1 - 0.815, true},
            {"penalty-area front", 0.5, 1 - 0.571, true},
            {"penalty-area side", 0.5 + 0.5 * 0.383, 0.3, true},
            {"centre line", 0.1, 0.999, true},
            {"plain grass", 0.3, 0.6, false},
            {"outside the side line", 0.05, 0.6, false},
            {"behind the goal line", 0.3, 0.08, false},
        };
        for (const auto& r : rows) EXPECT_EQ(whiteAt(r.u, r.v), r.white) << f << ": " << r.what;
    }
}

QImage icon(const char* name) { return QImage(QString(KF_FLAG_ICON_DIR "/%1.png").arg(name)).convertToFormat(QImage::Format_ARGB32); }

TEST(AssetgenFiles, FlagSheetHoldsTheIconsInCountryOrder) {
    const QImage sheet = image("textures/2d/flags.png").convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(sheet.size(), QSize(160, 264));
    const struct {
        int index;
        const char* icon;
        int dx, dy;  // where the icon's top-left lies inside its cell
    } rows[] = {{0, "gb", 0, 0},  {3, "se", 0, 0},        {57, "no", 0, 0},      {11, "ch", 2, 0},
                {170, "np", 3, 0}, {185, "me", 0, 0},     {231, "england", 0, 0}, {232, "scotland", 0, 0},
                {233, "wales", 0, 0}, {91, "cz", 0, 0},   {130, "br", 0, 0}};
    for (const auto& r : rows) {
        const QImage src = icon(r.icon);
        ASSERT_FALSE(src.isNull()) << r.icon;
        const int cx = (r.index % 10) * 16 + r.dx, cy = (r.index / 10) * 11 + r.dy;
        int diff = 0;
        for (int y = 0; y < std::min(src.height(), 11); ++y)
            for (int x = 0; x < std::min(src.width(), 16); ++x)
                if (sheet.pixel(cx + x, cy + y) != src.pixel(x, y)) ++diff;
        EXPECT_EQ(diff, 0) << "cell " << r.index << " (" << r.icon << ")";
    }
    auto cellAlpha = [&](int n) {
        int opaque = 0;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 16; ++x) opaque += qAlpha(sheet.pixel((n % 10) * 16 + x, (n / 10) * 11 + y)) > 0;
        return opaque;
    };
    EXPECT_EQ(cellAlpha(180), 176) << "Jersey has no icon: placeholder";
    EXPECT_EQ(cellAlpha(187), 176) << "Antarctica has no icon: placeholder";
    EXPECT_EQ(cellAlpha(229), 0) << "unused index";
    EXPECT_EQ(cellAlpha(239), 0) << "beyond the table";
}

struct Wav {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<std::int16_t> samples;
};

Wav readWav(const QByteArray& b) {
    Wav w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return w;
    auto u16 = [&](int o) { return static_cast<int>(static_cast<unsigned char>(b[o]) | (static_cast<unsigned char>(b[o + 1]) << 8)); };
    auto u32 = [&](int o) { return static_cast<std::uint32_t>(u16(o)) | (static_cast<std::uint32_t>(u16(o + 2)) << 16); };
    int o = 12;
    while (o + 8 <= b.size()) {
        const std::uint32_t len = u32(o + 4);
        if (std::memcmp(b.data() + o, "fmt ", 4) == 0) {
            w.format = u16(o + 8);
            w.channels = u16(o + 10);
            w.rate = static_cast<int>(u32(o + 12));
            w.bits = u16(o + 22);
        } else if (std::memcmp(b.data() + o, "data", 4) == 0 && o + 8 + static_cast<int>(len) <= b.size()) {
            w.samples.resize(len / 2);
            std::memcpy(w.samples.data(), b.data() + o + 8, w.samples.size() * 2);
        }
        o += 8 + static_cast<int>(len + (len & 1));
    }
    return w;
}

TEST(AssetgenFiles, SoundsAreSixteenBitPcmOfUsefulLengths) {
    const struct {
        const char* name;
        double minSeconds, maxSeconds;
    } rows[] = {{"default", 10.2, 30}, {"app", 1, 10}, {"boo", 1, 10},    {"finalwhis", 1.5, 6},
                {"goal", 2, 10},       {"goal2", 2, 10}, {"horn", 0.5, 5}, {"kick", 0.05, 1},
                {"near", 0.8, 5},      {"post", 0.2, 3}, {"whis", 0.2, 3}};
    for (const auto& r : rows) {
        const Wav w = readWav(bytes(data() + "/sounds/" + r.name + ".wav"));
        EXPECT_EQ(w.format, 1) << r.name;
        EXPECT_EQ(w.bits, 16) << r.name;
        EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << r.name;
        ASSERT_GE(w.channels, 1) << r.name;
        const double seconds = static_cast<double>(w.samples.size()) / w.channels / std::max(1, w.rate);
        EXPECT_GE(seconds, r.minSeconds) << r.name;
        EXPECT_LE(seconds, r.maxSeconds) << r.name;
        int peak = 0;
        for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 3000) << r.name << " is nearly silent";
    }
}

// Played as a loop, the last sample runs into the first one.
TEST(AssetgenFiles, CrowdLoopJoinsWithoutAClick) {
    const Wav w = readWav(bytes(data() + "/sounds/default.wav"));
    ASSERT_GT(w.samples.size(), 1000u);
    int step = 0;
    for (std::size_t i = 1; i < w.samples.size(); ++i)
        step = std::max(step, std::abs(w.samples[i] - w.samples[i - 1]));
    const int join = std::abs(w.samples.front() - w.samples.back());
    EXPECT_LE(join, step) << "the seam is a bigger jump than anywhere inside";
}

TEST(AssetgenFiles, SkinsAreStyleSheetsWithTheirImages) {
    const QStringList skins = QDir(data() + "/skins").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_TRUE(skins.contains("KF"));
    EXPECT_GE(skins.size(), 2);
    for (const QString& s : skins) {
        const QString dir = data() + "/skins/" + s;
        const QString sheet = QString::fromUtf8(bytes(dir + "/skin.qss"));
        for (const char* w : {"QWidget", "QPushButton", "QLineEdit", "QComboBox", "QCheckBox", "QScrollBar",
                              "QListWidget", "QTabWidget"})
            EXPECT_TRUE(sheet.contains(w)) << qPrintable(s) << " " << w;
        QRegularExpressionMatchIterator it = QRegularExpression("url\\(skin:([^)]+)\\)").globalMatch(sheet);
        int images = 0;
        while (it.hasNext()) {
            const QString file = it.next().captured(1);
            ++images;
            EXPECT_FALSE(QImage(dir + "/" + file).isNull()) << qPrintable(s + "/" + file);
        }
        EXPECT_GT(images, 3) << qPrintable(s);
    }
}

}  // namespace
