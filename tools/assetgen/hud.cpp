// The match window's flat images: menu panel, buttons (normal and
// highlighted), score board, chat boxes, power bar, radar and cursor. Sizes
// are in the virtual 1024 x 768 screen's units, since a sprite is drawn at its
// image size there.
#include "assetgen.h"
#include "paint.h"

#include <QPainterPath>

namespace assetgen {

namespace {

constexpr int kButtonW = 90, kButtonH = 30;

QImage clear(int w, int h) { return filled(w, h, QColor(0, 0, 0, 0)); }

QPainter& smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    return p;
}

QImage panel() {
    const int w = 800, h = 520;
    QImage img = clear(w, h);
    QPainter p(&img);
    smooth(p);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(16, 34, 52, 228));
    g.setColorAt(1, QColor(8, 16, 26, 228));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 170, 210, 230), 2));
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 14, 14);
    p.setPen(QPen(QColor(120, 170, 210, 110), 1));
    p.drawLine(24, 52, w - 24, 52);
    p.drawLine(24, h - 78, w - 24, h - 78);
    p.setBrush(QColor(255, 255, 255, 16));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(12, 12, w - 24, 34), 8, 8);
    return img;
}

QImage button(const QString& caption, bool highlighted) {
    QImage img = clear(kButtonW, kButtonH);
    QPainter p(&img);
    smooth(p);
    QLinearGradient g(0, 0, 0, kButtonH);
    g.setColorAt(0, highlighted ? QColor(250, 200, 70) : QColor(70, 110, 160));
    g.setColorAt(1, highlighted ? QColor(200, 130, 20) : QColor(30, 56, 96));
    p.setBrush(g);
    p.setPen(QPen(highlighted ? QColor(255, 240, 190) : QColor(150, 190, 230), 1.5));
    p.drawRoundedRect(QRectF(1, 1, kButtonW - 2, kButtonH - 2), 6, 6);
    centredText(p, QRectF(0, 0, kButtonW, kButtonH), caption, uiFont(14, true),
                highlighted ? QColor(40, 24, 0) : QColor(255, 255, 255),
                highlighted ? QColor(255, 236, 180, 160) : QColor(0, 0, 0, 170));
    return img;
}

QImage readySign() {
    QImage img = clear(24, 20);
    QPainter p(&img);
    smooth(p);
    p.setBrush(QColor(40, 170, 70));
    p.setPen(QPen(QColor(210, 255, 210), 1));
    p.drawEllipse(QRectF(2.5, 0.5, 19, 19));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(7, 10.5), QPointF(10.5, 14), QPointF(17, 6)}));
    return img;
}

// Clock box at the left (text at x 20), then team, score, team.
QImage scoreBoard() {
    const int w = 220, h = 34;
    QImage img = clear(w, h);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(QColor(150, 190, 230, 220), 1));
    p.setBrush(QColor(10, 20, 34, 210));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p.setBrush(QColor(40, 90, 150, 220));
    p.drawRoundedRect(QRectF(3, 3, 50, h - 6), 4, 4);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(108, 3, 44, h - 6), 4, 4);
    return img;
}

QImage editBox(int w) {
    QImage img = clear(w, 22);
    QPainter p(&img);
    smooth(p);
    p.setPen(QPen(QColor(150, 190, 230, 200), 1));
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, 21), 4, 4);
    return img;
}

QImage powerBar(bool filledBar) {
    const int w = 150, h = 14;
    QImage img = clear(w, h);
    QPainter p(&img);
    smooth(p);
    if (filledBar) {
        QLinearGradient g(0, 0, w, 0);
        g.setColorAt(0, QColor(40, 200, 60));
        g.setColorAt(0.6, QColor(250, 220, 40));
        g.setColorAt(1, QColor(230, 40, 30));
        p.fillRect(QRect(0, 0, w, h), g);
        p.fillRect(QRect(0, 0, w, 4), QColor(255, 255, 255, 60));
    } else {
        p.setBrush(QColor(0, 0, 0, 150));
        p.setPen(QPen(QColor(220, 220, 220, 220), 1));
        p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    }
    return img;
}

