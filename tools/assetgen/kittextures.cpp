// Templates that the client tints per player and team: the 3D kit, skin, hair,
// shoe and glove templates and the lobby's 2D kit pictures. Templates are
// light (white takes the tint exactly, darker pixels darken it) and pure
// magenta wherever nothing is dyed; the pattern images hold the template's own
// shading where the pattern lies and magenta elsewhere. Nothing is drawn
// anti-aliased, so no pixel is a blend of a colour and magenta.
#include "assetgen.h"
#include "layout.h"
#include "paint.h"

#include <QPolygon>

#include <cmath>

namespace assetgen {

namespace {
using namespace layout;

QImage magenta(const Tex& t) { return filled(t.w, t.h, QColor::fromRgb(kMagenta)); }

void band(QImage& img, QRect r, int shade) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            const int v = std::min(qRed(p), shade + (qRed(p) - 240));
            img.setPixel(x, y, qRgb(v, v, v));
        }
}

QImage shirtTemplate() {
    Rng rng(101);
    QImage img = magenta(kShirt);
    const QRect torso = rectOf(kShirtTorso), sleeve = rectOf(kShirtSleeve);
    fillNoise(img, torso, gray(246), 3, rng);
    fillNoise(img, sleeve, gray(246), 3, rng);
    // Folds: a soft vertical ripple round the body.
    for (int y = torso.top(); y <= torso.bottom(); ++y)
        for (int x = torso.left(); x <= torso.right(); ++x) {
            const int v = qRed(img.pixel(x, y)) - static_cast<int>(6 * valueNoise(x, y * 0.3, 18, 256 / 18 + 1, 7));
            img.setPixel(x, y, qRgb(v, v, v));
        }
    band(img, QRect(0, 0, 256, 10), 212);                 // collar
    for (int d = 0; d < 22; ++d) band(img, QRect(128 - 22 + d, d, 2 * (22 - d), 1), d < 3 ? 205 : 226);  // V-neck
    band(img, QRect(63, 10, 2, 150), 228);                 // side seams
    band(img, QRect(191, 10, 2, 150), 228);
    band(img, QRect(0, 152, 256, 8), 232);                 // hem
    band(img, QRect(0, 222, 256, 10), 214);                // cuff
    return img;
}

// Vertical stripes, hoops and a sash across the front.
QImage shirtPattern(const QImage& shirt, int pattern) {
    const QRect torso = rectOf(kShirtTorso), sleeve = rectOf(kShirtSleeve);
    return maskedCopy(shirt, [&](int x, int y) {
        const bool inTorso = torso.contains(x, y) && y >= 10;
        switch (pattern) {
        case 1: return inTorso && (x / 16) % 2 == 1;
        case 2: return (inTorso && ((y - 10) / 22) % 2 == 1) || (sleeve.contains(x, y) && ((y - 168) / 22) % 2 == 1);
        default: {
            if (!inTorso || x < 64 || x >= 192) return false;
            const double along = (x - 64) / 128.0 - (y - 10) / 150.0;
            return std::abs(along) < 0.14;
        }
        }
    });
}

QImage pantsTemplate() {
    Rng rng(102);
    QImage img = magenta(kPants);
    fillNoise(img, rectOf(kPantsHips), gray(245), 3, rng);
    fillNoise(img, rectOf(kPantsLeg), gray(245), 3, rng);
    band(img, QRect(0, 0, 128, 6), 218);   // waistband
    band(img, QRect(63, 6, 2, 42), 226);   // front seam
    band(img, QRect(0, 104, 128, 8), 226); // hems
    return img;
}

QImage socksTemplate() {
    Rng rng(103);
    QImage img = magenta(kSocks);
    fillNoise(img, rectOf(kSocksLeg), gray(246), 3, rng);
    band(img, QRect(0, 0, 64, 14), 232);  // turnover
    band(img, QRect(0, 5, 64, 4), 208);
    band(img, QRect(0, 100, 64, 12), 236);  // ankle
    return img;
}

QImage shoeTemplate() {
    Rng rng(104);
    QImage img = magenta(kShoe);
    fillNoise(img, rectOf(kShoeAll), gray(240), 4, rng);
    band(img, QRect(0, 30, 64, 18), 120);   // sole and welt
    band(img, QRect(0, 20, 64, 4), 196);    // side stripe
    for (int y = 4; y < 16; y += 3) band(img, QRect(27, y, 10, 1), 150);  // laces at the front
    return img;
}

QImage skinTemplate() {
    Rng rng(105);
    QImage img = magenta(kSkin);
    const QColor skin(238, 196, 164);
    fillNoise(img, rectOf(kSkinHead), skin, 2, rng);
    fillNoise(img, rectOf(kSkinLimb), skin, 2, rng);
    fillNoise(img, rectOf(kSkinHand), scaled(skin, 0.97), 2, rng);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    // The face looks along model -z: the middle of the head rectangle.
    p.fillRect(QRect(0, 112, 256, 16), scaled(skin, 0.88));  // under the chin
    for (int sx : {-1, 1}) {
        const int ex = 128 + sx * 13;
        p.fillRect(QRect(ex - 5, 56, 10, 5), QColor(250, 250, 248));
        p.fillRect(QRect(ex - 2, 57, 4, 4), QColor(70, 50, 36));
        p.fillRect(QRect(ex - 6, 50, 12, 2), QColor(120, 82, 60));  // brows
        p.fillRect(QRect(128 + sx * 64 - 4, 54, 8, 14), scaled(skin, 0.9));  // ears
    }
    p.fillRect(QRect(126, 60, 4, 12), scaled(skin, 0.9));   // nose
    p.fillRect(QRect(122, 72, 12, 2), scaled(skin, 0.82));
    p.fillRect(QRect(120, 80, 16, 3), QColor(176, 96, 86));  // mouth
    p.fillRect(QRect(0, 228, 128, 2), scaled(skin, 0.9));    // knuckles
    return img;
}

