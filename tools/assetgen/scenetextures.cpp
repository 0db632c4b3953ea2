// Pitch, ground shadows, the tutorial's target circle, advertising boards and
// the textures of ball, net and bench.
//
// Ground quads: a texture's left edge lies at the quad's smaller x and its top
// edge at the smaller y. The grass texture is one half pitch: its top edge is
// the end behind the goal, its bottom edge the centre line.
#include "assetgen.h"
#include "paint.h"
#include "staticmodels.h"

#include <QPainterPath>

#include <glm/glm.hpp>

#include <array>
#include <cmath>

namespace assetgen {

namespace {

// The large pitch's half, in world units: x -6 .. 6 across, y -8 (the end) .. 0
// (the centre line). Every pitch size has these proportions.
constexpr double kHalfW = 6.0, kHalfL = 8.0;
constexpr double kSide = 4.345, kGoalLine = 6.52, kBoxFront = 4.57, kBoxSide = 2.3;
constexpr double kSpot = 5.2, kCircle = 1.17, kCorner = 0.13, kLine = 0.045;

void pitchMarkings(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(img.width() / (2 * kHalfW), img.height() / kHalfL);
    p.translate(kHalfW, kHalfL);
    QPen pen(QColor(236, 240, 232, 235), kLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-kSide, -kGoalLine), QPointF(kSide, -kGoalLine));
    p.drawLine(QPointF(-kSide, -kGoalLine - kLine / 2), QPointF(-kSide, 0));
    p.drawLine(QPointF(kSide, -kGoalLine - kLine / 2), QPointF(kSide, 0));
    p.drawLine(QPointF(-kHalfW, -kLine / 4), QPointF(kHalfW, -kLine / 4));  // half of the centre line
    p.drawPolyline(QPolygonF({QPointF(-kBoxSide, -kGoalLine), QPointF(-kBoxSide, -kBoxFront),
                              QPointF(kBoxSide, -kBoxFront), QPointF(kBoxSide, -kGoalLine)}));
    // Penalty arc: the part of the circle round the spot outside the area.
    const double out = std::acos((kSpot - kBoxFront) / kCircle) * 180.0 / M_PI;
    const QRectF arc(-kCircle, -kSpot - kCircle, 2 * kCircle, 2 * kCircle);
    p.drawArc(arc, static_cast<int>(std::lround((270 - out) * 16)), static_cast<int>(std::lround(2 * out * 16)));
    p.drawArc(QRectF(-kCircle, -kCircle, 2 * kCircle, 2 * kCircle), 0, 180 * 16);
    p.drawArc(QRectF(-kSide - kCorner, -kGoalLine - kCorner, 2 * kCorner, 2 * kCorner), 270 * 16, 90 * 16);
    p.drawArc(QRectF(kSide - kCorner, -kGoalLine - kCorner, 2 * kCorner, 2 * kCorner), 180 * 16, 90 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 240, 232, 235));
    p.drawEllipse(QPointF(0, -kSpot), 0.05, 0.05);
    p.drawEllipse(QPointF(0, 0), 0.06, 0.06);
}

QImage grass(int size, bool detailed) {
    QImage img(size, size, QImage::Format_ARGB32);
    Rng rng(detailed ? 201 : 202);
    const double stripe = size / 10.0;  // ten mowing stripes from the end to the centre line
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double f = (static_cast<int>(y / stripe) % 2 == 0) ? 1.0 : 0.9;
            if (detailed) {
                f *= 0.92 + 0.08 * valueNoise(x, y, size / 16.0, 16, 5) + 0.05 * valueNoise(x, y, size / 64.0, 64, 6);
                f *= 0.95 + 0.1 * rng.uniform();
            } else {
                f *= 0.97 + 0.06 * rng.uniform();
            }
            img.setPixel(x, y, scaled(QColor(62, 128, 46), f).rgb());
        }
    pitchMarkings(img);
    return img;
}

QImage clearImage(int w, int h) { return filled(w, h, QColor(0, 0, 0, 0)); }

// Alpha falling off towards the edges of the whole image.
QImage softRect(int w, int h, int core, double edge) {
    QImage img = clearImage(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double ex = std::min(x + 0.5, w - x - 0.5) / (w * edge);
            const double ey = std::min(y + 0.5, h - y - 0.5) / (h * edge);
            const double t = std::clamp(std::min(ex, ey), 0.0, 1.0);
            img.setPixel(x, y, qRgba(0, 0, 0, static_cast<int>(std::lround(core * t * t * (3 - 2 * t)))));
        }
    return img;
}

