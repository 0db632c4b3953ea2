#include "drawing.h"

#include <cassert>
#include <string>

#include "cp1252.h"
#include "hudlogic.h"
#include "playeranim.h"
#include "renderer.h"
#include "textures.h"

namespace kf {

TRenderContext renderContext;

namespace {

Rgba rgba(const TRGB& c) { return {c.r, c.g, c.b, 255}; }

Font& hudFont() { return gfx().font("Verdana", labelFontSize(gfx().height())); }

}  // namespace

Renderer& gfx() {
    assert(renderContext.renderer);
    return *renderContext.renderer;
}

TextureManager& gameTextures() {
    assert(renderContext.textures);
    return *renderContext.textures;
}

TextureHandle texture(std::string_view name) { return gameTextures().find(std::string(name)); }
int textureWidth(std::string_view name) { return gameTextures().width(texture(name)); }
int textureHeight(std::string_view name) { return gameTextures().height(texture(name)); }

void drawSprite(std::string_view tex, double x, double y) { drawTintedSprite(tex, kWhite, x, y); }

void drawTintedSprite(std::string_view tex, const TRGB& colour, double x, double y) {
    gfx().drawSprite(texture(tex), float(x), float(y), rgba(colour));
}

void drawSpriteSized(std::string_view tex, double x, double y, double w, double h) {
    gfx().drawSprite(texture(tex), Rect{float(x), float(y), float(w), float(h)}, rgba(kWhite));
}

void drawFlag(int n, double x, double y) {
    if (n < 0) return;
    const int column = n % 10, row = n / 10;
    const Rect src{16.0f * column, 11.0f * row, 16, 11};
    gfx().drawSprite(texture("flags"), src, Rect{float(x), float(y), 16, 11}, rgba(kWhite));
}

void printTextPixels(double px, double py, std::string_view text, const TRGB& colour) {
    gfx().setSampler(Sampler::Point);
    gfx().printText(hudFont(), float(px), float(py), cp1252ToUtf8(text), rgba(colour));
}

double textWidthPixels(std::string_view text) { return hudFont().width(cp1252ToUtf8(text)); }

void drawText(double x, double y, std::string_view text, const TRGB& colour) {
    const TPixel p = textPixel(x, y, gfx().width(), gfx().height());
    printTextPixels(p.x, p.y, text, colour);
}

void drawShadowText(double x, double y, std::string_view text, const TRGB& colour) {
    drawText(x + 1, y + 1, text, kBlack);
    drawText(x, y, text, colour);
}

void hudButton(double x, double y, std::string_view normal, std::string_view highlighted) {
    const bool on = hitTest(x, y, textureWidth(normal), textureHeight(normal), ingamedata.mouseScreenX,
                            ingamedata.mouseScreenY);
    drawSprite(on ? highlighted : normal, x, y);
}

}  // namespace kf