QImage hairTemplate() {
    QImage img = magenta(kHair);
    const QRect r = rectOf(kHairAll);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const double strands = valueNoise(x * 4.0, y * 0.5, 8, 128, 11);
            const int v = 214 + static_cast<int>(40 * strands);
            img.setPixel(x, y, qRgb(v, v, v));
        }
    return img;
}

QImage glovesTemplate() {
    Rng rng(106);
    QImage img = magenta(kGloves);
    fillNoise(img, rectOf(kGlovesAll), gray(250), 3, rng);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 64, 7), QColor(70, 74, 82));      // cuff strap at the wrist
    p.fillRect(QRect(0, 7, 64, 2), QColor(60, 170, 96));
    for (int x = 22; x <= 42; x += 6) p.fillRect(QRect(x, 34, 1, 14), gray(200));  // fingers
    return img;
}

// The lobby's flat kit pictures, front view.
constexpr int kShirt2DW = 80, kShirt2DH = 72, kPants2DW = 64, kPants2DH = 40, kSocks2DW = 48, kSocks2DH = 40;

QPolygon shirtOutline() {
    return QPolygon({QPoint(28, 2), QPoint(34, 8), QPoint(46, 8), QPoint(52, 2), QPoint(66, 6), QPoint(79, 22),
                     QPoint(68, 30), QPoint(62, 24), QPoint(62, 70), QPoint(18, 70), QPoint(18, 24), QPoint(12, 30),
                     QPoint(1, 22), QPoint(14, 6)});
}

QImage shirt2D() {
    QImage img = filled(kShirt2DW, kShirt2DH, QColor::fromRgb(kMagenta));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(gray(150));
    p.setBrush(gray(248));
    p.drawPolygon(shirtOutline());
    p.setPen(gray(200));
    p.drawLine(18, 25, 18, 69);
    p.drawLine(40, 9, 40, 14);
    p.setBrush(gray(214));
    p.setPen(gray(170));
    p.drawPolygon(QPolygon({QPoint(34, 8), QPoint(40, 16), QPoint(46, 8)}));
    p.setPen(gray(226));
    p.drawLine(20, 66, 60, 66);
    return img;
}

QImage shirt2DPattern(const QImage& shirt, int pattern) {
    return maskedCopy(shirt, [&](int x, int y) {
        if (y < 9) return false;
        switch (pattern) {
        case 1: return x >= 18 && x <= 62 && ((x - 18) / 6) % 2 == 1;
        case 2: return ((y - 9) / 8) % 2 == 1;
        default: return std::abs((x - 18) / 44.0 - (y - 9) / 60.0) < 0.13 && x >= 18 && x <= 62;
        }
    });
}

QImage pants2D() {
    QImage img = filled(kPants2DW, kPants2DH, QColor::fromRgb(kMagenta));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(gray(150));
    p.setBrush(gray(246));
    p.drawPolygon(QPolygon({QPoint(6, 2), QPoint(57, 2), QPoint(62, 37), QPoint(36, 37), QPoint(32, 18),
                            QPoint(28, 37), QPoint(1, 37)}));
    p.setPen(gray(210));
    p.drawLine(7, 6, 56, 6);
    return img;
}

QImage socks2D() {
    QImage img = filled(kSocks2DW, kSocks2DH, QColor::fromRgb(kMagenta));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(gray(150));
    p.setBrush(gray(246));
    for (int ox : {2, 26}) {
        p.drawPolygon(QPolygon({QPoint(ox + 4, 1), QPoint(ox + 16, 1), QPoint(ox + 16, 28), QPoint(ox + 20, 32),
                                QPoint(ox + 20, 38), QPoint(ox + 2, 38), QPoint(ox + 4, 30)}));
        p.fillRect(QRect(ox + 5, 4, 11, 3), gray(212));
    }
    return img;
}

}  // namespace

void writeKitTextures(Output& out) {
    const QString dir = "textures/3d/player/";
    const QImage shirt = shirtTemplate();
    out.savePng(shirt, dir + "shirt.png");
    for (int k = 1; k <= 3; ++k) out.savePng(shirtPattern(shirt, k), dir + QString("shirt%1.png").arg(k));
    out.savePng(pantsTemplate(), dir + "pants.png");
    out.savePng(socksTemplate(), dir + "socks.png");
    out.savePng(shoeTemplate(), dir + "shoe.png");
    out.savePng(skinTemplate(), dir + "skin.png");
    out.savePng(hairTemplate(), dir + "hair.png");
    out.savePng(glovesTemplate(), dir + "gloves.png");

    const QString kits = "textures/2d/lobby/kits/";
    const QImage s2 = shirt2D();
    out.savePng(s2, kits + "shirt2D.png");
    for (int k = 1; k <= 3; ++k) out.savePng(shirt2DPattern(s2, k), kits + QString("shirt2D%1.png").arg(k));
    out.savePng(pants2D(), kits + "pants2D.png");
    out.savePng(socks2D(), kits + "socks2D.png");
}

}  // namespace assetgen
