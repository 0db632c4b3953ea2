#pragma once
// The viewer's window and the sheet: every cell drawn as its own frame of
// the engine window, grabbed, and laid out with its caption.

#include <QImage>

#include <string>
#include <vector>

#include "cells.h"
#include "engine_app.h"

namespace kf {

constexpr Rgba kViewerBackground{58, 66, 84, 255};

class ViewerApp : public EngineApp {
public:
    // Renders one cell into the window and returns the frame.
    QImage renderCell(const ViewerCell& cell);
    void onRender() override;

private:
    const ViewerCell* cell_ = nullptr;
    std::unique_ptr<MeshInstance> instance_;
};

// True when every pixel has one colour (nothing was drawn, or the camera
// sits inside the model).
bool singleColour(const QImage& img);

struct SheetCell {
    QImage image;
    std::string caption;
};

// Cells in rows of `columns`, each with its caption underneath.
QImage composeSheet(const std::vector<SheetCell>& cells, int columns);

}  // namespace kf