// A small pitch with its lines along the image's edges: portrait for the
// cameras behind a goal, landscape for the side cameras.
QImage radarField(bool landscape) {
    const int w = landscape ? 250 : 196, h = landscape ? 196 : 250;
    QImage img = clear(w, h);
    QPainter p(&img);
    smooth(p);
    p.setBrush(QColor(40, 110, 40, 150));
    p.setPen(QPen(QColor(230, 240, 230, 200), 1.5));
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
    p.setBrush(Qt::NoBrush);
    const QPointF c(w / 2.0, h / 2.0);
    p.drawEllipse(c, 20.0, 20.0);
    if (landscape) {
        p.drawLine(QPointF(c.x(), 1), QPointF(c.x(), h - 1));
        p.drawRect(QRectF(1, c.y() - 52, 34, 104));
        p.drawRect(QRectF(w - 35, c.y() - 52, 34, 104));
    } else {
        p.drawLine(QPointF(1, c.y()), QPointF(w - 1, c.y()));
        p.drawRect(QRectF(c.x() - 52, 1, 104, 34));
        p.drawRect(QRectF(c.x() - 52, h - 35, 104, 34));
    }
    return img;
}

QImage dot(int size, bool ring, bool ball) {
    QImage img = clear(size, size);
    QPainter p(&img);
    smooth(p);
    if (ball) {
        p.setBrush(QColor(255, 255, 255));
        p.setPen(QPen(QColor(0, 0, 0), 1));
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    } else if (ring) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255), 1.4));
        p.drawEllipse(QRectF(0.7, 0.7, size - 1.4, size - 1.4));
    } else {
        p.setBrush(QColor(255, 255, 255));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    }
    return img;
}

// 29 x 29, so that the pixel centre 14.5 is the hot spot the client uses.
QImage cursor() {
    QImage img = clear(29, 29);
    QPainter p(&img);
    smooth(p);
    const QPointF c(14.5, 14.5);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass == 0 ? QColor(0, 0, 0, 200) : QColor(255, 255, 255), pass == 0 ? 3.2 : 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 8.0, 8.0);
        p.drawLine(QPointF(14.5, 1), QPointF(14.5, 9));
        p.drawLine(QPointF(14.5, 20), QPointF(14.5, 28));
        p.drawLine(QPointF(1, 14.5), QPointF(9, 14.5));
        p.drawLine(QPointF(20, 14.5), QPointF(28, 14.5));
    }
    return img;
}

}  // namespace

void writeHud(Output& out) {
    const QString gui = "textures/2d/ingame/gui/";
    out.savePng(panel(), gui + "panel.png");
    out.savePng(readySign(), gui + "readySign.png");
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"ready", "Ready"}, {"quit", "Quit"}, {"change", "Change"}, {"next", "Next"}, {"tryAgain", "Try again"}};
    for (const auto& b : buttons) {
        out.savePng(button(b.caption, false), gui + b.name + ".png");
        out.savePng(button(b.caption, true), gui + b.name + "h.png");
    }
    out.savePng(scoreBoard(), gui + "scoreBoard.png");
    out.savePng(editBox(200), gui + "editSmall.png");
    out.savePng(editBox(560), gui + "editBig.png");
    out.savePng(powerBar(true), "textures/2d/ingame/powerbar/power.png");
    out.savePng(powerBar(false), "textures/2d/ingame/powerbar/powerback.png");
    const QString radar = "textures/2d/ingame/radar/";
    out.savePng(radarField(false), radar + "smallfield.png");
    out.savePng(radarField(true), radar + "smallfield2.png");
    out.savePng(dot(8, true, false), radar + "s1.png");
    out.savePng(dot(8, false, false), radar + "s2.png");
    out.savePng(dot(6, false, true), radar + "s3.png");
    out.savePng(cursor(), "textures/2d/ingame/misc/cursor.png");
}

}  // namespace assetgen