// The net's frame and panels cast onto the grass by the light coming from
// (-1, 1, -1): a point at height z lands at (x - z, y + z). `back` is -1 for
// the net behind the negative-y goal line, +1 for the other one; the texture
// spans x -0.69 .. 0.51 and y from y0 over 1.2 (relative to the goal line).
QImage netShadow(int back, double y0) {
    const int n = 128;
    QImage img = clearImage(n, n);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(n / 1.2, n / 1.2);
    p.translate(0.69, -y0);
    const double w = 0.42, h = 0.267, d = 0.21 * back, hb = h * scenery::kNetBackHeight / scenery::kNetHeight;
    auto g = [](double x, double y, double z) { return QPointF(x - z, y + z); };
    const QPolygonF roof({g(-w, 0, h), g(w, 0, h), g(w, d, hb), g(-w, d, hb)});
    const QPolygonF backWall({g(-w, d, hb), g(w, d, hb), g(w, d, 0), g(-w, d, 0)});
    const QPolygonF sideA({g(-w, 0, 0), g(-w, 0, h), g(-w, d, hb), g(-w, d, 0)});
    const QPolygonF sideB({g(w, 0, 0), g(w, 0, h), g(w, d, hb), g(w, d, 0)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 34));
    for (const QPolygonF& poly : {roof, backWall, sideA, sideB}) p.drawPolygon(poly);
    p.setPen(QPen(QColor(0, 0, 0, 120), 0.014));
    p.drawLine(g(-w, 0, 0), g(-w, 0, h));
    p.drawLine(g(w, 0, 0), g(w, 0, h));
    p.drawLine(g(-w, 0, h), g(w, 0, h));
    p.setPen(QPen(QColor(0, 0, 0, 70), 0.006));
    p.drawLine(g(-w, d, hb), g(w, d, hb));
    p.drawLine(g(-w, d, 0), g(w, d, 0));
    return img;
}

QImage benchShadow() {
    QImage img = clearImage(128, 128);
    QImage core = softRect(112, 100, 130, 0.12);
    QPainter p(&img);
    p.drawImage(QPoint(10, 20), core);
    return img;
}

QImage tutCircle() {
    const int n = 128;
    QImage img = clearImage(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const double d = std::hypot(x + 0.5 - n / 2.0, y + 0.5 - n / 2.0) / (n / 2.0);
            if (d > 1.0) continue;
            const double ring = std::clamp(1.0 - std::abs(d - 0.92) / 0.06, 0.0, 1.0);
            const double fade = std::clamp((1.0 - d) / 0.02, 0.0, 1.0);
            const int a = static_cast<int>(std::lround(std::min(1.0, fade) * (100 + 130 * ring)));
            img.setPixel(x, y, qRgba(40 + static_cast<int>(120 * ring), 120 + static_cast<int>(90 * ring), 255, a));
        }
    return img;
}

struct Sponsor {
    const char* name;
    const char* slogan;
    QColor back, text, accent;
};
// Invented brands.
const std::array<Sponsor, 4> kSponsors{{
    {"VALMORA", "sparkling spring water", QColor(18, 84, 164), QColor(255, 255, 255), QColor(120, 200, 255)},
    {"Tarsen Tyres", "grip in every weather", QColor(236, 196, 24), QColor(24, 24, 24), QColor(200, 40, 30)},
    {"OLVIO mobile", "talk more, pay less", QColor(196, 28, 52), QColor(255, 255, 255), QColor(255, 210, 220)},
    {"Quellbrook", "bakery since 1921", QColor(34, 122, 64), QColor(250, 246, 220), QColor(250, 210, 90)},
}};

QImage adboard(const Sponsor& s) {
    QImage img(512, 64, QImage::Format_ARGB32);
    img.fill(s.back);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(QRect(0, 0, 512, 3), scaled(s.back, 0.6));
    p.fillRect(QRect(0, 61, 512, 3), scaled(s.back, 0.6));
    p.fillRect(QRect(0, 5, 512, 2), s.accent);
    p.fillRect(QRect(0, 57, 512, 2), s.accent);
    p.setFont(uiFont(34, true));
    p.setPen(s.text);
    p.drawText(QRect(16, 6, 300, 52), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8(s.name));
    p.setFont(uiFont(17, false));
    p.setPen(s.accent);
    p.drawText(QRect(300, 6, 200, 52), Qt::AlignVCenter | Qt::AlignRight, QString::fromUtf8(s.slogan));
    return img;
}

