#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace kf {

namespace {

constexpr int kCaptionHeight = 18;
constexpr int kGap = 2;

}  // namespace

QImage ViewerApp::renderCell(const ViewerCell& cell) {
    instance_ = meshes().createInstance(cell.model);
    if (!instance_) return {};
    prepareInstance(*this, *instance_, cell);
    cell_ = &cell;
    QImage img = grabFrame();
    cell_ = nullptr;
    return img;
}

void ViewerApp::onRender() {
    Renderer& r = renderer();
    r.clear(kViewerBackground, 1.0f);
    r.beginScene();
    if (cell_ && instance_) {
        // The match's light: grey ambient, white sun from above the near corner.
        r.setAmbient({170, 170, 170, 255});
        r.setDirectionalLight(Vec3(-1, 1, -1), {255, 255, 255, 255});
        r.setLighting(true);
        r.setDepthTest(true);
        r.setSampler(Sampler::Anisotropic);
        r.setCamera(cell_->camera);
        r.drawMesh(*instance_, viewerWorld());
    }
    r.endScene();
    present();
}

bool singleColour(const QImage& img) {
    if (img.isNull()) return true;
    const QRgb first = img.pixel(0, 0);
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (line[x] != first) return false;
    }
    return true;
}

QImage composeSheet(const std::vector<SheetCell>& cells, int columns) {
    if (cells.empty() || columns < 1) return {};
    int cw = 0, ch = 0;
    for (const SheetCell& c : cells) {
        cw = std::max(cw, c.image.width());
        ch = std::max(ch, c.image.height());
    }
    const int cols = std::min<int>(columns, int(cells.size()));
    const int rows = (int(cells.size()) + cols - 1) / cols;
    const int pitchX = cw + kGap, pitchY = ch + kCaptionHeight + kGap;
    QImage sheet(cols * pitchX + kGap, rows * pitchY + kGap, QImage::Format_RGB32);
    sheet.fill(QColor(24, 24, 24));
    QPainter p(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(QColor(235, 235, 235));
    for (size_t i = 0; i < cells.size(); ++i) {
        const int x = kGap + int(i % cols) * pitchX, y = kGap + int(i / cols) * pitchY;
        p.drawImage(x, y, cells[i].image);
        const QRect caption(x + 3, y + ch, cw - 6, kCaptionHeight);
        p.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(QString::fromStdString(cells[i].caption), Qt::ElideRight, cw - 6));
    }
    return sheet;
}

}  // namespace kf
