#pragma once
// Kit, skin, hair and goalkeeper textures coloured from the template images
// in "data/textures/3d/player/" and registered with the texture manager.
// Kit sets: 0 team 1, 1 team 2, 2 plain red, 3 plain blue.

#include <string>

#include "image.h"
#include "ingamedata.h"

namespace kf {

class TextureManager;

// Every pixel that is not exactly magenta: c := max(0, c + t - 255) per channel.
void tintTemplate(Image& image, const TRGB& tint);
bool isMagenta(const Rgba& p);
// The pattern replaces the shirt pixel, tinted, wherever the pattern is not magenta.
void overlayPattern(Image& shirt, const Image& pattern, const TRGB& colour);

// The folder of the templates ("<data>/textures/3d/player/").
std::string playerTemplateDir();

void buildKitSet(TextureManager& tm, int set, const TRGB& shirt, int pattern, const TRGB& patternColour,
                 const TRGB& shorts, const TRGB& socks);
// Black shoes (0, 0, 0) share "GKShoes"; other colours get "shoe" + team + slot.
void buildShoeTexture(TextureManager& tm, int team, int slot, const TRGB& colour);
std::string shoeTextureName(int team, int slot);
void buildMatchKits(TextureManager& tm);
void buildPlainKits(TextureManager& tm);
void buildSkinTextures(TextureManager& tm);
void buildHairTextures(TextureManager& tm);
void buildKeeperTextures(TextureManager& tm);

// Skin tone and hair colour tables by index.
TRGB skinTone(int index);
TRGB hairColour(int index);
// Hair 5 follows the skin: hair texture 5, 6 or 7 for skin 0, 1 or 2.
int hairTextureIndex(int hair, int skin);

}  // namespace kf
