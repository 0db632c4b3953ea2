#include "figures.h"

#include <string>

#include "assets.h"
#include "drawing.h"
#include "ingamedata.h"
#include "kits.h"
#include "mesh_instance.h"
#include "playeranim.h"
#include "practiceworld.h"
#include "renderer.h"
#include "scene.h"
#include "settings.h"
#include "tutorial.h"

namespace kf {

namespace {

constexpr float kHalfPi = 1.5707964f;

// Kit set of a team: its own (0, 1) or the plain red and blue sets (2, 3).
int kitSet(int team) { return (team - 1) + (settings.plainKits ? 2 : 0); }

// Figures drawn shorter than this many pixels wear the coarse body: at that
// size its facets do not show, and the rasteriser's cost is per triangle.
constexpr float kFarBodyPixels = 110;
constexpr float kFigureModelHeight = 232;  // crown of the head, model units

// Shows the full or the coarse body of a figure model as big as it appears
// under `world`; models without the coarse body always show the full one.
void chooseBody(MeshInstance& m, const Mat4& world) {
    const Vec4 foot = world * Vec4(0, 0, 0, 1), head = world * Vec4(0, kFigureModelHeight, 0, 1);
    Vec2f a, b;
    const bool far = gfx().projectToScreen(Vec3(foot), &a) && gfx().projectToScreen(Vec3(head), &b) &&
                     glm::length(b - a) < kFarBodyPixels;
    if (m.showNode("body_far", far)) m.showNode("body", !far);
}

TextureHandle shoeTexture(int team, int slot) {
    const TextureHandle own = texture(shoeTextureName(team, slot));
    return own.valid() ? own : texture("GKShoes");
}

void dressPlayer(MeshInstance& m, int t, int s) {
    const int skin = ingamedata.playerSkin(t, s);
    const std::string kit = std::to_string(kitSet(t));
    m.setMaterialTexture(0, texture("skin" + std::to_string(skin > 2 ? 0 : skin)));
    m.setMaterialTexture(1, texture("hair" + std::to_string(hairTextureIndex(ingamedata.playerHair(t, s), skin))));
    m.setMaterialTexture(2, texture("shirts" + kit));
    m.setMaterialTexture(3, texture("pants" + kit));
    m.setMaterialTexture(4, texture("socks" + kit));
    m.setMaterialTexture(5, shoeTexture(t, s));
}

void drawLabel(int t, int s) {
    const std::string name = ingamedata.playerName(t, s).str();
    const int number = ingamedata.playerNumber(t, s);
    const std::string text = number != 0 ? std::to_string(number) + " " + name : name;
    const TVec2 p = ingamedata.playerPos(t, s);
    Vec2f screen;
    if (!gfx().projectToScreen(Vec3(float(p.x), float(p.y), 0), &screen)) return;
    const double w = textWidthPixels(text);
    const double x = screen.x - w / 2, y = screen.y - 50;
    printTextPixels(x + 1, y + 1, text, kBlack);
    printTextPixels(x, y, text, ingamedata.playerHighlight(t, s) ? kYellow : kWhite);
}

}  // namespace

void renderPlayers() {
    gfx().setSampler(Sampler::Anisotropic);
    if (practiceWorld.stageDone) return;
    renderKeeper(1);
    renderKeeper(2);
    const int n = rosterSlots();
    for (int t = 1; t <= 2; ++t)
        for (int s = 1; s <= n; ++s) renderPlayer(t, s);
}

void renderPlayer(int t, int s) {
    if (!slotUsed(t, s) || !gameModels.player) return;
    MeshInstance& m = *gameModels.player;
    gfx().setDepthTest(true);
    const TVec2 p = ingamedata.playerPos(t, s);
    const Mat4 world = worldMatrix(float(bodyScale(ingamedata.playerBody(t, s))), kHalfPi,
                                   float(figureAngle(ingamedata.playerDir(t, s))), Vec3(float(p.x), float(p.y), 0));
    if (!placeInView(m, world)) return;
    chooseBody(m, world);
    dressPlayer(m, t, s);
    const double frame = playerAnimFrame(t, s);
    m.setAnimation(playerAnimName(t, s), float(frame));
    gfx().setSampler(Sampler::Anisotropic);
    gfx().drawMesh(m);
    drawLabel(t, s);
}

void renderKeeper(int k) {
    if (practiceWorld.stage != 0 || !gameModels.goalkeeper) return;
    MeshInstance& m = *gameModels.goalkeeper;
    gfx().setDepthTest(true);
    const TVec2 p = ingamedata.keeperPos[k];
    const Mat4 world = worldMatrix(0.00115f, kHalfPi, float(keeperAngle(k)), Vec3(float(p.x), float(p.y), 0));
    if (!placeInView(m, world)) return;
    chooseBody(m, world);
    m.showNode("soccer_body", ingamedata.keeperWithBall == k);
    // With kick-off team 1 each keeper wears his own team's shorts and socks, else the other's.
    const int team = ingamedata.kickoffTeam == 1 ? k : 3 - k;
    const std::string kit = std::to_string(kitSet(team));
    m.setMaterialTexture(0, texture("hair0"));
    m.setMaterialTexture(1, texture("GKShirt"));
    m.setMaterialTexture(2, texture("pants" + kit));
    m.setMaterialTexture(3, texture("socks" + kit));
    m.setMaterialTexture(4, texture("GKShoes"));
    m.setMaterialTexture(5, texture("skin0"));
    m.setMaterialTexture(6, texture("GKGloves"));
    m.setMaterialTexture(7, texture("ball"));
    const double frame = keeperAnimFrame(k);
    m.setAnimation(keeperAnimName(k), float(frame));
    gfx().setSampler(Sampler::Anisotropic);
    gfx().drawMesh(m);
}

void renderWallFigures() {
    if (!gameModels.player) return;
    MeshInstance& m = *gameModels.player;
    gfx().setDepthTest(true);
    m.setAnimation(0, 0);
    for (double x : kWallX) {
        const Mat4 world = worldMatrix(0.0012f, kHalfPi, 0, Vec3(float(x), float(kWallY), 0));
        chooseBody(m, world);
        gfx().drawMesh(m, world);
    }
}

}  // namespace kf
