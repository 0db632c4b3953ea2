#include "scene.h"

#include <cmath>
#include <string>

#include "assets.h"
#include "drawing.h"
#include "ingamedata.h"
#include "mesh_instance.h"
#include "pitch.h"
#include "practiceworld.h"
#include "random.h"
#include "renderer.h"
#include "settings.h"

namespace kf {

std::array<std::uint8_t, 23> adboardChoice{};

namespace {

constexpr float kHalfPi = 1.5707964f;
constexpr double kBoardStep = 1.022;
constexpr double kBoardShadowStep = 1.018;

void modelStates() {
    gfx().setDepthTest(true);
    gfx().setSampler(Sampler::Anisotropic);
}

void shadowQuad(std::string_view tex, double cx, double cy, double size, double z) {
    groundQuad(tex, cx - size / 2, cy - size / 2, cx + size / 2, cy + size / 2, z);
}

void quadFromCorners(std::string_view tex, const Vec3 (&c)[4]) {
    Box box;
    for (const Vec3& p : c) box.add(p);
    if (!gfx().frustum().intersects(box)) return;
    gfx().drawQuad(texture(tex), c);
}

}  // namespace

void randomizeAdboards() {
    for (std::size_t i = 1; i < adboardChoice.size(); ++i) adboardChoice[i] = static_cast<std::uint8_t>(randomInt(4) + 1);
}

bool placeInView(const MeshInstance& instance, const Mat4& world) {
    gfx().setWorld(world);
    return gfx().frustum().intersects(transformBox(instance.boundingBox(), world));
}

void drawCulled(MeshInstance& instance, const Mat4& world) {
    if (placeInView(instance, world)) gfx().drawMesh(instance);
}

void groundQuad(std::string_view tex, double x1, double y1, double x2, double y2, double z) {
    const float fz = float(z);
    const Vec3 c[4] = {{float(x1), float(y1), fz}, {float(x2), float(y1), fz}, {float(x2), float(y2), fz}, {float(x1), float(y2), fz}};
    quadFromCorners(tex, c);
}

std::optional<TVec2> pitchPointOnRay(const Ray& ray) {
    if (!gameModels.field) return std::nullopt;
    const Mat4 world = worldMatrix(Vec3(0.2f, 0.01f, 0.2f), kHalfPi, 0, Vec3(0, 0, -0.01f));
    float d = 0;
    if (!gameModels.field->intersectRay(world, ray, &d)) return std::nullopt;
    const Vec3 hit = ray.origin + d * ray.dir;
    return TVec2{hit.x, hit.y};
}

void pickPitchPoint(float px, float py) {
    if (const std::optional<TVec2> p = pitchPointOnRay(gfx().pickRay(px, py))) ingamedata.mouseTarget = *p;
    gfx().setWorld(Mat4(1.0f));
}

void renderGrass() {
    gfx().setSampler(Sampler::Anisotropic);
    const char* tex = settings.grassQuality == 0 ? "grassLow" : "grass";
    const float w = float(pitch.grassWidth) / 2, l = float(pitch.grassLength) / 2;
    // The texture shows one half; the second copy is turned by 180 degrees about the centre spot.
    const Vec3 first[4] = {{-w, -l, 0}, {w, -l, 0}, {w, 0, 0}, {-w, 0, 0}};
    const Vec3 second[4] = {{w, l, 0}, {-w, l, 0}, {-w, 0, 0}, {w, 0, 0}};
    quadFromCorners(tex, first);
    quadFromCorners(tex, second);
}

bool boardSlotLeftOut(int size, bool touchline, int slot) {
    const int last = touchline ? 13 : 9;
    if (size == 1) return slot <= 2 || slot >= last - 1;
    if (size == 2) return slot == 1 || slot == last;
    return false;
}

void renderAdboardShadows() {
    const int size = pitch.pitchSize;
    auto row = [size](bool touchline, bool benchSide, double start, auto place) {
        double p = start;
        const int slotCount = touchline ? 13 : 9;
        for (int k = 1; k <= slotCount; ++k) {
            if (benchSide && k == 5) {
                p = 2.554;  // the bench side's second group
                k = 10;
            }
            const bool out = boardSlotLeftOut(size, touchline, k);
            if (!out) place(p);
            const bool longStep = out && (size == 1 || (size == 2 && benchSide && k <= 4));
            p += longStep ? kBoardStep : kBoardShadowStep;
        }
    };
    for (double y : {pitch.goalLineNeg - 0.5, pitch.goalLinePos + 0.48})
        row(false, false, -4.711, [y](double x) { groundQuad("adboardShadow1", x, y, x + 1.18, y + 0.12, 0.002); });
    const double full = pitch.sideLinePos + 0.479, bench = pitch.sideLineNeg - 0.725;
    row(true, false, -6.643, [full](double y) { groundQuad("adboardShadow2", full, y, full + 0.12, y + 1.18, 0.002); });
    row(true, true, -6.643, [bench](double y) { groundQuad("adboardShadow2", bench, y, bench + 0.12, y + 1.18, 0.002); });
}

void renderBenchShadows() {
    const double x = pitch.sideLineNeg - 2.075;
    groundQuad("benchShadow", x, -2.18, x + 1.84, -0.34, 0.002);
    groundQuad("benchShadow", x, 0.62, x + 1.84, 2.46, 0.002);
}

void renderShadows() {
    gfx().setSampler(Sampler::Anisotropic);
    if (practiceWorld.stage == 0)
        for (int k = 1; k <= 2; ++k) shadowQuad("shadow", ingamedata.keeperPos[k].x, ingamedata.keeperPos[k].y, 0.3, 0.003);
    const int n = rosterSlots();
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= n; ++s)
            if (slotUsed(t, s)) shadowQuad("shadow", ingamedata.playerPos(t, s).x, ingamedata.playerPos(t, s).y, 0.3, 0.003);
    renderAdboardShadows();
    renderBenchShadows();
    groundQuad("netShadow1", -0.69, pitch.goalLineNeg - 0.46, 0.51, pitch.goalLineNeg - 0.46 + 1.2, 0.002);
    groundQuad("netShadow2", -0.69, pitch.goalLinePos - 0.02, 0.51, pitch.goalLinePos - 0.02 + 1.2, 0.002);
    if (practiceWorld.ballLive) shadowQuad("ballShadow", ingamedata.ballPos.x, ingamedata.ballPos.y, 0.24, 0.002);
    if (practiceWorld.stage == 7)
        for (double x : {0.0, 0.1, 0.2, -0.1, -0.2}) shadowQuad("shadow", x, -4.5, 0.3, 0.003);
}

