// The six textures of the stands, one per "stad1" material. Each is one
// segment of a ring (about 2 x 0.5 world units for a tread), shown once per
// segment.
#include "assetgen.h"
#include "paint.h"

#include <cmath>

namespace assetgen {

namespace {

QImage concrete() {
    Rng rng(301);
    QImage img(256, 256, QImage::Format_ARGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const double f = 0.9 + 0.12 * valueNoise(x, y, 32, 8, 31) + 0.06 * rng.uniform();
            img.setPixel(x, y, scaled(QColor(142, 142, 136), f).rgb());
        }
    return img;
}

// The wall in front of the stands: dark panels with a white rail.
QImage board() {
    QImage img(512, 128, QImage::Format_ARGB32);
    img.fill(QColor(26, 52, 96));
    QPainter p(&img);
    for (int x = 0; x < 512; x += 128) p.fillRect(QRect(x, 0, 3, 128), QColor(16, 32, 64));
    p.fillRect(QRect(0, 0, 512, 10), QColor(230, 232, 236));
    p.fillRect(QRect(0, 60, 512, 6), QColor(210, 170, 40));
    p.fillRect(QRect(0, 118, 512, 10), QColor(60, 60, 60));
    return img;
}

QImage steps() {
    Rng rng(302);
    QImage img(256, 32, QImage::Format_ARGB32);
    fillNoise(img, img.rect(), QColor(120, 120, 116), 8, rng);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 256, 3), QColor(200, 200, 196));
    p.fillRect(QRect(0, 28, 256, 4), QColor(80, 80, 78));
    return img;
}

// Seen from above: one row of seats along the tread, a few of them taken.
QImage chairs() {
    Rng rng(303);
    QImage img(512, 128, QImage::Format_ARGB32);
    fillNoise(img, img.rect(), QColor(118, 118, 114), 6, rng);
    QPainter p(&img);
    const QColor seat(30, 80, 170), back(20, 56, 130);
    for (int x = 2; x + 14 <= 512; x += 16) {
        p.fillRect(QRect(x, 30, 13, 60), seat);
        p.fillRect(QRect(x, 82, 13, 24), back);
        if (rng.uniform() < 0.45) {
            const QColor shirt = QColor::fromHsv(rng.below(360), 90 + rng.below(140), 110 + rng.below(140));
            p.fillRect(QRect(x + 1, 40, 11, 40), shirt);
            p.setBrush(QColor(180 + rng.below(60), 140 + rng.below(50), 110 + rng.below(40)));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRect(x + 2, 56, 9, 14));
        }
    }
    p.fillRect(QRect(0, 0, 512, 4), QColor(190, 190, 186));
    return img;
}

// The upper terraces: standing spectators packed along the step.
QImage steps2() {
    Rng rng(304);
    QImage img(512, 128, QImage::Format_ARGB32);
    fillNoise(img, img.rect(), QColor(110, 108, 104), 6, rng);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const int x = rng.below(506), y = 12 + rng.below(96);
        p.setBrush(QColor::fromHsv(rng.below(360), 60 + rng.below(160), 90 + rng.below(150)));
        p.drawEllipse(QRect(x, y, 8, 12));
        p.setBrush(QColor(170 + rng.below(70), 130 + rng.below(60), 100 + rng.below(50)));
        p.drawEllipse(QRect(x + 1, y + 2, 5, 5));
    }
    p.fillRect(QRect(0, 0, 512, 4), QColor(180, 180, 176));
    return img;
}

// The wall behind the top terrace: grey panels under a dark roof band.
QImage back() {
    Rng rng(305);
    QImage img(512, 256, QImage::Format_ARGB32);
    fillNoise(img, img.rect(), QColor(150, 152, 156), 5, rng);
    QPainter p(&img);
    for (int x = 0; x < 512; x += 64) p.fillRect(QRect(x, 0, 4, 256), QColor(112, 114, 118));
    p.fillRect(QRect(0, 0, 512, 48), QColor(46, 48, 54));
    for (int x = 24; x < 512; x += 96) p.fillRect(QRect(x, 16, 40, 14), QColor(250, 246, 210));
    return img;
}

}  // namespace

void writeStadiumTextures(Output& out) {
    const QString dir = "textures/3d/stadium/";
    out.savePng(concrete(), dir + "concrete.png");
    out.savePng(board(), dir + "board.png");
    out.savePng(steps(), dir + "steps.png");
    out.savePng(chairs(), dir + "chairs.png");
    out.savePng(back(), dir + "back.png");
    out.savePng(steps2(), dir + "steps2.png");
}

}  // namespace assetgen