// Truncated icosahedron: black pentagons round the 12 icosahedron vertices,
// white hexagons round its 20 face centres, grey seams between them. The
// layout follows the model's sphere mapping (u round the y axis with the
// front at 0.5, v from the top pole down).
QImage ballTexture() {
    const double t = (1 + std::sqrt(5.0)) / 2;
    std::vector<glm::dvec3> verts;
    for (double a : {-1.0, 1.0})
        for (double b : {-t, t}) {
            verts.push_back(glm::normalize(glm::dvec3(0, a, b)));
            verts.push_back(glm::normalize(glm::dvec3(a, b, 0)));
            verts.push_back(glm::normalize(glm::dvec3(b, 0, a)));
        }
    std::vector<glm::dvec3> centres = verts;
    const std::size_t pentagons = verts.size();
    for (std::size_t i = 0; i < verts.size(); ++i)
        for (std::size_t j = i + 1; j < verts.size(); ++j)
            for (std::size_t k = j + 1; k < verts.size(); ++k) {
                const double e = 1.1;  // the icosahedron's edges are 1.05 long on the unit sphere
                if (glm::distance(verts[i], verts[j]) < e && glm::distance(verts[j], verts[k]) < e &&
                    glm::distance(verts[i], verts[k]) < e)
                    centres.push_back(glm::normalize(verts[i] + verts[j] + verts[k]));
            }
    const int w = 256, h = 128;
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double th = 2 * M_PI * (x + 0.5) / w, lat = M_PI / 2 - M_PI * (y + 0.5) / h;
            const glm::dvec3 d(-std::sin(th) * std::cos(lat), std::sin(lat), std::cos(th) * std::cos(lat));
            double best = -2, second = -2;
            std::size_t bi = 0;
            for (std::size_t c = 0; c < centres.size(); ++c) {
                // Pentagons are the smaller faces: their cells are pulled in.
                const double dot = glm::dot(d, centres[c]) - (c < pentagons ? 0.03 : 0.0);
                if (dot > best) {
                    second = best;
                    best = dot;
                    bi = c;
                } else if (dot > second) {
                    second = dot;
                }
            }
            QColor c = bi < pentagons ? QColor(28, 28, 32) : QColor(246, 246, 242);
            if (best - second < 0.012) c = QColor(150, 150, 150);
            img.setPixel(x, y, c.rgb());
        }
    return img;
}

QImage netTexture() {
    using namespace scenery;
    QImage img = clearImage(kNetTexSize, kNetTexSize);
    for (int y = 0; y < kNetTexSize; ++y)
        for (int x = 0; x < kNetTexSize; ++x) {
            if (x >= kNetFrameStart)
                img.setPixel(x, y, qRgba(250, 250, 250, 255));
            else if (x < kNetMeshEnd && (x % 8 == 0 || y % 8 == 0))
                img.setPixel(x, y, qRgba(240, 240, 240, 225));
        }
    return img;
}

QImage benchTexture() {
    Rng rng(203);
    QImage img(scenery::kBenchTexSize, scenery::kBenchTexSize, QImage::Format_ARGB32);
    fillNoise(img, QRect(0, 0, 128, 128), QColor(44, 78, 150), 4, rng);      // roof
    fillNoise(img, QRect(128, 0, 128, 128), QColor(206, 208, 212), 4, rng);  // walls
    fillNoise(img, QRect(0, 128, 128, 128), QColor(186, 30, 36), 5, rng);    // seats
    fillNoise(img, QRect(128, 128, 128, 128), QColor(104, 104, 108), 8, rng);  // floor
    QPainter p(&img);
    for (int x = 8; x < 128; x += 16) p.fillRect(QRect(x, 0, 2, 128), QColor(70, 104, 176));
    p.fillRect(QRect(128, 92, 128, 10), QColor(30, 60, 130));
    for (int x = 10; x < 128; x += 12) p.fillRect(QRect(x, 128, 2, 128), QColor(110, 16, 20));
    return img;
}

}  // namespace

void writeSceneTextures(Output& out) {
    out.savePng(grass(1024, true), "textures/3d/grass/grass.png");
    out.savePng(grass(512, false), "textures/3d/grass/grassLow.png");
    const QString misc = "textures/3d/misc/";
    QImage shadow = clearImage(64, 64);
    softEllipse(shadow, QRectF(2, 2, 60, 60), 150, 1.4);
    out.savePng(shadow, misc + "shadow.png");
    QImage ball = clearImage(32, 32);
    softEllipse(ball, QRectF(2, 2, 28, 28), 170, 1.6);
    out.savePng(ball, misc + "ballShadow.png");
    out.savePng(netShadow(-1, -0.46), misc + "netShadow1.png");
    out.savePng(netShadow(1, -0.02), misc + "netShadow2.png");
    out.savePng(softRect(128, 16, 120, 0.3), misc + "adboardShadow1.png");
    out.savePng(softRect(16, 128, 120, 0.3), misc + "adboardShadow2.png");
    out.savePng(benchShadow(), misc + "benchShadow.png");
    out.savePng(tutCircle(), misc + "tutCircle.png");
    for (std::size_t k = 0; k < kSponsors.size(); ++k)
        out.savePng(adboard(kSponsors[k]), QString("textures/3d/adboards/adboard%1.png").arg(k + 1));
    out.savePng(ballTexture(), "textures/3d/staticModels/ball.png");
    out.savePng(netTexture(), "textures/3d/staticModels/net.png");
    out.savePng(benchTexture(), "textures/3d/staticModels/bench.png");
}

}  // namespace assetgen
