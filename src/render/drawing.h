#pragma once
// The match window's drawing helpers on the virtual 1024 x 768 screen: the
// renderer and texture manager of the running window, sprites by texture
// name, flags, text with the HUD's rounding, buttons with their highlight.

#include <string>
#include <string_view>

#include "ingamedata.h"
#include "texture_handle.h"

namespace kf {

class Renderer;
class TextureManager;

struct TRenderContext {
    Renderer* renderer = nullptr;
    TextureManager* textures = nullptr;
};
// Set by the match window for the lifetime of its engine object.
extern TRenderContext renderContext;

Renderer& gfx();
TextureManager& gameTextures();
TextureHandle texture(std::string_view name);
// The texture's image size (virtual units for sprites); 0 x 0 when missing.
int textureWidth(std::string_view name);
int textureHeight(std::string_view name);

inline constexpr TRGB kWhite{255, 255, 255};
inline constexpr TRGB kBlack{0, 0, 0};
inline constexpr TRGB kYellow{255, 255, 0};

void drawSprite(std::string_view tex, double x, double y);
void drawTintedSprite(std::string_view tex, const TRGB& colour, double x, double y);
// Stretched to w x h virtual units, untinted.
void drawSpriteSized(std::string_view tex, double x, double y, double w, double h);
// Cell n of the flag sheet, 16 x 11 units at (x, y).
void drawFlag(int n, double x, double y);

// Text in the shared "Verdana" at labelFontSize; the top left corner at the
// virtual point taken to whole pixels (halves to even). Texts are Windows-1252.
void drawText(double x, double y, std::string_view text, const TRGB& colour);
// Black one unit right and down, then the colour.
void drawShadowText(double x, double y, std::string_view text, const TRGB& colour);
// Text at back-buffer pixels (labels over the 3D view).
void printTextPixels(double px, double py, std::string_view text, const TRGB& colour);
double textWidthPixels(std::string_view text);

// A button: highlighted while the cursor is on it (the normal texture's rectangle).
void hudButton(double x, double y, std::string_view normal, std::string_view highlighted);

}  // namespace kf
