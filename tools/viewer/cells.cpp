#include "cells.h"

#include <cmath>

#include "assets.h"
#include "engine_app.h"
#include "kits.h"

namespace kf {

namespace {

constexpr float kHalfPi = 1.5707964f;
constexpr int kFramesPerClip = 4;

struct TextureFile {
    const char* name;
    const char* file;
};

// The match sets these materials from files (assets.cpp, scene.cpp); the
// figures' textures come from the kit builders.
constexpr TextureFile kStaticTextures[] = {
    {"ball", "data/textures/3d/staticModels/ball.png"},
    {"net", "data/textures/3d/staticModels/net.png"},
    {"bench", "data/textures/3d/staticModels/bench.png"},
    {"adboardTex1", "data/textures/3d/adboards/adboard1.png"},
    {"concrete", "data/textures/3d/stadium/concrete.png"},
    {"board", "data/textures/3d/stadium/board.png"},
    {"steps", "data/textures/3d/stadium/steps.png"},
    {"chairs", "data/textures/3d/stadium/chairs.png"},
    {"back", "data/textures/3d/stadium/back.png"},
    {"steps2", "data/textures/3d/stadium/steps2.png"},
};
const char* const kStadiumMaterials[6] = {"concrete", "board", "steps", "chairs", "back", "steps2"};

// The keeper shows the ball node only in the clips where he holds it.
bool keeperHoldsBall(const std::string& clip) {
    return clip == "stand_holdball" || clip == "jump_grab" || clip.rfind("dive_grab", 0) == 0;
}

void setTexture(EngineApp& app, MeshInstance& m, int material, const std::string& name) {
    m.setMaterialTexture(material, app.textures().find(name));
}

// A field player in the plain red kit, black shoes.
void dressPlayer(EngineApp& app, MeshInstance& m) {
    m.showNode("body_far", false);
    setTexture(app, m, 0, "skin0");
    setTexture(app, m, 1, "hair" + std::to_string(hairTextureIndex(3, 0)));
    setTexture(app, m, 2, "shirts2");
    setTexture(app, m, 3, "pants2");
    setTexture(app, m, 4, "socks2");
    setTexture(app, m, 5, "GKShoes");
}

// A goalkeeper with the plain blue shorts and socks.
void dressKeeper(EngineApp& app, MeshInstance& m, const std::string& clip) {
    m.showNode("body_far", false);
    m.showNode("soccer_body", keeperHoldsBall(clip));
    const char* names[8] = {"hair0", "GKShirt", "pants3", "socks3", "GKShoes", "skin0", "GKGloves", "ball"};
    for (int i = 0; i < 8; ++i) setTexture(app, m, i, names[i]);
}

void dressStatic(EngineApp& app, MeshInstance& m, const std::string& model) {
    if (model == "ball" || model == "net" || model == "bench") setTexture(app, m, 0, model);
    if (model == "adboard") setTexture(app, m, 0, "adboardTex1");
    if (model == "stad1")
        for (int i = 0; i < 6; ++i) setTexture(app, m, i, kStadiumMaterials[i]);
}

// Model-space box of the current pose: skinned vertices through their joint
// matrices, rigid ones through their node.
Box posedBox(const MeshInstance& m) {
    const MeshData& d = m.data();
    const std::vector<Mat4>& globals = m.nodeGlobals();
    Box box;
    for (const MeshPrimitive& p : d.primitives) {
        if (p.indexCount == 0 || (p.node >= 0 && !m.nodeVisible(p.node))) continue;
        if (p.skin < 0) {
            const Mat4 node = p.node >= 0 ? globals[p.node] : Mat4(1.0f);
            const Box b = transformBox(p.bounds, node);
            box.add(b.min);
            box.add(b.max);
            continue;
        }
        const std::vector<Mat4>& joints = m.jointMatrices(p.skin);
        for (uint32_t v = p.minVertex; v <= p.maxVertex && v < d.vertices.size(); ++v) {
            const MeshVertex& mv = d.vertices[v];
            Vec4 pos(0.0f);
            float total = 0;
            for (int k = 0; k < 4; ++k) {
                if (mv.weights[k] <= 0 || mv.joints[k] >= joints.size()) continue;
                pos += mv.weights[k] * (joints[mv.joints[k]] * Vec4(mv.pos, 1.0f));
                total += mv.weights[k];
            }
            box.add(total > 0 ? Vec3(pos) / total : mv.pos);
        }
    }
    return box.empty() ? m.boundingBox() : box;
}

// Looks at the box from the front, a little from the side and above, far
// enough for its bounding sphere to fill the cell.
Camera frameBox(const Box& modelBox, float aspect) {
    const Box b = transformBox(modelBox, viewerWorld());
    const Vec3 centre = b.centre();
    const float radius = std::max(0.5f * glm::length(b.max - b.min), 1e-3f);
    Camera c;
    c.fov = 0.6f;
    c.aspect = aspect;
    const float halfFov = 0.5f * (aspect < 1 ? 2 * std::atan(std::tan(c.fov / 2) * aspect) : c.fov);
    const float dist = radius / std::sin(halfFov);
    c.eye = centre + dist * glm::normalize(Vec3(0.55f, -1.0f, 0.4f));
    c.target = centre;
    c.up = {0, 0, 1};
    c.zNear = std::max(dist - 1.5f * radius, dist * 0.001f);
    c.zFar = dist + 1.5f * radius;
    return c;
}

void addClipCells(EngineApp& app, const std::string& model, const Animation& clip, float aspect,
                  std::vector<ViewerCell>& cells) {
    auto inst = app.meshes().createInstance(model);
    if (!inst) return;
    std::vector<ViewerCell> row;
    Box box;
    for (int k = 0; k < kFramesPerClip; ++k) {
        ViewerCell cell;
        cell.model = model;
        cell.animation = clip.name;
        cell.frame = std::round(clip.frameCount() * float(k) / float(kFramesPerClip - 1));
        cell.caption = model + " " + clip.name + " f" + std::to_string(int(cell.frame));
        prepareInstance(app, *inst, cell);
        const Box b = posedBox(*inst);
        box.add(b.min);
        box.add(b.max);
        row.push_back(cell);
    }
    // One camera for the whole clip, so the frames show the movement.
    for (ViewerCell& cell : row) {
        cell.camera = frameBox(box, aspect);
        cells.push_back(cell);
    }
}

}  // namespace

const std::vector<std::string>& viewerModels() {
    static const std::vector<std::string> names{"player", "goalkeeper", "ball", "net",
                                                "bench", "adboard", "stad1", "field"};
    return names;
}

bool isFigure(const std::string& model) { return model == "player" || model == "goalkeeper"; }

Mat4 viewerWorld() { return worldMatrix(1.0f, kHalfPi, 0, Vec3(0)); }

bool loadViewerAssets(EngineApp& app, std::string* error) {
    for (const std::string& name : viewerModels()) {
        std::string why;
        if (!app.meshes().load(name, dataPath("data/models/" + name + ".glb"), &why)) {
            if (error) *error = name + ": " + why;
            return false;
        }
    }
    TextureManager& tm = app.textures();
    buildSkinTextures(tm);
    buildHairTextures(tm);
    buildPlainKits(tm);
    buildKeeperTextures(tm);
    for (const TextureFile& t : kStaticTextures) tm.load(t.name, dataPath(t.file));
    return true;
}

void prepareInstance(EngineApp& app, MeshInstance& m, const ViewerCell& cell) {
    m.setNodeCulling(false);
    if (cell.model == "player") dressPlayer(app, m);
    else if (cell.model == "goalkeeper") dressKeeper(app, m, cell.animation);
    else dressStatic(app, m, cell.model);
    if (!cell.animation.empty()) m.setAnimation(cell.animation, cell.frame);
}

std::vector<ViewerCell> buildCells(EngineApp& app, float aspect) {
    std::vector<ViewerCell> cells;
    for (const std::string& model : viewerModels()) {
        const auto data = app.meshes().data(model);
        if (!data) continue;
        if (isFigure(model) && !data->animations.empty()) {
            for (const Animation& clip : data->animations) addClipCells(app, model, clip, aspect, cells);
            continue;
        }
        ViewerCell cell;
        cell.model = cell.caption = model;
        cell.camera = frameBox(data->bounds, aspect);
        cells.push_back(cell);
    }
    return cells;
}

}  // namespace kf
