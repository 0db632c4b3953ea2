// Lobby skins and the lobby's list images. A skin is a folder under "skins/"
// holding "skin.qss" (a Qt style sheet) and the images it names. Image paths
// in the sheet use the search-path prefix "skin:", which the lobby points at
// the chosen skin's folder (QDir::setSearchPaths("skin", {folder})) before it
// applies the sheet.
#include "assetgen.h"
#include "paint.h"

namespace assetgen {

namespace {

struct Palette {
    const char* name;
    QColor window, base, text, accent, accentText, button, buttonHover, border;
};

const Palette kSkins[] = {
    {"KF", QColor(22, 38, 58), QColor(12, 24, 38), QColor(222, 230, 238), QColor(64, 132, 200), QColor(255, 255, 255),
     QColor(44, 78, 118), QColor(66, 110, 160), QColor(90, 130, 170)},
    {"Night", QColor(24, 24, 26), QColor(12, 12, 14), QColor(214, 210, 200), QColor(220, 132, 36),
     QColor(20, 16, 10), QColor(52, 50, 48), QColor(84, 78, 70), QColor(110, 100, 88)},
};

QString css(QColor c) { return c.name(QColor::HexRgb); }

QImage buttonImage(QColor top, QColor border) {
    QImage img = filled(24, 24, QColor(0, 0, 0, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient g(0, 0, 0, 24);
    g.setColorAt(0, scaled(top, 1.25));
    g.setColorAt(1, scaled(top, 0.8));
    p.setBrush(g);
    p.setPen(QPen(border, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
    return img;
}

QImage checkImage(const Palette& s, bool on) {
    QImage img = filled(14, 14, QColor(0, 0, 0, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(s.base);
    p.setPen(QPen(s.border, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 13, 13), 2, 2);
    if (on) {
        p.setPen(QPen(s.accent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 7.5), QPointF(6, 10.5), QPointF(11, 3.5)}));
    }
    return img;
}

QImage arrowImage(const Palette& s) {
    QImage img = filled(10, 6, QColor(0, 0, 0, 0));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(s.text);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(10, 0), QPointF(5, 6)}));
    return img;
}

QString styleSheet(const Palette& s) {
    QString q;
    q += QString("QWidget { background-color: %1; color: %2; selection-background-color: %3; "
                 "selection-color: %4; font-family: \"DejaVu Sans\"; font-size: 11px; }\n")
             .arg(css(s.window), css(s.text), css(s.accent), css(s.accentText));
    q += QString("QPushButton { border-image: url(skin:button.png) 6 6 6 6 stretch stretch; border: 6px; "
                 "padding: 0px 6px; min-height: 12px; color: %1; }\n")
             .arg(css(s.text));
    q += "QPushButton:hover { border-image: url(skin:button_hover.png) 6 6 6 6 stretch stretch; }\n";
    q += "QPushButton:pressed, QPushButton:checked { border-image: url(skin:button_pressed.png) 6 6 6 6 stretch stretch; }\n";
    q += QString("QPushButton:disabled { color: %1; }\n").arg(css(mixed(s.text, s.window, 0.55)));
    q += QString("QLineEdit, QTextEdit, QPlainTextEdit, QListWidget, QComboBox { background-color: %1; "
                 "border: 1px solid %2; border-radius: 3px; padding: 2px; }\n")
             .arg(css(s.base), css(s.border));
    q += QString("QLineEdit:focus, QComboBox:focus { border: 1px solid %1; }\n").arg(css(s.accent));
    q += "QComboBox::drop-down { border: none; width: 16px; }\n";
    q += "QComboBox::down-arrow { image: url(skin:arrow_down.png); }\n";
    q += QString("QComboBox QAbstractItemView { background-color: %1; border: 1px solid %2; }\n")
             .arg(css(s.base), css(s.border));
    q += "QCheckBox { spacing: 6px; background: transparent; }\n";
    q += "QCheckBox::indicator { width: 14px; height: 14px; }\n";
    q += "QCheckBox::indicator:unchecked { image: url(skin:check_off.png); }\n";
    q += "QCheckBox::indicator:checked { image: url(skin:check_on.png); }\n";
    q += QString("QScrollBar:vertical { background: %1; width: 14px; margin: 0px; }\n").arg(css(s.base));
    q += QString("QScrollBar:horizontal { background: %1; height: 14px; margin: 0px; }\n").arg(css(s.base));
    q += QString("QScrollBar::handle { background: %1; border: 1px solid %2; border-radius: 4px; min-height: 20px; "
                 "min-width: 20px; }\n")
             .arg(css(s.button), css(s.border));
    q += QString("QScrollBar::handle:hover { background: %1; }\n").arg(css(s.buttonHover));
    q += "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; }\n";
    q += "QScrollBar::add-page, QScrollBar::sub-page { background: none; }\n";
    q += QString("QListWidget::item:hover { background-color: %1; }\n").arg(css(s.buttonHover));
    q += QString("QTabWidget::pane { border: 1px solid %1; top: -1px; }\n").arg(css(s.border));
    q += QString("QTabBar::tab { background: %1; border: 1px solid %2; padding: 4px 10px; }\n")
             .arg(css(s.button), css(s.border));
    q += QString("QTabBar::tab:selected { background: %1; color: %2; }\n").arg(css(s.accent), css(s.accentText));
    q += "QLabel { background: transparent; }\n";
    return q;
}

// Stripes of the lobby's list rows (16 pixels high): odd rows, even rows, and
// the row under the pointer.
QImage separator(int kind) {
    const QColor c[] = {QColor(26, 44, 66), QColor(34, 56, 82), QColor(64, 112, 164)};
    QImage img = filled(1000, 16, c[kind]);
    QPainter p(&img);
    p.fillRect(QRect(0, 15, 1000, 1), scaled(c[kind], 0.7));
    if (kind == 2) p.fillRect(QRect(0, 0, 1000, 1), scaled(c[kind], 1.3));
    return img;
}

QImage noImage() {
    QImage img = filled(120, 120, QColor(56, 62, 70));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 104, 114));
    p.drawEllipse(QRectF(42, 22, 36, 36));
    p.drawRoundedRect(QRectF(26, 62, 68, 40), 18, 18);
    p.setPen(QColor(200, 206, 214));
    p.setFont(uiFont(12, true));
    p.drawText(QRect(0, 98, 120, 20), Qt::AlignCenter, "No image");
    return img;
}

}  // namespace

void writeSkins(Output& out) {
    for (const Palette& s : kSkins) {
        const QString dir = QString("skins/%1/").arg(s.name);
        std::string sheet = styleSheet(s).toStdString();
        out.writeBytes(dir + "skin.qss", sheet);
        out.savePng(buttonImage(s.button, s.border), dir + "button.png");
        out.savePng(buttonImage(s.buttonHover, s.accent), dir + "button_hover.png");
        out.savePng(buttonImage(scaled(s.button, 0.75), s.accent), dir + "button_pressed.png");
        out.savePng(checkImage(s, false), dir + "check_off.png");
        out.savePng(checkImage(s, true), dir + "check_on.png");
        out.savePng(arrowImage(s), dir + "arrow_down.png");
    }
    for (int k = 0; k < 3; ++k) out.savePng(separator(k), QString("textures/2d/lobby/misc/separator%1.png").arg(k + 1));
    out.savePng(noImage(), "textures/2d/lobby/misc/noimage.png");
}

}  // namespace assetgen
