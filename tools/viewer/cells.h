#pragma once
// The cells of the contact sheet: which model, dressed how, in which pose,
// and the camera that frames it.

#include <memory>
#include <string>
#include <vector>

#include "mesh_instance.h"
#include "transforms.h"

namespace kf {

class EngineApp;

struct ViewerCell {
    std::string caption;  // "goalkeeper dive_m_left f20"
    std::string model;
    std::string animation;  // empty: rest pose
    float frame = 0;
    Camera camera;
};

// Models of "<data>/models/<name>.glb" the sheet shows, figures first.
const std::vector<std::string>& viewerModels();
bool isFigure(const std::string& model);

// Loads every model and the textures that dress them; false with *error
// naming the first model that did not load.
bool loadViewerAssets(EngineApp& app, std::string* error);

// The cells in sheet order: one per static model, four frames spread over
// each clip of the figures. `aspect` is the cell's width / height.
std::vector<ViewerCell> buildCells(EngineApp& app, float aspect);

// Dresses and poses the instance for the cell (materials as the match draws them).
void prepareInstance(EngineApp& app, MeshInstance& m, const ViewerCell& cell);

// Figures stand up (model y to world z) as in the match.
Mat4 viewerWorld();

}  // namespace kf