void renderBall() {
    if (!practiceWorld.ballLive || ingamedata.keeperWithBall != 0 || !gameModels.ball) return;
    modelStates();
    const Vec3 at(float(ingamedata.ballPos.x), float(ingamedata.ballPos.y), float(ingamedata.ballHeight + 0.002));
    drawCulled(*gameModels.ball, worldMatrix(0.0071f, kHalfPi, 0, at));
}

void renderNets() {
    if (!gameModels.net) return;
    modelStates();
    drawCulled(*gameModels.net, worldMatrix(0.0112f, kHalfPi, 0, Vec3(0, float(pitch.goalLineNeg), 0)));
    drawCulled(*gameModels.net, worldMatrix(0.0112f, kHalfPi, float(M_PI), Vec3(0, float(pitch.goalLinePos), 0)));
}

void renderBenches() {
    if (!gameModels.bench) return;
    modelStates();
    const Vec3 scale(0.00696f, 0.00696f, 0.00608f);
    const float x = float(pitch.sideLineNeg - 0.355);
    drawCulled(*gameModels.bench, worldMatrix(scale, kHalfPi, float(M_PI), Vec3(x, 1.4f, 0)));
    drawCulled(*gameModels.bench, worldMatrix(scale, kHalfPi, float(M_PI), Vec3(x, -1.4f, 0)));
}

void renderAdboards() {
    if (!gameModels.adboard) return;
    modelStates();
    MeshInstance& board = *gameModels.adboard;
    const int size = pitch.pitchSize;
    const TextureHandle boardTextures[5] = {texture("adboardTex1"), texture("adboardTex1"), texture("adboardTex2"),
                                            texture("adboardTex3"), texture("adboardTex4")};
    auto draw = [&](int entry, float rotZ, float x, float y) {
        board.setMaterialTexture(0, boardTextures[adboardChoice[entry] <= 4 ? adboardChoice[entry] : 1]);
        drawCulled(board, worldMatrix(0.02f, kHalfPi, rotZ, Vec3(x, y, 0)));
    };
    for (double y : {pitch.goalLinePos + 0.48, pitch.goalLineNeg - 0.48})
        for (int k = 1; k <= 9; ++k)
            if (!boardSlotLeftOut(size, false, k)) draw(k, 0, float(-4.088 + (k - 1) * kBoardStep), float(y));
    for (int k = 1; k <= 13; ++k)
        if (!boardSlotLeftOut(size, true, k))
            draw(9 + k, kHalfPi, float(pitch.sideLinePos + 0.605), float(-6.132 + (k - 1) * kBoardStep));
    for (int k = 1; k <= 13; ++k) {
        if ((k >= 5 && k <= 9) || boardSlotLeftOut(size, true, k)) continue;  // the benches stand there
        draw(9 + k, -1.570796f, float(pitch.sideLineNeg - 0.605), float(-6.132 + (k - 1) * kBoardStep));
    }
}

void renderStadium() {
    if (!settings.drawStadium || !gameModels.stadium) return;
    modelStates();
    Vec3 scale(0.001096f);
    if (pitch.pitchSize == 1) scale = Vec3(0.000824f, 0.001096f, 0.000734f);
    if (pitch.pitchSize == 2) scale = Vec3(0.000924f, 0.001096f, 0.000924f);
    drawCulled(*gameModels.stadium, worldMatrix(scale, kHalfPi, kHalfPi, Vec3(0, 0, -1.02f)));
}

}  // namespace kf
